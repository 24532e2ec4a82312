// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editors/ColorScheme.h"

#include "core/editors/ColorMath.h"
#include "core/editors/SchemeTitle.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {
namespace {

std::vector<std::string> cellTexts(const ByteGrid& grid, int from, int count) {
    std::vector<std::string> texts;
    for (int i = from; i < from + count; ++i)
        texts.push_back(grid.text(i));
    return texts;
}

class ColorSchemeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<std::uint8_t> bytes(0x48, 0);
        bytes[0x40] = 0xFF;
        bytes[0x43] = 0x80;
        grid.load(bytes);
    }

    ColorTree build(const std::string& xml) {
        EXPECT_TRUE(doc.loadFromString(xml).ok) << xml;
        return buildColorTree(doc.root(), grid);
    }

    XmlDocument doc;
    ByteGrid grid;
};

TEST_F(ColorSchemeTest, GroupsAndEntriesInDocumentOrder) {
    const ColorTree tree = build(R"(<seem type="color">
        <group ID="Screen"><c ID="Back" offset="40"/><c ID="Text" offset="1a"/></group>
        <group ID="Empty"/>
    </seem>)");
    EXPECT_TRUE(tree.complete);
    ASSERT_EQ(tree.groups.size(), 2u);
    EXPECT_EQ(tree.groups[0].key, "f_0");
    EXPECT_EQ(tree.groups[0].caption, "Screen");
    EXPECT_EQ(tree.groups[1].key, "f_1");
    ASSERT_EQ(tree.groups[0].entries.size(), 2u);
    EXPECT_EQ(tree.groups[0].entries[1].key, "c_1a");
    EXPECT_EQ(tree.groups[0].entries[1].caption, "Text");
    EXPECT_EQ(tree.groups[0].entries[1].offset, 0x1A);
}

TEST_F(ColorSchemeTest, UnusableEntriesAreSkippedAndTheRestKept) {
    const ColorTree tree = build(R"(<seem>
        <group ID="G">
          <c ID="ok" offset="40"/>
          <c ID="no offset"/>
          <c ID="not hex" offset="4Z"/>
          <c ID="runs past the end" offset="45"/>
          <c ID="far past the end" offset="FFFFFFFF"/>
          <c ID="same offset spelled otherwise" offset="040"/>
          <c ID="last cells" offset="44"/>
        </group>
    </seem>)");
    EXPECT_FALSE(tree.complete);
    ASSERT_EQ(tree.groups.size(), 1u);
    ASSERT_EQ(tree.groups[0].entries.size(), 2u);
    EXPECT_EQ(tree.groups[0].entries[0].caption, "ok");
    EXPECT_EQ(tree.groups[0].entries[1].caption, "last cells");

    ByteGrid tiny;
    tiny.load({1, 2});
    EXPECT_TRUE(buildColorTree(doc.root(), tiny).groups[0].entries.empty());
}

TEST_F(ColorSchemeTest, RolesPlaceEntriesOnTheScreenAndUnknownOnesAreReported) {
    ASSERT_TRUE(doc.loadFromString(R"(<seem>
        <group ID="G"><c ID="Back" offset="40" role="background"/>
          <c ID="Sky" offset="10" role="sky"/><c ID="Back 2" offset="20" role="background"/></group>
    </seem>)")
                    .ok);
    DefinitionProblems problems;
    const ColorTree tree = buildColorTree(doc.root(), grid, &problems);
    EXPECT_TRUE(tree.complete);
    ASSERT_EQ(tree.groups[0].entries.size(), 3u);
    EXPECT_EQ(roleOffset(tree, "background"), 0x40);
    EXPECT_FALSE(roleOffset(tree, "text"));
    EXPECT_EQ(tree.groups[0].entries[1].role, "");
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].text.find("\"sky\""), std::string::npos) << problems[0].text;
}

TEST_F(ColorSchemeTest, SelectingMovesTheBorderAndChangesNoText) {
    const std::vector<std::uint8_t> before = grid.bytes();
    selectColorEntry(grid, 0x40);
    const ColorRecord record = readColorRecord(grid, 0x40);
    EXPECT_EQ(record.red, 0xFF);
    EXPECT_EQ(record.green, 0);
    EXPECT_EQ(record.transparency, 0x80);
    for (int i = 0x40; i < 0x44; ++i)
        EXPECT_TRUE(grid.hasBorder(i)) << i;
    EXPECT_EQ(grid.currentCell(), 0x40);

    selectColorEntry(grid, 0x10);
    for (int i = 0x40; i < 0x44; ++i)
        EXPECT_FALSE(grid.hasBorder(i)) << i;
    EXPECT_TRUE(grid.hasBorder(0x13));
    EXPECT_EQ(grid.bytes(), before);

    // The previous entry may lie beyond a grid rebuilt for a shorter file.
    grid.setCurrentCell(0x46);
    grid.rebuild(0x20);
    selectColorEntry(grid, 0x04);
    EXPECT_TRUE(grid.hasBorder(0x07));
}

