// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/find/FindSession.h"

#include "core/session/EditingSession.h"

#include <gtest/gtest.h>

using namespace vantrel;

namespace {

class FindSessionTest : public ::testing::Test {
  protected:
    void open(const std::string& sample) {
        ASSERT_FALSE(session.loadDefinitions(std::string(VANTREL_DATA_DIR) + "/seem_en.xml"));
        ASSERT_TRUE(session.open(std::string(VANTREL_DATA_DIR) + "/samples/" + sample).opened);
    }
    [[nodiscard]] std::string status() const {
        return session.finder().status().text(session.strings());
    }

    LanguageFile language;
    MemorySettingsStore settings;
    EditingSession session{language, settings};
};

TEST_F(FindSessionTest, HexBytesTakeBlanksAnyCaseAndWildcardsAndMoveTheCursorToTheMatch) {
    open("0032_0001.seem");
    session.find(FindMode::HexBytes, " a5 ??00");
    EXPECT_EQ(session.finder().state(), FindState::Found);
    EXPECT_EQ(session.finder().currentCells(), (CellRange{0x1A, 3}));
    EXPECT_EQ(session.grid().currentCell(), 0x1A);
    EXPECT_EQ(status(), "1 of 1");
}

// The byte being typed narrows the search by its first digit, as a text
// search narrows letter by letter, instead of being refused at every other key.
TEST(BytePattern, ALoneLastDigitMatchesTheBytesItBegins) {
    const std::vector<std::uint8_t> bytes{0xA5, 0x0F, 0xA5, 0x10, 0xA5};
    EXPECT_EQ(findPattern(bytes, parseHexPattern("a5 0").pattern),
              (std::vector<CellRange>{{0, 2}}));
    EXPECT_EQ(findPattern(bytes, parseHexPattern("A5 ? ").pattern),
              (std::vector<CellRange>{{0, 2}, {2, 2}}));
    EXPECT_EQ(findPattern(bytes, parseHexPattern("A").pattern).size(), 3U);
}

TEST_F(FindSessionTest, NextAndPreviousWrapWithANoteFromWhereTheCursorStood) {
    open("0032_0001.seem");
    session.focusCell(0x21);
    session.find(FindMode::HexBytes, "03"); // at 20, 21 and 2D
    EXPECT_EQ(status(), "2 of 3");
    EXPECT_FALSE(session.finder().note());
    ASSERT_TRUE(session.findNext());
    EXPECT_EQ(session.grid().currentCell(), 0x2D);
    ASSERT_TRUE(session.findNext());
    EXPECT_EQ(session.grid().currentCell(), 0x20);
    EXPECT_EQ(status(), "1 of 3");
    ASSERT_TRUE(session.finder().note());
    EXPECT_EQ(session.finder().note()->id, UiString::FindWrappedToStart);
    ASSERT_TRUE(session.findPrevious());
    EXPECT_EQ(session.finder().note()->id, UiString::FindWrappedToEnd);
    EXPECT_EQ(status(), "3 of 3");
    // Past the last match a new search starts over at the first.
    session.focusCell(0x2E);
    session.find(FindMode::HexBytes, "03");
    EXPECT_EQ(status(), "1 of 3");
    EXPECT_EQ(session.finder().note()->id, UiString::FindWrappedToStart);
}

TEST_F(FindSessionTest, TextIsFoundAsAsciiOrAsTheGeneratorsStoreIt) {
    open("0061_0001.seem"); // "MOTO" in UTF-16, high byte first
    session.find(FindMode::AsciiText, "MOTO");
    EXPECT_EQ(session.finder().state(), FindState::NotFound);
    EXPECT_EQ(status(), "Not found.");
    session.find(FindMode::Utf16Text, "MOTO");
    EXPECT_EQ(session.finder().currentCells(), (CellRange{0, 8}));
    session.find(FindMode::AsciiText, "O");
    EXPECT_EQ(session.finder().matchCount(), 2);
}

TEST_F(FindSessionTest, ASettingInAClosedFolderComesWithTheFoldersToOpenAndItsCellsMarked) {
    open("0032_0001.seem");
    session.find(FindMode::Settings, "TIMER");
    ASSERT_EQ(session.finder().matchCount(), 2);
    ASSERT_TRUE(session.findNext());
    const SettingMatch* match = session.finder().currentSetting();
    ASSERT_TRUE(match);
    EXPECT_EQ(match->path, "Calls/Call Timer/Show Timer During Calls");
    EXPECT_EQ(match->value, "on");
    const FunctionNode* calls = session.model().functions.children.size() > 1
                                    ? &session.model().functions.children[1]
                                    : nullptr;
    ASSERT_TRUE(calls);
    EXPECT_EQ(match->folders, (std::vector<std::string>{std::string(kFunctionRootKey), calls->key,
                                                        calls->children[0].key}));
    EXPECT_NE(session.model().switchByKey(match->key), nullptr);
    EXPECT_TRUE(session.grid().hasBorder(0x20));
    EXPECT_EQ(session.grid().currentCell(), 0x20);

    // A description counts as much as a name.
    session.find(FindMode::Settings, "beeps softly");
    ASSERT_TRUE(session.finder().currentSetting());
    EXPECT_EQ(session.finder().currentSetting()->path, "Calls/Call Timer/Minute Beep");
}

TEST_F(FindSessionTest, SettingsOfEveryEditorAreFoundWithTheirValues) {
    open("0a1c_0001.seem");
    session.find(FindMode::Settings, "microphone");
    ASSERT_TRUE(session.finder().currentSetting());
    EXPECT_EQ(session.finder().currentSetting()->key, volumeKey(2));
    EXPECT_EQ(session.finder().currentSetting()->path, "Microphone");
    open("0d51_0001.seem");
    session.find(FindMode::Settings, "main screen"); // a group's name finds its entries
    EXPECT_EQ(session.finder().matchCount(), 4);
    EXPECT_EQ(session.finder().currentSetting()->cellCount, kColorRecordBytes);
    EXPECT_EQ(session.finder().currentSetting()->value.front(), '#');
    open("004a_0001.seem");
    session.find(FindMode::Settings, "power-off");
    ASSERT_TRUE(session.finder().currentSetting());
    EXPECT_EQ(session.finder().currentSetting()->kind, SettingKind::Style);
}

TEST_F(FindSessionTest, OddInputIsAStateOrARefusalNeverAMatchEverywhere) {
    open("0032_0001.seem");
    for (const char* empty : {"", "   "}) {
        session.find(FindMode::HexBytes, empty);
        EXPECT_EQ(session.finder().state(), FindState::Empty) << empty;
        EXPECT_EQ(session.finder().status().id, UiString::FindTypeSomething);
    }
    session.find(FindMode::Settings, "");
    EXPECT_EQ(session.finder().state(), FindState::Empty);

    const std::pair<const char*, UiString> refusals[] = {
        {"A 50", UiString::FindHexOddDigits}, {"?", UiString::FindOnlyWildcards},
        {"A5 G0", UiString::FindHexBadDigit}, {"?? ??", UiString::FindOnlyWildcards},
        {"??", UiString::FindOnlyWildcards},  {"0x1A", UiString::FindHexBadDigit},
    };
    for (const auto& [text, problem] : refusals) {
        session.find(FindMode::HexBytes, text);
        EXPECT_EQ(session.finder().state(), FindState::Refused) << text;
        EXPECT_EQ(session.finder().status().id, problem) << text;
        EXPECT_TRUE(session.finder().cellMatches().empty());
    }
    session.find(FindMode::AsciiText, "café");
    EXPECT_EQ(session.finder().status().id, UiString::FindNotAscii);

    // Outside the basic plane the text takes a surrogate pair.
    EXPECT_EQ(encodeTextPattern("\xF0\x9F\x98\x80", FindMode::Utf16Text).pattern,
              (BytePattern{0xD8, 0x3D, 0xDE, 0x00}));
    // A pattern longer than the file, and a cell half typed, match nothing.
    EXPECT_TRUE(findPattern(std::vector<std::uint8_t>{0xA5}, BytePattern{0xA5, 0x00}).empty());
    ByteGrid grid;
    grid.load({0x0A, 0x0A});
    grid.setText(0, "");
    EXPECT_EQ(findPattern(grid, {kAnyByte, 0x0A}), std::vector<CellRange>{});
    EXPECT_EQ(findPattern(grid, {0x0A}), (std::vector<CellRange>{{1, 1}}));
}

TEST_F(FindSessionTest, AnEditFindsAgainAndKeepsThePlace) {
    open("0032_0001.seem");
    session.find(FindMode::HexBytes, "A4");
    EXPECT_EQ(session.finder().state(), FindState::NotFound);
    ASSERT_FALSE(session.setSwitch(session.model().functions.children[0].children[0].key, false));
    EXPECT_EQ(session.finder().currentCells(), (CellRange{0x1A, 1}));
    session.undo();
    EXPECT_EQ(session.finder().state(), FindState::NotFound);
}

} // namespace
