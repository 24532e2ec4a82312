// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/style/ImageFreeStyle.h"

#include "gui/window/MainWindowFixture.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QStyleOption>

#include <gtest/gtest.h>

#include <cstdlib>

namespace vantrel {
namespace {

// Whether this process has loaded any of Qt's image format plugins, which
// reading one image file of any format does.
bool imagePluginLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

using StartWithoutImages = testing::MainWindowFixture;

TEST_F(StartWithoutImages, TheWindowStartsAndShowsAFileWithoutReadingAnImage) {
    if (imagePluginLoaded())
        GTEST_SKIP() << "an earlier test in this process read an image; run this test alone";
    ImageFreeStyle::install();
    settings.setValue("ShowTip", "0");
    start();
    ASSERT_TRUE(loaded);
    mainWindow->openFile(sample("0032_0001.seem"));
    showActive();
    ASSERT_TRUE(probe().session().fileOpen());
    mainWindow->grab(); // every control on show painted
    EXPECT_FALSE(imagePluginLoaded());
}

QImage extensionArrow(Qt::LayoutDirection direction) {
    const ImageFreeStyle style;
    QStyleOption option;
    option.direction = direction;
    return style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, &option)
        .pixmap(16, 16)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

TEST(ImageFreeStyle, TheMenuBarsArrowIsDrawnTowardTheEndOfTheLine) {
    const QImage right = extensionArrow(Qt::LeftToRight);
    const QImage left = extensionArrow(Qt::RightToLeft);
    ASSERT_EQ(right.size(), QSize(16, 16));
    const QImage mirrored = right.mirrored(true, false);
    int inked = 0;
    int unlike = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            inked += qAlpha(right.pixel(x, y)) > 128;
            unlike += std::abs(qAlpha(left.pixel(x, y)) - qAlpha(mirrored.pixel(x, y))) > 64;
        }
    }
    EXPECT_GT(inked, 10);
    EXPECT_EQ(unlike, 0);
}

} // namespace
} // namespace vantrel
