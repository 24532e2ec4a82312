// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recipe/RecipeSettings.h"

#include "core/document/BitHelpers.h"
#include "core/document/FunctionTree.h"
#include "core/editors/ColorMath.h"
#include "core/editors/ColorScheme.h"
#include "core/editors/SchemeTitle.h"
#include "core/editors/StyleList.h"
#include "core/editors/VolumeItems.h"
#include "core/generators/GprsTextRecord.h"
#include "core/generators/OuterTextRecord.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <functional>
#include <map>

namespace vantrel {

namespace {

// Whole lines of hex stay readable in an editor.
constexpr int kBytesPerEntry = 16;

std::vector<std::uint8_t> bytesOf(const ByteGrid& grid) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(grid.cellCount()));
    for (int i = 0; i < grid.cellCount(); ++i)
        bytes[static_cast<std::size_t>(i)] = grid.value(i).value_or(0);
    return bytes;
}

std::string onOff(bool on) {
    return on ? "on" : "off";
}

std::optional<bool> parseOnOff(const std::string& word) {
    if (word == "on")
        return true;
    if (word == "off")
        return false;
    return std::nullopt;
}

std::string rgbText(const ColorRecord& record) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", record.red, record.green, record.blue);
    return text;
}

std::optional<Rgb> parseRgb(std::string text) {
    if (!text.empty() && text[0] == '#')
        text.erase(0, 1);
    const auto value = text.size() == 6 ? parseHex(text) : std::nullopt;
    if (!value)
        return std::nullopt;
    return Rgb{static_cast<std::uint8_t>(*value >> 16), static_cast<std::uint8_t>(*value >> 8),
               static_cast<std::uint8_t>(*value)};
}

bool isPercentage(const std::string& text) {
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() &&
           value >= 0 && value <= 100;
}

// The shortest percentage the transparency box turns into byte.
std::string percentageFor(std::uint8_t byte) {
    for (int scale : {1, 10, 100}) {
        for (int n = 0; n <= 100 * scale; ++n) {
            char text[16];
            std::snprintf(text, sizeof text, "%.*f",
                          scale == 1    ? 0
                          : scale == 10 ? 1
                                        : 2,
                          static_cast<double>(n) / scale);
            if (transparencyFromText(text).byte == byte)
                return text;
        }
    }
    return std::to_string(percentFromByte(byte));
}

std::string volumeName(const VolumeItem& item) {
    std::string name = item.caption;
    if (!name.empty() && name.back() == ':')
        name.pop_back();
    return name;
}

// Visits every switch with its path of IDs below the root, joined by "/".
void forEachSwitch(FunctionNode& parent, const std::string& path,
                   const std::function<void(FunctionNode&, const std::string&)>& visit) {
    for (FunctionNode& node : parent.children) {
        const std::string nodePath = path.empty() ? node.text : path + "/" + node.text;
        if (node.isSwitch())
            visit(node, nodePath);
        forEachSwitch(node, nodePath, visit);
    }
}

// What a file's editor shows, built once for reading or writing.
struct Editors {
    FunctionNode switches;
    StyleRows styles;
    VolumeItems volumes;
    ColorTree colors;

    Editors(const XmlElement& type, const std::string& typeName, const ByteGrid& grid) {
        if (typeName == "function") {
            FunctionTreeBuilder builder;
            switches = builder.build(type, grid);
        } else if (typeName == "style") {
            styles = buildStyleRows(type, grid);
        } else if (typeName == "volume") {
            volumes = buildVolumeItems(type, grid);
        } else if (typeName == "color") {
            colors = buildColorTree(type, grid);
        }
    }

