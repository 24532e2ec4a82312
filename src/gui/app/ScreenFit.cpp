#include "gui/app/ScreenFit.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace vantrel {

void fitWindowToScreen(QWidget* window, const QRect& available) {
    // Before the window is first shown the window manager's frame is not
    // known; a title bar and borders of this size are assumed until it is.
    const QSize assumedFrame(2 * 4, 30 + 4);
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    const QSize frameExtra = window->isVisible() ? frame.size() - client.size() : assumedFrame;

    const QSize room = available.size() - frameExtra;
    const QSize wanted = client.size();
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

void fitWindowToScreen(QWidget* window) {
    if (const QScreen* screen = window->screen())
        fitWindowToScreen(window, screen->availableGeometry());
}

} // namespace vantrel
