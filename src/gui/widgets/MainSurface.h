// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/layout/WindowLayout.h"

#include <QScrollArea>

#include <functional>

namespace vantrel {

// The main window's client area. Its canvas holds the controls; it is never
// laid out smaller than the least size, and a window smaller than that
// (a small screen, a large scale factor) scrolls the canvas instead of
// cutting controls off. Whenever the canvas changes size, the layout for the
// new size is handed to the window to place its controls.
class MainSurface : public QScrollArea {
    Q_OBJECT

  public:
    using LayoutHandler = std::function<void(const layout::WindowLayout&)>;

    explicit MainSurface(QWidget* parent = nullptr);

    [[nodiscard]] QWidget* canvas() const { return widget(); }
    void setLayoutHandler(LayoutHandler handler);
    // The designed client size in pixels.
    [[nodiscard]] static QSize designedSize();
    // The least client size in pixels, where the editor column is narrower
    // and the grid shorter but every control still whole.
    [[nodiscard]] static QSize leastSize();
    // The least width at which the editors keep their rows on one line.
    [[nodiscard]] static int roomyWidth();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void layOut();

    LayoutHandler m_layoutHandler;
};

} // namespace vantrel
