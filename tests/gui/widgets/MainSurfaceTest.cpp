// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/MainSurface.h"

#include "gui/widgets/FileDrop.h"
#include "gui/widgets/ScreenFit.h"

#include <QMainWindow>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(MainSurface, HandsOverTheLayoutOfEachSizeAndScrollsBelowTheLeastOne) {
    MainSurface surface;
    std::vector<layout::WindowLayout> layouts;
    surface.setLayoutHandler([&](const layout::WindowLayout& l) { layouts.push_back(l); });
    surface.resize(MainSurface::designedSize());
    surface.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    ASSERT_FALSE(layouts.empty());
    EXPECT_EQ(layouts.back(), layout::windowLayout(layout::kTwipDesignClientWidth,
                                                   layout::kTwipDesignClientHeight));

    surface.resize(MainSurface::designedSize() * 3 / 2);
    QTest::qWait(0);
    EXPECT_GT(layouts.back().gridArea.twipHeight, 4950);

    surface.resize(400, 300); // the canvas keeps its least size and scrolls
    QTest::qWait(0);
    EXPECT_EQ(surface.canvas()->size(), MainSurface::leastSize());
    EXPECT_TRUE(surface.verticalScrollBar()->isVisible());
}

TEST(ScreenFit, TheFirstWindowFitsASmallScreenAtScaleTwo) {
    QMainWindow window;
    window.setCentralWidget(new MainSurface);
    window.resize(window.sizeHint());
    const QRect available(0, 0, 1280 / 2, 800 / 2 - 24); // 1280 x 800 at scale 2, less a panel
    fitWindowToScreen(&window, window.size(), available);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    fitWindowToScreen(&window, window.size(), available);
    EXPECT_TRUE(available.contains(window.frameGeometry()))
        << window.frameGeometry().width() << "x" << window.frameGeometry().height();
}

TEST(FileDrop, TakesTheLocalFilesInOrder) {
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("b.seem"));
    const QString second = dir.filePath(QStringLiteral("a.seem"));
    for (const QString& path : {first, second}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(dir.path()), QUrl::fromLocalFile(first),
                  QUrl(QStringLiteral("https://example.org/c.seem")), QUrl::fromLocalFile(second)});
    EXPECT_EQ(droppedFiles(&data), QStringList({first, second}));
    EXPECT_TRUE(droppedFiles(nullptr).isEmpty());
}

} // namespace
} // namespace vantrel
