// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/recipe/Recipe.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Recipes as JSON text: one entry a line, so a person can read and edit them.
namespace vantrel {

[[nodiscard]] std::string recipeToJson(const Recipe& recipe);

struct RecipeParse {
    Recipe recipe;
    // Every fault found, "entry 3: no value"; empty when the recipe is sound.
    std::vector<std::string> problems;

    [[nodiscard]] bool ok() const { return problems.empty(); }
};

// Arrays and objects nested deeper than this are no recipe; refusing them
// before parsing keeps the parser's recursion bounded.
inline constexpr int kDeepestRecipe = 8;

// text: UTF-8 JSON. A key given twice in one object is refused with where.
[[nodiscard]] RecipeParse parseRecipe(std::string_view text);

// A recipe file's raw bytes, read as decodeRecipeBytes reads them (UTF-16
// with a byte-order mark included), then parsed: what every face that reads
// a recipe file calls.
[[nodiscard]] RecipeParse parseRecipeBytes(std::string_view bytes);

// The most a face takes as a recipe it was handed, a file's bytes or text
// pasted from a forum: a recipe of every setting of every file is far less.
inline constexpr std::size_t kLargestGivenRecipe = 1024 * 1024;

// A recipe handed over by a face: a chosen file's bytes or pasted text (UTF-8
// text is its own bytes). Refused alike, with the same messages: over
// kLargestGivenRecipe, not text, malformed, of another schema, or with faulty
// entries, each named.
[[nodiscard]] RecipeParse parseGivenRecipe(std::string_view bytes);

// Reads and parses a recipe file; a file that cannot be read is one problem.
// Recipes are small: anything over a few megabytes is refused unread.
[[nodiscard]] RecipeParse readRecipeFile(const std::string& path);

} // namespace vantrel
