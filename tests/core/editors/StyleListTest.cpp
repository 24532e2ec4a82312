// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editors/StyleList.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {
namespace {

class StyleListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<std::uint8_t> bytes(0x20, 0);
        bytes[0x10] = 0x1A;
        bytes[0x11] = 0x0C;
        bytes[0x12] = 0x02;
        grid.load(bytes);
    }

    StyleRows build(const std::string& xml) {
        XmlDocument doc;
        EXPECT_TRUE(doc.loadFromString(xml).ok) << xml;
        return buildStyleRows(doc.root(), grid);
    }

    static std::vector<std::string> keysOf(const StyleRows& result) {
        std::vector<std::string> keys;
        for (const StyleRow& row : result.rows)
            keys.push_back(row.key);
        return keys;
    }

    ByteGrid grid;
};

TEST_F(StyleListTest, RowIsCheckedWhenTheByteEqualsVal1) {
    const std::vector<std::uint8_t> before = grid.bytes();
    const StyleRows result = build(R"(<seem type="style">
        <i ID="Big clock" offset="10" val1="1A" val2="00" tip="shows a big clock"/>
        <i ID="Short val1" offset="11" val1="C" val2="0"/>
        <i ID="Lower case" offset="10" val1="1a" val2="0"/>
        <i ID="Off" offset="0" val1="01" val2="00"/>
    </seem>)");
    ASSERT_TRUE(result.complete);
    ASSERT_EQ(result.rows.size(), 4u);
    const StyleRow& clock = result.rows[0];
    EXPECT_EQ(clock.key, "10_1A_00");
    EXPECT_EQ(clock.text, "Big clock");
    EXPECT_EQ(clock.tip, "shows a big clock");
    EXPECT_EQ(clock.offset, 16);
    EXPECT_TRUE(clock.checked);
    EXPECT_TRUE(result.rows[1].checked);
    EXPECT_TRUE(result.rows[2].checked);
    EXPECT_FALSE(result.rows[3].checked);
    EXPECT_EQ(result.rows[3].tip, "");
    EXPECT_EQ(grid.bytes(), before);
}

TEST_F(StyleListTest, ChecksWriteTheValuesAsSpelled) {
    StyleRows result = build(R"(<seem>
        <i ID="Clock" offset="10" val1="1A" val2="00"/>
        <i ID="Short" offset="11" val1="c" val2="1"/>
    </seem>)");
    ASSERT_EQ(result.rows.size(), 2u);
    StyleRow& clock = result.rows[0];
    applyCheck(grid, clock, false);
    EXPECT_EQ(grid.text(0x10), "00");
    EXPECT_FALSE(clock.checked);
    applyCheck(grid, clock, true);
    EXPECT_EQ(grid.text(0x10), "1A");

    StyleRow& shortRow = result.rows[1];
    applyCheck(grid, shortRow, false);
    EXPECT_EQ(grid.text(0x11), "1");
    EXPECT_EQ(grid.value(0x11), 0x01);
    applyCheck(grid, shortRow, true);
    EXPECT_EQ(grid.text(0x11), "c");
    EXPECT_EQ(grid.bytes()[0x11], 0x0C);
}

TEST_F(StyleListTest, RowsSharingAnOffsetAreIndependent) {
    StyleRows result = build(R"(<seem>
        <i ID="One" offset="12" val1="01" val2="00"/>
        <i ID="Two" offset="12" val1="02" val2="00"/>
    </seem>)");
    ASSERT_EQ(result.rows.size(), 2u);
    EXPECT_FALSE(result.rows[0].checked);
    EXPECT_TRUE(result.rows[1].checked);

    applyCheck(grid, result.rows[0], true);
    EXPECT_EQ(grid.text(0x12), "01");
    EXPECT_TRUE(result.rows[1].checked);
}

TEST_F(StyleListTest, DuplicateKeyStopsAndKeepsTheRowsBefore) {
    const StyleRows result = build(R"(<seem>
        <i ID="A" offset="10" val1="1A" val2="00"/>
        <i ID="B" offset="11" val1="01" val2="00"/>
        <i ID="A again" offset="10" val1="1A" val2="00"/>
        <i ID="After" offset="12" val1="01" val2="00"/>
    </seem>)");
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(keysOf(result), (std::vector<std::string>{"10_1A_00", "11_01_00"}));
}

TEST_F(StyleListTest, DifferentSpellingIsADifferentKey) {
    const StyleRows result = build(R"(<seem>
        <i ID="A" offset="10" val1="1A" val2="00"/>
        <i ID="B" offset="10" val1="1a" val2="00"/>
    </seem>)");
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.rows.size(), 2u);
}

TEST_F(StyleListTest, ItemsThatCannotBeRowsStopTheList) {
    const std::string good = R"(<i ID="Good" offset="10" val1="1A" val2="00"/>)";
    const std::vector<std::string> bad = {
        R"(<i ID="Beyond" offset="20" val1="01" val2="00"/>)",
        R"(<i ID="No offset" val1="01" val2="00"/>)",
        R"(<i ID="Not hex" offset="1G" val1="01" val2="00"/>)",
        R"(<i ID="Empty offset" offset="" val1="01" val2="00"/>)",
        R"(<i ID="No val1" offset="10" val2="00"/>)",
        R"(<i ID="Bad val1" offset="10" val1="x" val2="00"/>)",
        R"(<i ID="Too long" offset="10" val1="100" val2="00"/>)",
        R"(<i ID="No val2" offset="10" val1="01"/>)",
        R"(<i offset="10" val1="01" val2="00"/>)",
    };
    for (const std::string& item : bad) {
        const StyleRows result = build("<seem>" + good + item + good + "</seem>");
        EXPECT_FALSE(result.complete) << item;
        EXPECT_EQ(keysOf(result), std::vector<std::string>{"10_1A_00"}) << item;
    }
}

TEST_F(StyleListTest, LastCellIsInsideTheFile) {
    const StyleRows result =
        build(R"(<seem><i ID="Last" offset="1F" val1="00" val2="01"/></seem>)");
    EXPECT_TRUE(result.complete);
    ASSERT_EQ(result.rows.size(), 1u);
    EXPECT_TRUE(result.rows[0].checked);
}

TEST_F(StyleListTest, CommentsAndTextBetweenItemsAreNotRows) {
    const StyleRows result = build(R"(<seem>
        <!-- clock -->
        <i ID="A" offset="10" val1="1A" val2="00"/>
        loose text
        <i ID="B" offset="11" val1="01" val2="00"/>
    </seem>)");
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.rows.size(), 2u);
}

} // namespace
} // namespace vantrel
