// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/layout/GridGeometry.h"

#include <gtest/gtest.h>

namespace vantrel::grid {
namespace {

TEST(GridGeometry, CellsSitSixteenToARow) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(cellTwipTop(i), 60) << i;
        EXPECT_EQ(cellTwipLeft(i), 100 + 400 * i) << i;
    }
    EXPECT_EQ(cellTwipRect(16), (TwipRect{100, 360, 330, 285}));
    EXPECT_EQ(cellTwipRect(4999), (TwipRect{100 + 400 * 7, 60 + 300 * 312, 330, 285}));
}

TEST(GridGeometry, SheetHeightLeavesRoomBelowTheLastRow) {
    EXPECT_EQ(sheetTwipHeight(1), 460);
    EXPECT_EQ(sheetTwipHeight(0), 460); // cell 0 always exists
    EXPECT_EQ(sheetTwipHeight(16), 460);
    EXPECT_EQ(sheetTwipHeight(17), 760);
    for (int rows = 1; rows <= 313; ++rows)
        ASSERT_EQ(sheetTwipHeight(16 * rows), 460 + 300 * (rows - 1)) << rows;
    // The largest file is far beyond what a 16-bit twip scroll range could reach.
    EXPECT_GT(sheetTwipHeight(5000) - kTwipViewportHeight, 32767);
}

TEST(GridGeometry, TwipsRoundToTheNearestPixel) {
    EXPECT_EQ(twipsToPx(0), 0);
    EXPECT_EQ(twipsToPx(15), 1);
    EXPECT_EQ(twipsToPx(22), 1);
    EXPECT_EQ(twipsToPx(23), 2);
    EXPECT_EQ(twipsToPx(-22), -1);
    EXPECT_EQ(twipsToPx(kTwipCellWidth), 22);
    EXPECT_EQ(twipsToPx(kTwipCellHeight), 19);
    EXPECT_EQ(twipsToPx(kTwipViewportWidth), 477);
    EXPECT_EQ(twipsToPx(kTwipViewportHeight), 330);
    EXPECT_EQ(twipsToPx(sheetTwipHeight(1)), 31);
}

TEST(GridGeometry, PointsFindTheirCellAndGapsFindNone) {
    EXPECT_EQ(cellAtTwip(100, 60, 1), 0);
    EXPECT_EQ(cellAtTwip(429, 344, 1), 0); // bottom-right twip of cell 0
    EXPECT_EQ(cellAtTwip(99, 60, 1), std::nullopt);
    EXPECT_EQ(cellAtTwip(100, 59, 1), std::nullopt);
    EXPECT_EQ(cellAtTwip(430, 100, 2), std::nullopt);  // between cells 0 and 1
    EXPECT_EQ(cellAtTwip(200, 345, 20), std::nullopt); // between rows
    EXPECT_EQ(cellAtTwip(6100, 60, 16), 15);
    EXPECT_EQ(cellAtTwip(6500, 60, 16), std::nullopt); // right of the last column
    EXPECT_EQ(cellAtTwip(6900, 60, 40), std::nullopt); // would be a 17th column
    EXPECT_EQ(cellAtTwip(500, 360, 18), 17);
    EXPECT_EQ(cellAtTwip(900, 360, 18), std::nullopt); // past the last cell

    for (int i = 0; i < 5000; i += 37) {
        const TwipRect rect = cellTwipRect(i);
        ASSERT_EQ(cellAtTwip(rect.twipLeft + rect.twipWidth / 2, rect.twipTop + rect.twipHeight / 2,
                             5000),
                  i);
    }
}

TEST(GridGeometry, GutterNamesEachRowByItsFirstOffset) {
    EXPECT_EQ(rowOffsetTexts(42), (std::vector<std::string>{"0000", "0010", "0020"}));
    const auto largest = rowOffsetTexts(5000);
    ASSERT_EQ(largest.size(), 313u);
    EXPECT_EQ(largest[1], "0010");
    EXPECT_EQ(largest[160], "0A00");
    EXPECT_EQ(largest.back(), "1380"); // 4992, the row of byte 4999
    EXPECT_EQ(rowOffsetTexts(0), std::vector<std::string>{"0000"});
    EXPECT_EQ(columnHeaderText(0), "0");
    EXPECT_EQ(columnHeaderText(15), "F");
}

} // namespace
} // namespace vantrel::grid
