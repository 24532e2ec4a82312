// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/style/ReadableColor.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(ReadableColorTest, WarningRedKeepsItsContrastOnAnyBackground) {
    EXPECT_NEAR(contrastRatio({0, 0, 0}, {0xFF, 0xFF, 0xFF}), 21.0, 0.01);
    const Rgb backgrounds[] = {{0xFF, 0xFF, 0xFF}, {0xEF, 0xEF, 0xEF}, {0x35, 0x35, 0x35},
                               {0x00, 0x00, 0x00}, {0x77, 0x77, 0x77}, {0x20, 0x20, 0x60}};
    for (const Rgb background : backgrounds) {
        const Rgb red = readableRed(background);
        EXPECT_GE(contrastRatio(red, background), 4.5) << int(background.red);
        EXPECT_GT(red.red, red.green) << int(background.red); // still reads as red
    }
}

TEST(ReadableColorTest, GreyedTextMovesOnlyAsFarAsItMustTowardTheNormalText) {
    const Rgb darkBase{0x2A, 0x2A, 0x2A};
    const Rgb greyed = readableTowards({0x7F, 0x7F, 0x7F}, {0xFF, 0xFF, 0xFF}, darkBase);
    EXPECT_GE(contrastRatio(greyed, darkBase), 4.5);
    EXPECT_LT(greyed.red, 0xFF);
    const Rgb onWhite = readableTowards({0x60, 0x60, 0x60}, {0, 0, 0}, {0xFF, 0xFF, 0xFF});
    EXPECT_EQ(onWhite, (Rgb{0x60, 0x60, 0x60})); // already readable: unchanged
}

TEST(ReadableColorTest, MarksKeepTheirTextReadableOnLightAndDarkPalettes) {
    const Rgb mark{0xFF, 0xDD, 0x80};
    const Rgb faint{0xFF, 0xF0, 0xCC};
    const Rgb lightText{0xE6, 0xE6, 0xE6};
    const Rgb darkBase{0x1E, 0x1E, 0x1E};
    EXPECT_EQ(readableGround(mark, {0, 0, 0}), mark); // a light palette keeps its colours
    EXPECT_EQ(fainterGround(faint, mark, {0xFF, 0xFF, 0xFF}, {0, 0, 0}), faint);

    const Rgb darkMark = readableGround(mark, lightText);
    const Rgb darkFaint = fainterGround(faint, darkMark, darkBase, lightText);
    EXPECT_GE(contrastRatio(darkMark, lightText), 4.5);
    EXPECT_GE(contrastRatio(darkFaint, lightText), 4.5);
    EXPECT_GT(darkMark.red, darkMark.blue); // still amber
    EXPECT_NE(darkFaint, darkMark);
}

} // namespace
} // namespace vantrel