    std::vector<FunctionNode*> switchesAt(const std::string& path) {
        std::vector<FunctionNode*> found;
        forEachSwitch(switches, "", [&](FunctionNode& node, const std::string& nodePath) {
            if (nodePath == path)
                found.push_back(&node);
        });
        return found;
    }
    std::vector<StyleRow*> stylesAt(const std::string& path) {
        std::vector<StyleRow*> found;
        for (StyleRow& row : styles.rows) {
            if (row.text == path)
                found.push_back(&row);
        }
        return found;
    }
    std::vector<VolumeItem*> volumesAt(const std::string& path) {
        std::vector<VolumeItem*> found;
        for (VolumeItem& item : volumes.items) {
            if (item.caption == path || volumeName(item) == path)
                found.push_back(&item);
        }
        return found;
    }
    std::vector<const ColorEntry*> colorsAt(const std::string& path) const {
        std::vector<const ColorEntry*> found;
        for (const ColorGroup& group : colors.groups) {
            for (const ColorEntry& entry : group.entries) {
                if (group.caption + "/" + entry.caption == path)
                    found.push_back(&entry);
            }
        }
        return found;
    }
};

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

void appendSwitches(Editors& editors, const std::string& seem, std::vector<RecipeEntry>& entries) {
    std::map<std::string, int> uses;
    forEachSwitch(editors.switches, "",
                  [&](FunctionNode&, const std::string& path) { ++uses[path]; });
    forEachSwitch(editors.switches, "", [&](FunctionNode& node, const std::string& path) {
        if (uses[path] == 1)
            entries.push_back({seem, RecipeKind::Switch, path, onOff(node.on), "", 0});
    });
}

template <typename Items, typename Name>
bool isUnique(const Items& items, const std::string& name, Name nameOf) {
    return std::count_if(items.begin(), items.end(),
                         [&](const auto& item) { return nameOf(item) == name; }) == 1;
}

void appendEditorSettings(Editors& editors, const RecipeTarget& file, const std::string& seem,
                          std::vector<RecipeEntry>& entries) {
    appendSwitches(editors, seem, entries);
    for (const StyleRow& row : editors.styles.rows) {
        if (isUnique(editors.styles.rows, row.text, [](const StyleRow& r) { return r.text; }))
            entries.push_back({seem, RecipeKind::Style, row.text, onOff(row.checked), "", 0});
    }
    for (const VolumeItem& item : editors.volumes.items) {
        if (editors.volumesAt(volumeName(item)).size() == 1)
            entries.push_back(
                {seem, RecipeKind::Volume, volumeName(item), std::to_string(item.position), "", 0});
    }
    if (file.typeName == "color" && hasSchemeTitle(file.grid))
        entries.push_back(
            {seem, RecipeKind::Title, "", utf16ToUtf8(readSchemeTitle(file.grid)), "", 0});
    for (const ColorGroup& group : editors.colors.groups) {
        for (const ColorEntry& color : group.entries) {
            const std::string path = group.caption + "/" + color.caption;
            if (editors.colorsAt(path).size() != 1)
                continue;
            const ColorRecord record = readColorRecord(file.grid, color.offset);
            entries.push_back({seem, RecipeKind::Color, path, rgbText(record),
                               percentageFor(record.transparency), 0});
        }
    }
}

// Bytes entries that make grid's cells those of wanted, in runs of differing bytes.
void appendBytes(const std::vector<std::uint8_t>& wanted, const std::vector<bool>& needed,
                 const std::string& seem, std::vector<RecipeEntry>& entries) {
    for (std::size_t i = 0; i < wanted.size();) {
        if (!needed[i]) {
            ++i;
            continue;
        }
        RecipeEntry entry{seem, RecipeKind::Bytes, "", "", "", static_cast<int>(i)};
        for (int count = 0; i < wanted.size() && needed[i] && count < kBytesPerEntry; ++i, ++count)
            entry.value += (entry.value.empty() ? "" : " ") + byteToHex(wanted[i]);
        entries.push_back(std::move(entry));
    }
}