TEST_F(ColorSchemeTest, ColourAndTransparencyWrites) {
    writeColor(grid, 0x40, 0xFF, 0x80, 0x00);
    EXPECT_EQ(cellTexts(grid, 0x40, 4), (std::vector<std::string>{"FF", "80", "00", "80"}));
    writeTransparency(grid, 0x40, 0x0A);
    EXPECT_EQ(grid.text(0x43), "0A");
}

TEST(ColorMathTest, HexTextIsSixDigitsRedFirstAndReadsBack) {
    EXPECT_EQ(colorHexText({0xFF, 0, 0}), "#FF0000");
    EXPECT_EQ(colorHexText({0x0B, 0x3D, 0x5C}), "#0B3D5C");
    EXPECT_EQ(colorHexText({0, 0, 0}), "#000000");
    EXPECT_EQ(rgbFromHexText("#0B3D5C"), (Rgb{0x0B, 0x3D, 0x5C}));
    EXPECT_EQ(rgbFromHexText(" ff8000 "), (Rgb{0xFF, 0x80, 0x00}));
    for (const char* bad : {"", "#", "#FF", "#FF00000", "+FF000", "#GG0000", "# FF0000", "-1"})
        EXPECT_FALSE(rgbFromHexText(bad)) << bad;
}

TEST(ColorMathTest, TypedPercentages) {
    struct Case {
        const char* text;
        int byte;
        const char* corrected;
    };
    const Case cases[] = {
        {"50", 0x80, nullptr},    {"12.5", 0x20, nullptr}, {"", 0x00, nullptr},
        {"abc", 0x00, nullptr},   {"101", 0xFF, "100"},    {"-3", 0x00, "0"},
        {"100", 0xFF, nullptr},   {"49", 0x7D, nullptr},   {"0.2", 0x01, nullptr},
        {"1e300", 0x00, nullptr}, {"nan", 0x00, nullptr},  {"99999999999", 0xFF, "100"},
    };
    for (const Case& c : cases) {
        const TransparencyInput input = transparencyFromText(c.text);
        EXPECT_EQ(input.byte, c.byte) << c.text;
        EXPECT_EQ(input.correctedText.value_or("-"), c.corrected ? c.corrected : "-") << c.text;
    }
}

class SchemeTitleTest : public ::testing::Test {
  protected:
    void SetUp() override { grid.load(std::vector<std::uint8_t>(0x20, 0x11)); }
    ByteGrid grid;
};

TEST_F(SchemeTitleTest, ShortTitleIsPaddedWithZeroUnits) {
    EXPECT_EQ(writeSchemeTitle(grid, u"AB"), TitleWrite::Written);
    EXPECT_EQ(cellTexts(grid, 8, 10), (std::vector<std::string>{"00", "41", "00", "42", "00", "00",
                                                                "00", "00", "00", "00"}));
    EXPECT_EQ(grid.text(7), "11");
    EXPECT_EQ(grid.text(18), "11");
    EXPECT_EQ(readSchemeTitle(grid), u"AB");
}

TEST_F(SchemeTitleTest, FiveUnitsFillTheTitleAndSixChangeNothing) {
    EXPECT_EQ(writeSchemeTitle(grid, utf8ToUtf16("海洋ABC")), TitleWrite::Written);
    EXPECT_EQ(cellTexts(grid, 8, 4), (std::vector<std::string>{"6D", "77", "6D", "0B"}));
    EXPECT_EQ(grid.text(17), "43");
    EXPECT_EQ(readSchemeTitle(grid), u"海洋ABC");

    const std::vector<std::uint8_t> before = grid.bytes();
    EXPECT_EQ(writeSchemeTitle(grid, u"ABCDEF"), TitleWrite::TooLong);
    // A character beyond U+FFFF takes two units: these five characters make six.
    EXPECT_EQ(writeSchemeTitle(grid, utf8ToUtf16("ABC\U0001F600D")), TitleWrite::TooLong);
    EXPECT_EQ(grid.bytes(), before);
    EXPECT_EQ(writeSchemeTitle(grid, utf8ToUtf16("AB\U0001F600")), TitleWrite::Written);
    EXPECT_EQ(utf16ToUtf8(readSchemeTitle(grid)), "AB\U0001F600");
}

TEST_F(SchemeTitleTest, ReadStopsAtTheFirstZeroUnitAndShortFilesHaveNoTitle) {
    grid.load({0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x41, 0x00, 0x00, 0x00, 0x42, 0, 0, 0, 0});
    EXPECT_EQ(readSchemeTitle(grid), u"A");

    ByteGrid shortGrid;
    shortGrid.load(std::vector<std::uint8_t>(17, 0x41));
    EXPECT_EQ(readSchemeTitle(shortGrid), u"");
    EXPECT_EQ(writeSchemeTitle(shortGrid, u"A"), TitleWrite::NoRoom);
    EXPECT_EQ(shortGrid.text(8), "41");
}

TEST(Utf16Test, MalformedTextBecomesReplacementCharacters) {
    EXPECT_EQ(utf8ToUtf16("A\xFF"
                          "B"),
              u"A\uFFFDB");
    EXPECT_EQ(utf8ToUtf16("\xE6\xB5"), u"\uFFFD");
    EXPECT_EQ(utf16ToUtf8(u"\xD800"
                          u"A"),
              "\xEF\xBF\xBD"
              "A");
}

} // namespace
} // namespace vantrel
