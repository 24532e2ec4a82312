// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ByteGrid.h"
#include "core/recipe/Recipe.h"
#include "core/xml/XmlDocument.h"

#include <string>
#include <vector>

// Recipes read from and written into a file's cells through the editors' own
// functions, so a recipe changes exactly what the editor would.
namespace vantrel {

// A file as the recipe functions see it: its matched type (null when none),
// that type's lower-case name and its cells.
struct RecipeTarget {
    XmlElement type;
    std::string typeName;
    const ByteGrid& grid;
};

// Every setting of the file whose path names exactly one item, with its
// current value, in the editor's order.
[[nodiscard]] std::vector<RecipeEntry> readSettingEntries(const RecipeTarget& file,
                                                          const std::string& seem);

// Writes the entries in order. Every entry is tried on a copy first; when any
// fails (wrong type, a path that names no item or several, a value out of
// range) grid is left untouched and every problem is returned, each naming
// its entry.
[[nodiscard]] std::vector<std::string> applyRecipeEntries(const XmlElement& type,
                                                          const std::string& typeName,
                                                          ByteGrid& grid,
                                                          const std::vector<RecipeEntry>& entries);

// The recipe of the file's settings. With withBytes it turns any file of the
// same type and size into this one: the bytes the settings do not set follow.
[[nodiscard]] Recipe exportRecipe(const RecipeTarget& file, const std::string& seem,
                                  bool withBytes = false);

// The recipe that turns ours into theirs: the settings whose values differ,
// then the bytes still different after them, each entry with the value it
// replaces as "from". Files of different types are taken byte by byte. Files
// of different sizes give nothing and false.
[[nodiscard]] bool recipeBetween(const RecipeTarget& ours, const RecipeTarget& theirs,
                                 const std::string& seem, Recipe& recipe);

// An entry's value in words, as a review shows it and "from" records it:
// "on", "6", "#FF8000 50%", a title or text, hex bytes; GPRS "date" or its text.
[[nodiscard]] std::string entryValueText(const RecipeEntry& entry);

// The setting an entry names, as a review lists it: the switch, style, volume
// or colour's path, "title", "outertext", "gprs", or "bytes at 23".
[[nodiscard]] std::string entrySettingText(const RecipeEntry& entry);

// "0032_0001 switch Keys/Sound = off", for lists and problems.
[[nodiscard]] std::string describeEntry(const RecipeEntry& entry);

} // namespace vantrel
