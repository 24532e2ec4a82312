// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/editors/SettingKind.h"

#include <optional>
#include <string>
#include <vector>

// A recipe: settings named by seem ID and setting path with the wanted value,
// so a set of changes can be read, edited by hand and replayed on other files.
namespace vantrel {

struct RecipeEntry {
    // The ID of the file's type in the definitions, e.g. "0032_0001"; for a
    // file no type matches, its name without folder and extension.
    std::string seem;
    SettingKind kind = SettingKind::Bytes;
    // The switch path ("Keys/Sound"), the style or volume ID, the colour's
    // "Group/Entry"; for GPRS the mode ("date", "nothing", "text"); else "".
    std::string path;
    // "on"/"off", a volume position, "#RRGGBB", the title, outer or GPRS text,
    // or for bytes the hex bytes "A5 00 1F".
    std::string value;
    std::string transparency; // colours: a percentage; "" leaves it alone
    int offset = 0;           // bytes only
    // The value this entry replaced where the recipe was made, in the words
    // entryValueText gives ("on", "6", "#FF8000 50%"); unknown when absent.
    std::optional<std::string> from = std::nullopt;

    bool operator==(const RecipeEntry&) const = default;
};

struct Recipe {
    std::vector<RecipeEntry> entries;
};

inline constexpr int kRecipeVersion = 1;
// The identifier of the schema shipped with the data as recipe-1.schema.json.
inline constexpr const char* kRecipeSchema = "urn:vantrel:schema:recipe-1";

// The seem ID of a file name: the name without folder and extension.
[[nodiscard]] std::string seemIdOfPath(const std::string& path);

// The entries of recipe meant for the file at path: those whose seem is the
// file's name stem (case-insensitive). With anyName, a recipe about one seem
// only also fits a file of another name, so a renamed copy can take it.
// Matching by the file's type ID is matchRecipeToFile (RecipeMatching.h).
[[nodiscard]] std::vector<RecipeEntry> entriesForFile(const Recipe& recipe, const std::string& path,
                                                      bool anyName);

} // namespace vantrel
