// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recipe/RecipeReview.h"

#include "core/base/BitHelpers.h"
#include "core/settings/SettingsStore.h"

#include <algorithm>

namespace vantrel {

namespace {

bool namesOneSetting(SettingKind kind) {
    return kind == SettingKind::Title || kind == SettingKind::OuterText ||
           kind == SettingKind::Gprs;
}

// The file's own entry for the setting entry names, when the file has it.
std::optional<RecipeEntry> fileEntryFor(const std::vector<RecipeEntry>& fileEntries,
                                        const RecipeEntry& entry) {
    const auto same = [&](bool ignoringCase) {
        return [&, ignoringCase](const RecipeEntry& own) {
            if (own.kind != entry.kind)
                return false;
            if (namesOneSetting(entry.kind))
                return true;
            return ignoringCase ? toLowerAscii(own.path) == toLowerAscii(entry.path)
                                : own.path == entry.path;
        };
    };
    auto found = std::find_if(fileEntries.begin(), fileEntries.end(), same(false));
    if (found == fileEntries.end())
        found = std::find_if(fileEntries.begin(), fileEntries.end(), same(true));
    if (found == fileEntries.end())
        return std::nullopt;
    return *found;
}

std::string bytesAt(const ByteGrid& grid, const RecipeEntry& entry) {
    const int count = static_cast<int>((entry.value.size() + 1) / 3);
    std::string text;
    for (int i = entry.offset; i < entry.offset + count && i < grid.cellCount(); ++i)
        text += (text.empty() ? "" : " ") + byteToHex(grid.value(i).value_or(0));
    return text;
}

// Hex digits and "#RRGGBB" read alike in either case.
bool sameValue(const RecipeEntry& entry, const std::string& a, const std::string& b) {
    if (entry.kind == SettingKind::Color || entry.kind == SettingKind::Bytes)
        return toLowerAscii(a) == toLowerAscii(b);
    return a == b;
}

// This file's value in the words of entry: a colour the recipe leaves the
// transparency of is shown without it.
std::string currentText(const RecipeTarget& file, const std::optional<RecipeEntry>& own,
                        const RecipeEntry& entry, bool withTransparency) {
    if (entry.kind == SettingKind::Bytes)
        return bytesAt(file.grid, entry);
    if (!own)
        return {};
    RecipeEntry shown = *own;
    if (!withTransparency)
        shown.transparency.clear();
    return entryValueText(shown);
}

} // namespace

std::vector<std::size_t> RecipeReview::tickedRows() const {
    std::vector<std::size_t> ticked;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].ticked)
            ticked.push_back(i);
    }
    return ticked;
}

std::vector<RecipeEntry> RecipeReview::chosenEntries(const std::vector<std::size_t>& chosen) const {
    std::vector<std::size_t> sorted = chosen;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    std::vector<RecipeEntry> entries;
    for (std::size_t row : sorted) {
        if (row < rows.size())
            entries.push_back(rows[row].recipeEntry);
    }
    return entries;
}

RecipeReview reviewRecipeEntries(const Recipe& recipe, const std::vector<std::size_t>& indices,
                                 const RecipeTarget& file) {
    RecipeReview review;
    const std::vector<RecipeEntry> fileEntries = readSettingEntries(file, "");
    const std::vector<std::uint8_t> bytes = file.grid.bytes();
    for (std::size_t index : indices) {
        const RecipeEntry& entry = recipe.entries[index];
        ByteGrid trial;
        trial.load(bytes);
        const auto problems = applyRecipeEntries(file.type, file.typeName, trial, {entry});
        if (!problems.empty()) {
            review.refused.push_back("entry " + std::to_string(index + 1) + ": " +
                                     problems.front());
            continue;
        }
        RecipeReviewRow row;
        row.entry = index;
        row.recipeEntry = entry;
        row.setting = entrySettingText(entry);
        row.wanted = entryValueText(entry);
        row.from = entry.from;
        const auto own = fileEntryFor(fileEntries, entry);
        const bool wantsTransparency = !entry.transparency.empty();
        row.current = currentText(file, own, entry, wantsTransparency);
        row.alreadyAtValue = trial.bytes() == bytes;
        if (entry.from) {
            const bool fromTransparency = entry.from->find('%') != std::string::npos;
            row.fromDiffers =
                !sameValue(entry, *entry.from, currentText(file, own, entry, fromTransparency));
        }
        row.ticked = !row.alreadyAtValue;
        review.rows.push_back(std::move(row));
    }
    return review;
}

std::string reviewRowText(const UiStrings& strings, const RecipeReviewRow& row) {
    return strings.format(UiString::RecipeReviewRow, {row.setting, row.current, row.wanted});
}

std::string reviewMarkText(const UiStrings& strings, const RecipeReviewRow& row) {
    if (row.alreadyAtValue)
        return strings.format(UiString::RecipeAlreadyAtValue, {row.current});
    if (row.fromDiffers && row.from)
        return strings.format(UiString::RecipeFromDiffers, {row.current, *row.from});
    return {};
}

std::string reviewTickName(const UiStrings& strings, const RecipeReviewRow& row) {
    std::string name =
        strings.format(UiString::RecipeReviewTickName, {row.setting, row.current, row.wanted});
    if (const std::string mark = reviewMarkText(strings, row); !mark.empty())
        name += "; " + mark;
    return name;
}

} // namespace vantrel
