// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempDir.h"
#include "core/recipe/RecipeJson.h"
#include "core/session/EditingSession.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace vantrel;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A function file of 4 bytes: byte 3 no setting describes.
constexpr const char* kRecipeDefinitions = R"(<seems>
  <seem ID="0032_0001" size="4" tip="Functions" type="function">
    <item ID="Keys" offset="0" bit="7">
      <item ID="Sound" offset="0" bit="1"/>
      <item ID="Light" offset="1" bit="0"/>
    </item>
    <item ID="Calls"><item ID="Vibrate" offset="2" bit="3"/></item>
  </seem>
  <seem ID="0d51_0001" size="20" tip="Colours" type="color">
    <group ID="Menus"><item ID="Back" offset="0"/><item ID="Text" offset="4"/></group>
  </seem>
</seems>)";

class SessionRecipesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(session.loadDefinitionsText(kRecipeDefinitions, "defs.xml"));
    }

    void open(const Bytes& bytes, const std::string& name = "0032_0001.seem") {
        const std::string path = dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(session.open(path).opened);
    }

    void setSwitch(const std::string& path, bool on) {
        const std::vector<std::string> keys =
            SettingNameIndex(session.model()).keysNamed(SettingKind::Switch, path);
        ASSERT_EQ(keys.size(), 1u) << path;
        ASSERT_FALSE(session.setSwitch(keys.front(), on));
    }

    static Recipe recipeOf(const std::string& json) {
        const RecipeParse parse = parseRecipe(json);
        EXPECT_TRUE(parse.ok()) << parse.problems.front();
        return parse.recipe;
    }

    vantrel::testing::TempDir dir;
    LanguageFile language;
    MemorySettingsStore settings;
    EditingSession session{language, settings};
};

// Export Changes carries what the user changed, not every setting, and
// keeps it through a save; a typed cell no setting describes is named.
TEST_F(SessionRecipesTest, ChangesSinceOpeningAreWhatTheUserChangedThroughSaves) {
    open({0x80, 0x00, 0x08, 0x00});
    setSwitch("Keys/Sound", true);
    ASSERT_EQ(session.save().status, SaveResult::Status::Saved);
    setSwitch("Calls/Vibrate", false);
    session.focusCell(3);
    (void)session.typeCharacter('7');
    (void)session.typeCharacter('F');

    const RecipeChanges changes = session.changesSinceOpen();
    ASSERT_EQ(changes.recipe.entries.size(), 2u);
    EXPECT_EQ(changes.recipe.entries[0].path, "Keys/Sound");
    EXPECT_EQ(changes.recipe.entries[0].value, "on");
    EXPECT_EQ(changes.recipe.entries[0].from, "off");
    EXPECT_EQ(changes.recipe.entries[1].path, "Calls/Vibrate");
    EXPECT_EQ(changes.recipe.entries[1].from, "on");
    EXPECT_EQ(changes.uncarriedCells, std::vector<int>{3});
    EXPECT_EQ(uncarriedCellsMessage(changes)->args, std::vector<std::string>{"3"});

    ASSERT_TRUE(session.reload(OpenReason::Reload).opened);
    EXPECT_TRUE(session.changesSinceOpen().recipe.entries.empty()) << "reading again starts anew";
}

// A browser's second download of a file is "0032_0001 (1).seem": recipes name its type.
TEST_F(SessionRecipesTest, ARenamedCopyIsNamedByItsTypeId) {
    open({0x80, 0x00, 0x08, 0x00}, "0032_0001 (1).seem");
    setSwitch("Keys/Light", true);
    EXPECT_EQ(session.changesSinceOpen().recipe.entries.at(0).seem, "0032_0001");
    EXPECT_EQ(session.settingsRecipe().entries.at(0).seem, "0032_0001");
    open(Bytes(3), "odd.seem");
    EXPECT_EQ(session.recipeSeemId(), "odd") << "no type: the name stands in";
}

// The review lets an entry be left out, marks where this phone differs from
// the recipe's author, unticks what is there already, and applies one step.
TEST_F(SessionRecipesTest, TheReviewMarksEachEntryAndAppliesOnlyTheChosenAsOneStep) {
    open({0x80, 0x00, 0x08, 0x00}, "phone b.seem");
    const Recipe recipe = recipeOf(R"({"version": 1, "entries": [
        {"seem": "0032_0001", "switch": "Keys/Sound", "value": "on", "from": "off"},
        {"seem": "0032_0001", "switch": "Keys/Light", "value": "on", "from": "on"},
        {"seem": "0032_0001", "switch": "Calls/Vibrate", "value": "on", "from": "off"}]})");
    const RecipeReview review = session.reviewRecipe(recipe);
    ASSERT_TRUE(review.canApply());
    ASSERT_EQ(review.rows.size(), 3u);
    EXPECT_TRUE(review.rows[0].ticked);
    EXPECT_FALSE(review.rows[0].fromDiffers);
    EXPECT_TRUE(review.rows[1].fromDiffers);
    EXPECT_TRUE(review.rows[2].alreadyAtValue);
    EXPECT_FALSE(review.rows[2].ticked);
    const UiStrings& strings = session.strings();
    EXPECT_EQ(reviewRowText(strings, review.rows[1]), "Keys/Light: off → on");
    EXPECT_EQ(reviewMarkText(strings, review.rows[1]),
              "this phone has off; the recipe was made from on");
    EXPECT_EQ(reviewTickName(strings, review.rows[0]),
              "Keys/Sound: this file has off, the recipe sets on");

    const Bytes before = session.grid().bytes();
    EXPECT_TRUE(session.applyReviewed(review, {1}).empty());
    EXPECT_EQ(session.grid().bytes(), (Bytes{0x80, 0x01, 0x08, 0x00})) << "Keys/Sound left out";
    session.undo();
    EXPECT_EQ(session.grid().bytes(), before) << "one undo step";
}

TEST_F(SessionRecipesTest, ARecipeForAnotherTypeOrWithABadEntryIsRefusedAndChangesNothing) {
    const Recipe functions = recipeOf(
        R"({"version": 1, "entries": [{"seem": "0032_0001", "switch": "Keys", "value": "on"}]})");
    for (const char* name : {"colours.seem", "0032_0001.seem"}) {
        open(Bytes(20), name);
        const RecipeReview wrong = session.reviewRecipe(functions);
        ASSERT_TRUE(wrong.refusal) << name;
        EXPECT_EQ(wrong.refusal->id, UiString::RecipeWrongType);
        EXPECT_EQ(wrong.refusal->args[1], "0032_0001");
        EXPECT_EQ(wrong.refusal->args[2], "0d51_0001");
    }
    const RecipeReview bad = session.reviewRecipe(recipeOf(R"({"version": 1, "entries": [
        {"seem": "0d51_0001", "color": "Menus/Back", "value": "#FF0000"},
        {"seem": "0d51_0001", "color": "Menus/Nope", "value": "#FF0000"}]})"));
    ASSERT_EQ(bad.refused.size(), 1u);
    EXPECT_EQ(bad.refused[0].rfind("entry 2: 0d51_0001 color Menus/Nope", 0), 0u) << bad.refused[0];
    EXPECT_FALSE(session.applyReviewed(bad, {0}).empty());
    EXPECT_EQ(session.grid().bytes(), Bytes(20));
}

} // namespace
