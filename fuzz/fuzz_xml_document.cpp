// SPDX-License-Identifier: GPL-3.0-or-later
// Any text either loads, with a root element, or fails with a message; the
// element walk agrees with itself everywhere.
#include "FuzzCheck.h"
#include "core/xml/XmlDocument.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

using vantrel::XmlElement;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vantrel::XmlDocument document;
    const auto result =
        document.loadFromString(std::string_view(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(result.ok == document.isLoaded());
    if (!result.ok) {
        FUZZ_CHECK(!result.message.empty());
        FUZZ_CHECK(result.line >= 0);
        return 0;
    }
    FUZZ_CHECK(!document.root().isNull());

    // Without recursion: the nesting depth is the input's to choose.
    std::vector<XmlElement> pending{document.root()};
    while (!pending.empty()) {
        const XmlElement element = pending.back();
        pending.pop_back();
        const auto children = element.children();
        FUZZ_CHECK(element.hasChildElements() == !children.empty());
        if (!children.empty()) {
            const XmlElement first = children.front();
            FUZZ_CHECK(element.child(first.name()) == first);
        }
        for (const XmlElement& child : children) {
            FUZZ_CHECK(!child.isNull());
            pending.push_back(child);
        }
    }
    return 0;
}