std::vector<std::uint8_t> applied(const RecipeTarget& file, std::vector<std::uint8_t> start,
                                  const std::vector<RecipeEntry>& entries) {
    ByteGrid grid;
    grid.load(start);
    (void)applyRecipeEntries(file.type, file.typeName, grid, entries);
    return bytesOf(grid);
}

} // namespace

std::vector<RecipeEntry> readSettingEntries(const RecipeTarget& file, const std::string& seem) {
    std::vector<RecipeEntry> entries;
    if (!file.type)
        return entries;
    Editors editors(file.type, file.typeName, file.grid);
    appendEditorSettings(editors, file, seem, entries);
    const std::vector<std::uint8_t> bytes = bytesOf(file.grid);
    if (file.typeName == "outertext")
        entries.push_back(
            {seem, RecipeKind::OuterText, "", utf16ToUtf8(decodeOuterTextRecord(bytes)), "", 0});
    if (file.typeName == "gprs") {
        const GprsSetting gprs = decodeGprsTextRecord(bytes);
        if (gprs.mode == GprsDisplayMode::AlwaysDate)
            entries.push_back({seem, RecipeKind::Gprs, "date", "", "", 0});
        else
            entries.push_back({seem, RecipeKind::Gprs, "text", utf16ToUtf8(gprs.text), "", 0});
    }
    return entries;
}

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

Recipe exportRecipe(const RecipeTarget& file, const std::string& seem) {
    Recipe recipe{readSettingEntries(file, seem)};
    const std::vector<std::uint8_t> wanted = bytesOf(file.grid);
    // A byte the settings leave as they found it, or set otherwise, shows up
    // on a blank of zeros or one of ones: those bytes are written as they are.
    const auto fromZeros =
        applied(file, std::vector<std::uint8_t>(wanted.size(), 0x00), recipe.entries);
    const auto fromOnes =
        applied(file, std::vector<std::uint8_t>(wanted.size(), 0xFF), recipe.entries);
    std::vector<bool> needed(wanted.size());
    for (std::size_t i = 0; i < wanted.size(); ++i)
        needed[i] = fromZeros[i] != wanted[i] || fromOnes[i] != wanted[i];
    appendBytes(wanted, needed, seem, recipe.entries);
    return recipe;
}

bool recipeBetween(const RecipeTarget& ours, const RecipeTarget& theirs, const std::string& seem,
                   Recipe& recipe) {
    recipe.entries.clear();
    if (ours.grid.cellCount() != theirs.grid.cellCount())
        return false;
    if (ours.typeName == theirs.typeName && ours.type && theirs.type &&
        ours.type.attribute("ID") == theirs.type.attribute("ID")) {
        const auto before = readSettingEntries(ours, seem);
        const auto after = readSettingEntries(theirs, seem);
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (i >= before.size() || !(before[i] == after[i]))
                recipe.entries.push_back(after[i]);
        }
    }
    const std::vector<std::uint8_t> wanted = bytesOf(theirs.grid);
    const auto result = applied(ours, bytesOf(ours.grid), recipe.entries);
    std::vector<bool> needed(wanted.size());
    for (std::size_t i = 0; i < wanted.size(); ++i)
        needed[i] = result[i] != wanted[i];
    appendBytes(wanted, needed, seem, recipe.entries);
    return true;
}

std::string describeEntry(const RecipeEntry& entry) {
    std::string text = entry.seem + " " + recipeKindName(entry.kind);
    switch (entry.kind) {
    case RecipeKind::Title:
    case RecipeKind::OuterText:
        return text + " = \"" + entry.value + "\"";
    case RecipeKind::Gprs:
        return text + " " + entry.path + (entry.path == "text" ? " \"" + entry.value + "\"" : "");
    case RecipeKind::Bytes:
        return text + " at " + std::to_string(entry.offset) + " = " + entry.value;
    default:
        break;
    }
    text += " " + entry.path + " = " + entry.value;
    if (!entry.transparency.empty())
        text += " " + entry.transparency + "%";
    return text;
}

} // namespace vantrel
