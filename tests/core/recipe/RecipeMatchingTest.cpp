// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recipe/RecipeMatching.h"

#include "core/recipe/RecipeJson.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using Indices = std::vector<std::size_t>;

// A folder's file named by the ID takes its entries before a renamed copy of
// that type does; a recipe written when seems were file names still lands.
TEST(RecipeMatchingTest, AFolderPairsEachSeemByNameElseByTypeWithOneFileEach) {
    const Recipe recipe{{{"0032_0001", SettingKind::Switch, "K", "on", "", 0},
                         {"0d51_0001", SettingKind::Color, "M/B", "#000000", "", 0},
                         {"0A1C_0001", SettingKind::Volume, "M", "1", "", 0},
                         {"0032_0001", SettingKind::Switch, "L", "on", "", 0},
                         {"gone", SettingKind::Bytes, "", "00", "", 0}}};
    const RecipeIndex index(recipe);
    const FolderRecipeMatch match =
        matchRecipeToFolder(index, {{"/p/0032_0001 (1).seem", "0032_0001"},
                                    {"/p/0032_0001 (2).seem", "0032_0001"},
                                    {"/p/0d51_0001 (1).seem", "0d51_0001"},
                                    {"/p/0d51_0001.seem", "0d51_0001"},
                                    {"/p/0a1c_0001.bin", ""}});
    EXPECT_EQ(match.entriesByFile, (std::vector<Indices>{{0, 3}, {}, {}, {1}, {2}}));
    EXPECT_EQ(match.unmatched, std::vector<std::string>{"gone"});
}

TEST(RecipeMatchingTest, EntriesRecordTheValueTheyReplaceAndOldRecipesStillRead) {
    RecipeEntry volume{"0a1c_0001", SettingKind::Volume, "Ring", "6", "", 0};
    volume.from = "4";
    RecipeEntry colour{"0d51_0001", SettingKind::Color, "Menus/Back", "#FF8000", "50", 0};
    colour.from = "#000000 0%";
    const std::string json = recipeToJson({{volume, colour}});
    EXPECT_NE(json.find(R"("from":4)"), std::string::npos) << json;
    const RecipeParse reread = parseRecipe(json);
    ASSERT_TRUE(reread.ok());
    EXPECT_EQ(reread.recipe.entries, (std::vector<RecipeEntry>{volume, colour}));
    const RecipeParse old = parseRecipe(
        R"({"version": 1, "entries": [{"seem": "0032_0001", "switch": "K", "value": "on"}]})");
    ASSERT_TRUE(old.ok());
    EXPECT_FALSE(old.recipe.entries[0].from);
}

// Text pasted from a forum is refused as a file's bytes are, with the same words.
TEST(RecipeMatchingTest, PastedTextIsRefusedLikeAFile) {
    for (const std::string& text :
         {std::string("{\"version\": 1, \"entries\": [x]}"),
          std::string(R"({"version": 2, "entries": []})"),
          std::string(R"({"version": 1, "entries": [{"seem": "a", "volume": "M"}]})")}) {
        EXPECT_EQ(parseGivenRecipe(text).problems, parseRecipeBytes(text).problems);
        EXPECT_FALSE(parseGivenRecipe(text).ok()) << text;
    }
    std::string large = R"({"version": 1, "entries": [], "note": ")";
    large += std::string(kLargestGivenRecipe, ' ') + "\"}";
    EXPECT_EQ(parseGivenRecipe(large).problems,
              std::vector<std::string>{"too large to be a recipe (at most 1,048,576 bytes)"});
}

} // namespace
} // namespace vantrel
