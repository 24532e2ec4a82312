// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/ScreenFit.h"

#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
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

ClientRoomKeeper::ClientRoomKeeper(QWidget& window, QWidget& clientArea, QSize wanted)
    : QObject(&window), m_window(window), m_clientArea(clientArea), m_wanted(wanted) {
    clientArea.installEventFilter(this);
}

bool ClientRoomKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_clientArea && event->type() == QEvent::Resize) {
        const auto* resize = static_cast<QResizeEvent*>(event);
        const auto holds = [this](QSize size) {
            return size.width() >= m_wanted.width() && size.height() >= m_wanted.height();
        };
        // The client area lost the room it had while the window kept its
        // size: another part of the window took it.
        const bool windowResized = m_window.size() != m_windowSizeSeen;
        m_windowSizeSeen = m_window.size();
        if (holds(resize->oldSize()) && !holds(resize->size()) && !windowResized && !m_growing &&
            m_window.isVisible() && !m_window.isMaximized() && !m_window.isFullScreen()) {
            // Not from inside the layout that is placing the client area.
            m_growing = true;
            QTimer::singleShot(0, this, &ClientRoomKeeper::growWindow);
        }
    }
    return QObject::eventFilter(watched, event);
}

void ClientRoomKeeper::growWindow() {
    m_growing = false;
    const QSize lacking = (m_wanted - m_clientArea.size()).expandedTo({0, 0});
    const QScreen* screen = m_window.screen();
    const QRect room = screen ? screen->availableGeometry() : QRect();
    const QSize frame = m_window.frameGeometry().size() - m_window.size();
    QSize grown = m_window.size() + lacking;
    if (screen)
        grown = grown.boundedTo(room.size() - frame);
    grown = grown.expandedTo(m_window.size());
    if (grown == m_window.size())
        return;
    m_window.resize(grown);
    // A window grown past the bottom of the screen moves up.
    const QRect outer = m_window.frameGeometry();
    if (screen && outer.bottom() > room.bottom())
        m_window.move(outer.left(), std::max(room.top(), room.bottom() + 1 - outer.height()));
}

} // namespace vantrel
