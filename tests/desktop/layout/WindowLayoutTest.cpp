// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/layout/WindowLayout.h"

#include <gtest/gtest.h>

namespace vantrel::layout {
namespace {

TEST(WindowLayout, TheDesignedSizeKeepsTheDesignedPlaces) {
    const WindowLayout designed = windowLayout(kTwipDesignClientWidth, kTwipDesignClientHeight);
    EXPECT_EQ(designed.editorArea, (TwipRect{105, 315, 4600, 6300}));
    EXPECT_EQ(designed.infoFrame, (TwipRect{4815, 255, 7155, 1300}));
    EXPECT_EQ(designed.infoLabel, (TwipRect{150, 300, 6855, 900}));
    EXPECT_EQ(designed.colorPanel, (TwipRect{4815, 240, 7155, 1380}));
    EXPECT_EQ(designed.gridArea, (TwipRect{4815, 1650, 7155, 4950}));
    EXPECT_EQ(designed.twipStartPageShiftX, 0);
}

TEST(WindowLayout, ALargerWindowGivesTheEditorAndTheGridTheRoom) {
    const WindowLayout designed = windowLayout(kTwipDesignClientWidth, kTwipDesignClientHeight);
    const WindowLayout larger =
        windowLayout(kTwipDesignClientWidth * 3 / 2, kTwipDesignClientHeight * 3 / 2);
    EXPECT_GT(larger.editorArea.twipWidth, designed.editorArea.twipWidth);
    EXPECT_GT(larger.editorArea.twipHeight, designed.editorArea.twipHeight);
    EXPECT_GT(larger.gridArea.twipHeight, designed.gridArea.twipHeight);
    EXPECT_GT(larger.infoFrame.twipWidth, designed.infoFrame.twipWidth);
    // The columns still meet without overlapping, and nothing leaves the window.
    EXPECT_GT(larger.gridArea.twipLeft, larger.editorArea.twipLeft + larger.editorArea.twipWidth);
    EXPECT_EQ(larger.gridArea.twipLeft + larger.gridArea.twipWidth,
              kTwipDesignClientWidth * 3 / 2 - (kTwipDesignClientWidth - 4815 - 7155));
    EXPECT_EQ(larger.gridArea.twipLeft, larger.infoFrame.twipLeft);
}

TEST(WindowLayout, ASmallerWindowNarrowsTheEditorColumnAndKeepsTheGridWide) {
    const WindowLayout designed = windowLayout(kTwipDesignClientWidth, kTwipDesignClientHeight);
    const WindowLayout least = windowLayout(kTwipLeastClientWidth, kTwipLeastClientHeight);
    EXPECT_EQ(least.gridArea.twipWidth, designed.gridArea.twipWidth);
    EXPECT_EQ(least.colorPanel.twipWidth, designed.colorPanel.twipWidth);
    EXPECT_LT(least.editorArea.twipWidth, designed.editorArea.twipWidth);
    EXPECT_GT(least.gridArea.twipLeft, least.editorArea.twipLeft + least.editorArea.twipWidth);
    EXPECT_LE(least.gridArea.twipLeft + least.gridArea.twipWidth, kTwipLeastClientWidth);
    EXPECT_LE(least.editorArea.twipTop + least.editorArea.twipHeight, kTwipLeastClientHeight);
    EXPECT_LE(least.gridArea.twipTop + least.gridArea.twipHeight, kTwipLeastClientHeight);
    EXPECT_EQ(least.twipStartPageShiftX, 0);
}

} // namespace
} // namespace vantrel::layout
