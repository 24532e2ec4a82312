// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a file's settings into a recipe, and the recipes that make one file of another.
#include "core/recipe/RecipeSettings.h"

#include "core/base/BitHelpers.h"
#include "core/editors/EditorModel.h"
#include "core/editors/SeemKind.h"

#include <algorithm>
#include <map>
#include <span>

namespace vantrel {

namespace {

// Whole lines of hex stay readable in an editor.
constexpr int kBytesPerEntry = 16;

std::string hexBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::uint8_t byte : bytes)
        text += (text.empty() ? "" : " ") + byteToHex(byte);
    return text;
}

// Bytes entries that make grid's cells those of wanted, in runs of differing bytes.
void appendBytes(const std::vector<std::uint8_t>& wanted, const std::vector<bool>& needed,
                 const std::string& seem, std::vector<RecipeEntry>& entries) {
    for (std::size_t i = 0; i < wanted.size();) {
        if (!needed[i]) {
            ++i;
            continue;
        }
        RecipeEntry entry{seem, SettingKind::Bytes, "", "", "", static_cast<int>(i)};
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
    return grid.bytes();
}

} // namespace

std::vector<RecipeEntry> readSettingEntries(const RecipeTarget& file, const std::string& seem) {
    std::vector<RecipeEntry> entries;
    if (!file.type)
        return entries;
    FunctionTreeBuilder builder;
    const EditorModel model = buildEditorModel(file.type, file.typeName, file.grid, builder);
    const SettingNameIndex names(model);
    // A name that several items share would set them all alike: such items are left out.
    const TakesRecipeName once = [&](SettingKind kind, const std::string& path) {
        return names.keysNamed(kind, path).size() == 1;
    };
    seemKind(model.kind).addRecipeEntries(model, file.grid, seem, once, entries);
    return entries;
}

Recipe exportRecipe(const RecipeTarget& file, const std::string& seem, bool withBytes) {
    Recipe recipe{readSettingEntries(file, seem)};
    if (!withBytes)
        return recipe;
    const std::vector<std::uint8_t> wanted = file.grid.bytes();
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
            if (i < before.size() && before[i] == after[i])
                continue;
            recipe.entries.push_back(after[i]);
            if (i < before.size())
                recipe.entries.back().from = entryValueText(before[i]);
        }
    }
    const std::vector<std::uint8_t> start = ours.grid.bytes();
    const std::vector<std::uint8_t> wanted = theirs.grid.bytes();
    const auto result = applied(ours, start, recipe.entries);
    std::vector<bool> needed(wanted.size());
    for (std::size_t i = 0; i < wanted.size(); ++i)
        needed[i] = result[i] != wanted[i];
    const std::size_t settings = recipe.entries.size();
    appendBytes(wanted, needed, seem, recipe.entries);
    for (std::size_t i = settings; i < recipe.entries.size(); ++i) {
        RecipeEntry& entry = recipe.entries[i];
        const auto first = static_cast<std::size_t>(entry.offset);
        const std::size_t count = (entry.value.size() + 1) / 3;
        entry.from = hexBytes({start.data() + first, count});
    }
    return true;
}

std::string entryValueText(const RecipeEntry& entry) {
    switch (entry.kind) {
    case SettingKind::Color:
        return entry.transparency.empty() ? entry.value
                                          : entry.value + " " + entry.transparency + "%";
    case SettingKind::Gprs:
        return entry.path == "text" ? entry.value : entry.path;
    default:
        return entry.value;
    }
}

std::string entrySettingText(const RecipeEntry& entry) {
    switch (entry.kind) {
    case SettingKind::Switch:
    case SettingKind::Style:
    case SettingKind::Volume:
    case SettingKind::Color:
        return entry.path;
    case SettingKind::Bytes:
        return "bytes at " + std::to_string(entry.offset);
    default:
        return std::string(settingKindName(entry.kind));
    }
}

std::string describeEntry(const RecipeEntry& entry) {
    std::string text = entry.seem + " " + std::string(settingKindName(entry.kind));
    switch (entry.kind) {
    case SettingKind::Title:
    case SettingKind::OuterText:
        return text + " = \"" + entry.value + "\"";
    case SettingKind::Gprs:
        return text + " " + entry.path + (entry.path == "text" ? " \"" + entry.value + "\"" : "");
    case SettingKind::Bytes:
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
