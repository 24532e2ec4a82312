// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/coverage/DefinitionSuggestions.h"

#include "core/base/BitHelpers.h"
#include "core/compare/SettingDifferences.h"
#include "core/coverage/Coverage.h"
#include "core/editors/SeemKind.h"
#include "core/i18n/BuiltinStrings.h"

#include <algorithm>

namespace vantrel {

namespace {

std::string escapedAttribute(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// Element names are not read, so the new elements take the name the file
// already uses for its items; the first element carrying attribute wins.
std::string itemName(const XmlElement& element, const char* attribute, int depth = 0) {
    for (const XmlElement& child : element.children()) {
        if (child.hasAttribute(attribute))
            return child.name();
        if (depth < 8) {
            if (std::string name = itemName(child, attribute, depth + 1); !name.empty())
                return name;
        }
    }
    return {};
}

// Two digits at least, as the definitions write offsets.
std::string suggestedOffset(int cell) {
    return cell <= 0xFF ? byteToHex(static_cast<std::uint8_t>(cell))
                        : toHex(static_cast<std::uint32_t>(cell));
}

std::string switchElement(const std::string& name, int cell, int bit, const UiStrings& strings) {
    const std::string offset = suggestedOffset(cell);
    const std::string id =
        strings.format(UiString::SuggestSwitchName, {offset, std::to_string(bit)});
    return "<" + name + " ID=\"" + escapedAttribute(id) + "\" offset=\"" + offset + "\" bit=\"" +
           std::to_string(bit) + "\" tip=\"\"/>";
}

std::string rowElement(const std::string& name, int cell, std::uint8_t on, std::uint8_t off,
                       const UiStrings& strings) {
    const std::string offset = suggestedOffset(cell);
    const std::string id = strings.format(UiString::SuggestRowName, {offset});
    return "<" + name + " offset=\"" + offset + "\" val1=\"" + byteToHex(on) + "\" val2=\"" +
           byteToHex(off) + "\" ID=\"" + escapedAttribute(id) + "\" tip=\"\"/>";
}

} // namespace

DefinitionSuggestions suggestDefinitions(const XmlElement& type, const std::string& typeName,
                                         const ByteGrid& ours, const ByteGrid& theirs,
                                         const UiStrings& strings) {
    DefinitionSuggestions suggestions;
    const SuggestedItems items = seemKind(editorKindOf(typeName)).suggestedItems();
    const bool bits = items == SuggestedItems::PerBit;
    if (!type || items == SuggestedItems::None) {
        suggestions.supported = false;
        return suggestions;
    }
    std::string name = itemName(type, bits ? "bit" : "val1");
    if (name.empty())
        name = bits ? "item" : "row";
    const Coverage coverage = computeCoverage(type, typeName, ours);
    const int cells = std::min(ours.cellCount(), theirs.cellCount());
    for (int cell = 0; cell < cells; ++cell) {
        const std::uint8_t mine = cellByte(ours, cell);
        const std::uint8_t other = cellByte(theirs, cell);
        const auto changed = static_cast<std::uint8_t>((mine ^ other) & ~coverage.bitsOf(cell));
        if (changed == 0)
            continue;
        if (!bits) {
            suggestions.elements.push_back(
                {cell, -1, rowElement(name, cell, other, mine, strings)});
            continue;
        }
        for (int bit = 0; bit < 8; ++bit) {
            if ((changed >> bit) & 1)
                suggestions.elements.push_back(
                    {cell, bit, switchElement(name, cell, bit, strings)});
        }
    }
    return suggestions;
}

std::string suggestionText(const DefinitionSuggestions& suggestions, const XmlElement& type,
                           const std::string& typeName, int typeLine,
                           const std::string& definitionsName, const UiStrings& strings) {
    if (!suggestions.supported)
        return strings.format(UiString::SuggestNoElement, {typeName}) + "\n";
    if (suggestions.elements.empty())
        return strings.get(UiString::SuggestNothing) + "\n";
    const std::string id = type.attribute("ID").value_or("");
    // "--" may not stand inside an XML comment.
    std::string place =
        strings.format(UiString::SuggestPlace, {id, std::to_string(typeLine), definitionsName});
    for (auto at = place.find("--"); at != std::string::npos; at = place.find("--"))
        place.replace(at, 2, "- -");
    std::string text = "<!-- " + place + " -->\n";
    for (const SuggestedElement& element : suggestions.elements)
        text += element.xml + "\n";
    return text;
}

} // namespace vantrel
