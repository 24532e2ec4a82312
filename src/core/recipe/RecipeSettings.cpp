// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a file's settings into a recipe, and the recipes that make one file of another.
#include "core/recipe/RecipeSettings.h"

#include "core/document/BitHelpers.h"
#include "core/editors/SchemeTitle.h"
#include "core/generators/GprsTextRecord.h"
#include "core/generators/OuterTextRecord.h"
#include "core/recipe/RecipeEditors.h"
#include "core/recipe/RecipeValues.h"

#include <algorithm>
#include <map>

namespace vantrel {

using namespace recipe;

namespace {

// Whole lines of hex stay readable in an editor.
constexpr int kBytesPerEntry = 16;

void appendSwitches(Editors& editors, const std::string& seem, std::vector<RecipeEntry>& entries) {
    std::map<std::string, int> uses;
    forEachSwitch(editors.switches, "",
                  [&](FunctionNode&, const std::string& path) { ++uses[path]; });
    forEachSwitch(editors.switches, "", [&](FunctionNode& node, const std::string& path) {
        if (uses[path] == 1)
            entries.push_back({seem, RecipeKind::Switch, path, onOff(node.on), "", 0});
    });
}

void appendEditorSettings(Editors& editors, const RecipeTarget& file, const std::string& seem,
                          std::vector<RecipeEntry>& entries) {
    appendSwitches(editors, seem, entries);
    for (const StyleRow& row : editors.styles.rows) {
        if (editors.stylesAt(row.text).size() == 1)
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

Recipe exportRecipe(const RecipeTarget& file, const std::string& seem, bool withBytes) {
    Recipe recipe{readSettingEntries(file, seem)};
    if (!withBytes)
        return recipe;
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
