// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a recipe's entries into a file's cells, all or nothing.
#include "core/document/BitHelpers.h"
#include "core/editors/SchemeTitle.h"
#include "core/generators/GprsTextRecord.h"
#include "core/generators/OuterTextRecord.h"
#include "core/recipe/RecipeEditors.h"
#include "core/recipe/RecipeSettings.h"
#include "core/recipe/RecipeValues.h"

namespace vantrel {

using namespace recipe;

namespace {

// "" when exactly one item was found, else what is wrong.
template <typename T> std::string exactlyOne(const std::vector<T>& found, const char* what) {
    if (found.empty())
        return std::string("no ") + what + " of that name";
    if (found.size() > 1)
        return "the name fits " + std::to_string(found.size()) + " " + what + "s";
    return "";
}

std::string requireType(const std::string& typeName, const char* wanted) {
    if (typeName == wanted)
        return "";
    return std::string("this entry is for ") + wanted + " files, the file is " +
           (typeName.empty() ? std::string("of no known type") : "a " + typeName + " file");
}

std::optional<std::vector<std::uint8_t>> parseHexBytes(const std::string& text) {
    std::vector<std::uint8_t> bytes;
    std::string digits;
    for (char c : text) {
        if (c == ' ')
            continue;
        digits += c;
    }
    if (digits.empty() || digits.size() % 2 != 0)
        return std::nullopt;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const auto value = parseHex(std::string_view(digits).substr(i, 2));
        if (!value)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(*value));
    }
    return bytes;
}

void writeRecord(ByteGrid& grid, const std::vector<std::uint8_t>& record) {
    for (std::size_t i = 0; i < record.size() && grid.contains(static_cast<int>(i)); ++i)
        grid.writeByte(static_cast<int>(i), record[i]);
}

std::string applySwitch(Editors& editors, ByteGrid& grid, const RecipeEntry& entry) {
    const auto on = parseOnOff(entry.value);
    if (!on)
        return "a switch is on or off, not \"" + entry.value + "\"";
    const auto found = editors.switchesAt(entry.path);
    if (auto fault = exactlyOne(found, "switch"); !fault.empty())
        return fault;
    return toggleSwitch(grid, *found[0], *on) ? "" : "its byte is not valid";
}

std::string applyStyle(Editors& editors, ByteGrid& grid, const RecipeEntry& entry) {
    const auto on = parseOnOff(entry.value);
    if (!on)
        return "a style is on or off, not \"" + entry.value + "\"";
    const auto found = editors.stylesAt(entry.path);
    if (auto fault = exactlyOne(found, "style"); !fault.empty())
        return fault;
    applyCheck(grid, *found[0], *on);
    return "";
}

std::string applyVolume(Editors& editors, ByteGrid& grid, const RecipeEntry& entry) {
    const auto found = editors.volumesAt(entry.path);
    if (auto fault = exactlyOne(found, "volume item"); !fault.empty())
        return fault;
    VolumeItem& item = *found[0];
    const auto value = parseDecimal(entry.value);
    if (!value || *value < item.min || *value > item.max)
        return "the value must lie in " + std::to_string(item.min) + ".." +
               std::to_string(item.max) + ", not " + entry.value;
    writeVolume(grid, item, static_cast<int>(*value));
    return "";
}

std::string applyColor(Editors& editors, ByteGrid& grid, const RecipeEntry& entry) {
    const auto found = editors.colorsAt(entry.path);
    if (auto fault = exactlyOne(found, "colour"); !fault.empty())
        return fault;
    const auto rgb = parseRgb(entry.value);
    if (!rgb)
        return "a colour is written #RRGGBB, not " + entry.value;
    if (!entry.transparency.empty() && !isPercentage(entry.transparency))
        return "the transparency must be a percentage from 0 to 100, not " + entry.transparency;
    writeColor(grid, found[0]->offset, rgb->red, rgb->green, rgb->blue);
    if (!entry.transparency.empty())
        writeTransparency(grid, found[0]->offset, transparencyFromText(entry.transparency).byte);
    return "";
}

std::string applyTitle(ByteGrid& grid, const RecipeEntry& entry) {
    switch (writeSchemeTitle(grid, utf8ToUtf16(entry.value))) {
    case TitleWrite::Written:
        return "";
    case TitleWrite::TooLong:
        return "a title holds at most five characters";
    case TitleWrite::NoRoom:
        break;
    }
    return "the file is too short to hold a title";
}

