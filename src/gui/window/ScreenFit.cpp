// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/window/ScreenFit.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace vantrel {

void fitWindowToScreen(QWidget* window, QSize wanted, const QRect& available) {
    // Until the window manager has framed the window its frame is not known;
    // a title bar and borders at least this large are assumed.
    const QSize assumedFrame(2 * 4, 30 + 4);
    const QRect frame = window->frameGeometry();
    const QSize frameExtra = (frame.size() - window->geometry().size()).expandedTo(assumedFrame);

    const QSize room = available.size() - frameExtra;
    const QSize size = wanted.boundedTo(room).expandedTo(window->minimumSize());
    window->resize(size);

    const QSize outer = size + frameExtra;
    const QPoint centred = available.topLeft() + QPoint((available.width() - outer.width()) / 2,
                                                        (available.height() - outer.height()) / 2);
    const QPoint topLeft = window->isVisible() ? frame.topLeft() : centred;
    const int left = std::clamp(topLeft.x(), available.left(),
                                std::max(available.left(), available.right() + 1 - outer.width()));
    const int top = std::clamp(topLeft.y(), available.top(),
                               std::max(available.top(), available.bottom() + 1 - outer.height()));
    window->move(left, top);
}

void fitWindowToScreen(QWidget* window, QSize wanted) {
    if (const QScreen* screen = window->screen())
        fitWindowToScreen(window, wanted, screen->availableGeometry());
}

} // namespace vantrel
