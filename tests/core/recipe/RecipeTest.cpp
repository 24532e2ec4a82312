// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/SeemDocument.h"
#include "core/recipe/RecipeJson.h"
#include "core/recipe/RecipeSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

const std::filesystem::path dataDir{VANTREL_DATA_DIR};

class RecipeTest : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(document.loadDefinitions((dataDir / "seem_en.xml").string()).ok);
        ASSERT_EQ(document.open((dataDir / "samples" / GetParam()).string()).status,
                  OpenOutcome::Status::Opened);
    }

    RecipeTarget file() const { return {document.type(), document.typeName(), document.grid()}; }

    // The bytes a recipe gives when written into start.
    Bytes applied(const Recipe& recipe, const Bytes& start,
                  std::vector<std::string>* problems = nullptr) const {
        ByteGrid grid;
        grid.load(start);
        auto found = applyRecipeEntries(document.type(), document.typeName(), grid, recipe.entries);
        if (problems != nullptr)
            *problems = std::move(found);
        return grid.bytes();
    }

    SeemDocument document;
};

TEST_P(RecipeTest, ExportThroughJsonRebuildsTheFileFromAnyBlank) {
    const Recipe exported = exportRecipe(file(), "x", true);
    const RecipeParse reread = parseRecipe(recipeToJson(exported));
    ASSERT_TRUE(reread.ok()) << reread.problems.front();
    EXPECT_EQ(reread.recipe.entries, exported.entries);
    const Bytes& original = document.savedBytes();
    for (std::uint8_t fill : {0x00, 0xFF, 0x5A})
        EXPECT_EQ(applied(reread.recipe, Bytes(original.size(), fill)), original);
}

TEST_P(RecipeTest, RecipeBetweenTwoFilesTurnsTheFirstIntoTheSecond) {
    const Bytes& original = document.savedBytes();
    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        Bytes changed = original;
        for (int edits = 1 + round % 4; edits > 0; --edits)
            changed[random() % changed.size()] ^= static_cast<std::uint8_t>(1u << (random() % 8));
        ByteGrid theirs;
        theirs.load(changed);
        Recipe recipe;
        ASSERT_TRUE(
            recipeBetween(file(), {document.type(), document.typeName(), theirs}, "x", recipe));
        const RecipeParse reread = parseRecipe(recipeToJson(recipe));
        ASSERT_TRUE(reread.ok());
        const Bytes once = applied(reread.recipe, original);
        EXPECT_EQ(once, changed);
        EXPECT_EQ(applied(reread.recipe, once), changed);
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, RecipeTest,
                         ::testing::Values("0032_0001.seem", "004a_0001.seem", "0061_0001.seem",
                                           "01a8_0001.seem", "0a1c_0001.seem", "0d51_0001.seem"));

class RecipeEntriesTest : public RecipeTest {};

TEST_P(RecipeEntriesTest, OneBadEntryWritesNothingAndEveryProblemNamesItsEntry) {
    const Recipe recipe{{{"v", SettingKind::Volume, "Microphone", "6", "", 0},
                         {"v", SettingKind::Switch, "Keys/Sound", "off", "", 0},
                         {"v", SettingKind::Volume, "Loudness", "3", "", 0},
                         {"v", SettingKind::Volume, "Microphone", "9", "", 0},
                         {"v", SettingKind::Volume, "Microphone", "x", "", 0},
                         {"v", SettingKind::Bytes, "", "00 11", "", 23},
                         {"v", SettingKind::Bytes, "", "0G", "", 0}}};
    std::vector<std::string> problems;
    EXPECT_EQ(applied(recipe, document.savedBytes(), &problems), document.savedBytes());
    ASSERT_EQ(problems.size(), 6u);
    EXPECT_NE(problems[0].find("switch Keys/Sound"), std::string::npos);
    EXPECT_NE(problems[0].find("function files"), std::string::npos);
    EXPECT_NE(problems[1].find("Loudness"), std::string::npos);
    EXPECT_NE(problems[2].find("0..8"), std::string::npos);
    EXPECT_NE(problems[4].find("past the end"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Volume, RecipeEntriesTest, ::testing::Values("0a1c_0001.seem"));

TEST(RecipeJsonTest, MalformedRecipesAreRefusedWithTheirFaults) {
    EXPECT_EQ(parseRecipe("[1, 2").problems.size(), 1u);
    EXPECT_EQ(parseRecipe(R"({"version": 2, "entries": []})").problems.size(), 1u);
    EXPECT_EQ(parseRecipe(std::string(10000, '[') + std::string(10000, ']')).problems.size(), 1u);
    const RecipeParse parse = parseRecipe(R"({"version": 1, "entries": [
        {"seem": "a", "switch": "K/S", "value": "on"},
        {"seem": "a", "switch": "K/S", "style": "x", "value": "on"},
        {"seem": "a", "volume": "M"},
        {"seem": "a", "bytes": "00", "offset": -1},
        {"seem": "a", "title": "T", "colour": 1}]})");
    ASSERT_EQ(parse.problems.size(), 4u);
    EXPECT_EQ(parse.problems[0].rfind("entry 2:", 0), 0u);
    EXPECT_EQ(parse.recipe.entries.size(), 1u);
}

