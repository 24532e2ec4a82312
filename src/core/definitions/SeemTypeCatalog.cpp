// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/definitions/SeemTypeCatalog.h"

#include "core/base/BitHelpers.h"
#include "core/settings/SettingsStore.h"

#include <limits>

namespace vantrel {

namespace {

std::optional<std::int64_t> sizeOf(const XmlElement& element) {
    return parseDecimal(element.attribute("size").value_or(""));
}

// Whether the type fits a file of that length: true for its exact size, false
// for a file one byte longer, nothing otherwise.
std::optional<bool> fitsLength(const XmlElement& element, std::size_t fileLength) {
    const auto size = sizeOf(element);
    const auto length = static_cast<std::int64_t>(fileLength);
    if (!size || (*size != length && *size != length - 1))
        return std::nullopt;
    return *size == length;
}

} // namespace

std::optional<Failure> seemTypeProblem(const XmlElement& element) {
    if (!element.hasAttribute("ID") || !element.hasAttribute("tip") ||
        !element.hasAttribute("type") || !element.hasAttribute("size"))
        return Failure{"a seem type needs the attributes ID, size, tip and type"};
    const auto size = sizeOf(element);
    if (!size || *size < 0 || *size > std::numeric_limits<std::int32_t>::max())
        return Failure{"the size \"" + *element.attribute("size") + "\" is not a number"};
    return std::nullopt;
}

std::optional<Failure> buildSeemTypeCatalog(const XmlElement& root,
                                            std::vector<SeemTypeEntry>& catalog) {
    const auto types = root.children();
    if (catalog.size() < types.size())
        catalog.resize(types.size());
    for (std::size_t i = 0; i < types.size(); ++i) {
        const XmlElement& element = types[i];
        if (const auto problem = seemTypeProblem(element))
            return Failure{"seem type " + std::to_string(i + 1) + " <" + element.name() +
                           ">: " + problem->message};
        catalog[i].ID = *element.attribute("ID");
        catalog[i].size = static_cast<std::int32_t>(*sizeOf(element));
        catalog[i].tip = *element.attribute("tip");
        catalog[i].type = toLowerAscii(*element.attribute("type"));
    }
    return std::nullopt;
}

std::vector<SeemTypeMatch> matchingSeemTypes(const XmlElement& root, std::size_t fileLength) {
    std::vector<SeemTypeMatch> matches;
    const auto types = root.children();
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (const auto exact = fitsLength(types[i], fileLength))
            matches.push_back({i, types[i], *exact});
    }
    return matches;
}

XmlElement findSeemType(const XmlElement& root, std::size_t fileLength) {
    for (const XmlElement& element : root.children()) {
        if (fitsLength(element, fileLength))
            return element;
    }
    return {};
}

} // namespace vantrel
