// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/window/StartPage.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(StartPage, TheHintKeepsEveryLineWhateverTheTextAndFont) {
    QWidget canvas;
    canvas.resize(900, 600);
    StartPage page(&canvas);
    const auto* hint = canvas.findChild<QLabel*>(QStringLiteral("lblSoftTip"));
    const auto isWhole = [hint] { return hint->height() >= hint->heightForWidth(hint->width()); };
    page.setHint(QStringLiteral("Open a file.\nSet a folder.\nKeep a backup of every file "
                                "before you change it, the line that must not be lost.\nMore."));
    EXPECT_TRUE(isWhole());

    const QFont before = QApplication::font();
    QFont larger = before;
    larger.setPointSizeF(before.pointSizeF() * 2);
    QApplication::setFont(larger);
    QCoreApplication::processEvents();
    EXPECT_TRUE(isWhole());
    QApplication::setFont(before);
}

} // namespace
} // namespace vantrel