std::string applyGprs(ByteGrid& grid, const RecipeEntry& entry) {
    const std::u16string text = utf8ToUtf16(entry.value);
    if (entry.path == "date")
        writeRecord(grid, encodeGprsTextRecord(GprsDisplayMode::AlwaysDate, {}));
    else if (entry.path == "nothing")
        writeRecord(grid, encodeGprsTextRecord(GprsDisplayMode::ShowNothing, {}));
    else if (entry.path != "text")
        return "the GPRS text is date, nothing or text, not \"" + entry.path + "\"";
    else if (text.size() > kGprsTextUnits)
        return "the GPRS text holds at most " + std::to_string(kGprsTextUnits) + " characters";
    else
        writeRecord(grid, encodeGprsTextRecord(GprsDisplayMode::CustomText, text));
    return "";
}

std::string applyBytes(ByteGrid& grid, const RecipeEntry& entry) {
    const auto bytes = parseHexBytes(entry.value);
    if (!bytes)
        return "bytes are pairs of hex digits, not \"" + entry.value + "\"";
    if (static_cast<std::size_t>(entry.offset) + bytes->size() >
        static_cast<std::size_t>(grid.cellCount()))
        return "the bytes run past the end of the file (" + std::to_string(grid.cellCount()) +
               " bytes)";
    for (std::size_t i = 0; i < bytes->size(); ++i)
        grid.writeByte(entry.offset + static_cast<int>(i), (*bytes)[i]);
    return "";
}

std::string applyEntry(Editors& editors, const std::string& typeName, ByteGrid& grid,
                       const RecipeEntry& entry) {
    // The phone ends a text at U+0000: what follows would be stored but never shown.
    if (entry.value.find('\0') != std::string::npos)
        return "a value cannot hold the character U+0000";
    switch (entry.kind) {
    case RecipeKind::Switch:
        if (auto fault = requireType(typeName, "function"); !fault.empty())
            return fault;
        return applySwitch(editors, grid, entry);
    case RecipeKind::Style:
        if (auto fault = requireType(typeName, "style"); !fault.empty())
            return fault;
        return applyStyle(editors, grid, entry);
    case RecipeKind::Volume:
        if (auto fault = requireType(typeName, "volume"); !fault.empty())
            return fault;
        return applyVolume(editors, grid, entry);
    case RecipeKind::Color:
        if (auto fault = requireType(typeName, "color"); !fault.empty())
            return fault;
        return applyColor(editors, grid, entry);
    case RecipeKind::Title:
        if (auto fault = requireType(typeName, "color"); !fault.empty())
            return fault;
        return applyTitle(grid, entry);
    case RecipeKind::OuterText:
        if (auto fault = requireType(typeName, "outertext"); !fault.empty())
            return fault;
        if (utf8ToUtf16(entry.value).size() > kOuterTextUnits)
            return "the outer text holds at most " + std::to_string(kOuterTextUnits) +
                   " characters";
        writeRecord(grid, encodeOuterTextRecord(utf8ToUtf16(entry.value)));
        return "";
    case RecipeKind::Gprs:
        if (auto fault = requireType(typeName, "gprs"); !fault.empty())
            return fault;
        return applyGprs(grid, entry);
    case RecipeKind::Bytes:
        break;
    }
    return applyBytes(grid, entry);
}

} // namespace

std::vector<std::string> applyRecipeEntries(const XmlElement& type, const std::string& typeName,
                                            ByteGrid& grid,
                                            const std::vector<RecipeEntry>& entries) {
    ByteGrid trial;
    trial.load(bytesOf(grid));
    Editors editors(type, typeName, trial);
    std::vector<std::string> problems;
    for (const RecipeEntry& entry : entries) {
        if (std::string fault = applyEntry(editors, typeName, trial, entry); !fault.empty())
            problems.push_back(describeEntry(entry) + ": " + fault);
    }
    if (!problems.empty())
        return problems;
    for (int i = 0; i < grid.cellCount(); ++i) {
        if (grid.value(i) != trial.value(i))
            grid.writeByte(i, *trial.value(i));
    }
    return problems;
}

} // namespace vantrel
