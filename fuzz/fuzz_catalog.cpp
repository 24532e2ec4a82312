// SPDX-License-Identifier: GPL-3.0-or-later
// The seem type catalog of any definitions document, and the type a file of
// any length matches.
#include "FuzzCheck.h"
#include "core/base/BitHelpers.h"
#include "core/definitions/SeemTypeCatalog.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::size_t fileLength = (data[0] << 8 | data[1]) % 5002;
    vantrel::XmlDocument document;
    if (!document
             .loadFromString(std::string_view(reinterpret_cast<const char*>(data) + 2, size - 2))
             .ok)
        return 0;
    const auto root = document.root();
    const auto types = root.children();

    std::vector<vantrel::SeemTypeEntry> catalog;
    const auto failure = vantrel::buildSeemTypeCatalog(root, catalog);
    FUZZ_CHECK(catalog.size() == types.size());
    if (!failure) {
        for (std::size_t i = 0; i < types.size(); ++i) {
            FUZZ_CHECK(catalog[i].size >= 0);
            FUZZ_CHECK(catalog[i].ID == types[i].attribute("ID"));
            for (const char c : catalog[i].type)
                FUZZ_CHECK(!std::isupper(static_cast<unsigned char>(c)));
        }
    }

    // The first type whose size is the length or one less, and none before it.
    const vantrel::XmlElement found = vantrel::findSeemType(root, fileLength);
    const auto length = static_cast<std::int64_t>(fileLength);
    for (const auto& type : types) {
        const auto typeSize = vantrel::parseDecimal(type.attribute("size").value_or(""));
        const bool matches = typeSize && (*typeSize == length || *typeSize == length - 1);
        if (type == found) {
            FUZZ_CHECK(matches);
            break;
        }
        FUZZ_CHECK(!matches);
    }
    if (found.isNull()) {
        for (const auto& type : types) {
            const auto typeSize = vantrel::parseDecimal(type.attribute("size").value_or(""));
            FUZZ_CHECK(!(typeSize && (*typeSize == length || *typeSize == length - 1)));
        }
    }
    return 0;
}
