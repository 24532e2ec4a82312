// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/style/ReadableColor.h"

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

} // namespace
} // namespace vantrel
