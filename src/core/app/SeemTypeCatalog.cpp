#include "core/app/SeemTypeCatalog.h"

#include <limits>

#include "core/app/SettingsStore.h"
#include "core/document/BitHelpers.h"

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

std::optional<std::string> buildSeemTypeCatalog(const XmlElement& root,
                                                std::vector<SeemTypeEntry>& catalog) {
    const auto types = root.children();
    if (catalog.size() < types.size())
        catalog.resize(types.size());
    for (std::size_t i = 0; i < types.size(); ++i) {
        const XmlElement& element = types[i];
        const auto id = element.attribute("ID");
        const auto tip = element.attribute("tip");
        const auto type = element.attribute("type");
        const auto size = sizeOf(element);
        const std::string where =
            "seem type " + std::to_string(i + 1) + " <" + element.name() + ">";
        if (!id || !tip || !type || !element.hasAttribute("size"))
            return where + " needs the attributes ID, size, tip and type";
        if (!size || *size < 0 || *size > std::numeric_limits<std::int32_t>::max())
            return where + " has a size that is not a number";
        catalog[i].ID = *id;
        catalog[i].size = static_cast<std::int32_t>(*size);
        catalog[i].tip = *tip;
        catalog[i].type = toLowerAscii(*type);
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
