// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

namespace vantrel {

// Sizes and places a top-level window so that it lies wholly inside the
// available area of its screen (the screen less panels and docks, in the
// device-independent pixels of the scale factor in force): its client area
// the wanted size where that fits, smaller where it does not.
void fitWindowToScreen(QWidget* window, QSize wanted, const QRect& available);
// The same for the available area of the screen the window is on.
void fitWindowToScreen(QWidget* window, QSize wanted);

// Keeps a window's client area at its wanted size, once it has it, when
// something else in the window takes room from it (a bar shown above it, a
// list that grows below it): the window grows by what the client area lost,
// as far as its screen allows. A window resized by the user, maximised or
// full screen is left as it is.
class ClientRoomKeeper : public QObject {
  public:
    ClientRoomKeeper(QWidget& window, QWidget& clientArea, QSize wanted);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void growWindow();

    QWidget& m_window;
    QWidget& m_clientArea;
    QSize m_wanted;
    QSize m_windowSizeSeen; // the window's size when the client area last changed size
    bool m_growing = false;
};

} // namespace vantrel