// Nesting is measured exactly, outside strings only.
TEST(RecipeJsonTest, NestingIsRefusedOnlyPastTheLimit) {
    const auto withNote = [](const std::string& note) {
        return parseRecipe(R"({"version": 1, "entries": [], "note": )" + note + "}");
    };
    const auto arrays = [](int depth) {
        return std::string(static_cast<std::size_t>(depth), '[') +
               std::string(static_cast<std::size_t>(depth), ']');
    };
    EXPECT_TRUE(withNote(arrays(kDeepestRecipe - 1)).ok());
    const RecipeParse deeper = withNote(arrays(kDeepestRecipe));
    ASSERT_EQ(deeper.problems.size(), 1u);
    EXPECT_EQ(deeper.problems[0], "nested too deeply to be a recipe");
    EXPECT_TRUE(withNote(R"("\"[[[[[[[[[[{{{{{{{{{{")").ok());
}

TEST(RecipeJsonTest, AKeyGivenTwiceIsRefusedWithWhereItIs) {
    EXPECT_EQ(parseRecipe(R"({"version": 1, "entries": [
        {"seem": "a", "switch": "K/S", "value": "on"},
        {"seem": "a", "switch": "K/S", "value": "on", "value": "off"}]})")
                  .problems,
              std::vector<std::string>{"\"value\" is given twice in entry 2"});
    EXPECT_EQ(parseRecipe(R"({"version": 1, "entries": [], "version": 1})").problems,
              std::vector<std::string>{"\"version\" is given twice in the recipe"});
    EXPECT_EQ(
        parseRecipe(R"({"version": 1, "entries": [], "note": [0, {"a": 1, "a": 2}]})").problems,
        std::vector<std::string>{"\"a\" is given twice in /note/1"});
}

// UTF-8 with or without its mark and UTF-16 with one read alike; what cannot
// be told apart or is not whole is refused.
TEST(RecipeJsonTest, RecipeBytesAreUtf8OrUtf16WithAByteOrderMark) {
    const std::u16string text = u"{\"version\": 1, \"entries\": [{\"seem\": \"0d51_0001\", "
                                u"\"title\": \"\u00C4\U0001D11E\"}]}";
    const std::string utf8 = "{\"version\": 1, \"entries\": [{\"seem\": \"0d51_0001\", \"title\": "
                             "\"\xC3\x84\xF0\x9D\x84\x9E\"}]}";
    const auto utf16 = [&](bool bigEndian) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char16_t unit : text) {
            const char high = static_cast<char>(unit >> 8);
            const char low = static_cast<char>(unit & 0xFF);
            bytes += bigEndian ? std::string{high, low} : std::string{low, high};
        }
        return bytes;
    };
    for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8, utf16(false), utf16(true)}) {
        const RecipeParse parse = parseRecipeBytes(bytes);
        ASSERT_TRUE(parse.ok()) << parse.problems.front();
        EXPECT_EQ(parse.recipe.entries.at(0).value, "\xC3\x84\xF0\x9D\x84\x9E");
    }
    const std::string bare = utf16(false).substr(2);
    const std::string cut = utf16(false).substr(0, utf16(false).size() - 1);
    std::string lone = utf16(true);
    lone[lone.size() - 2] = '\xD8'; // "}" becomes a surrogate without its partner
    const std::string utf32{"\xFF\xFE\0\0{\0\0\0", 8};
    for (const std::string& bytes : {bare, cut, lone, utf32}) {
        const RecipeParse parse = parseRecipeBytes(bytes);
        ASSERT_EQ(parse.problems.size(), 1u);
        EXPECT_EQ(parse.problems[0].find("not valid JSON"), std::string::npos) << parse.problems[0];
    }
}

TEST(RecipeJsonTest, EntriesMeetTheirFileBySeemIdIgnoringCase) {
    const Recipe recipe{{{"0032_0001", SettingKind::Switch, "K", "on", "", 0},
                         {"0A1C_0001", SettingKind::Volume, "M", "1", "", 0}}};
    EXPECT_EQ(entriesForFile(recipe, "/x/0a1c_0001.bin", false).size(), 1u);
    EXPECT_TRUE(entriesForFile(recipe, "/x/renamed.seem", true).empty());
    const Recipe single{{recipe.entries[0]}};
    EXPECT_TRUE(entriesForFile(single, "/x/renamed.seem", false).empty());
    EXPECT_EQ(entriesForFile(single, "/x/renamed.seem", true).size(), 1u);
}

} // namespace
} // namespace vantrel
