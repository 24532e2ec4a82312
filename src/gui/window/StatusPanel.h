// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace vantrel {

// A panel of the status line: one line of plain text that ends in "…" where
// the panel is too narrow for it, so a long message never widens the window.
// Its text and accessible name stay whole, and a cut text is its tool tip.
class StatusPanel : public QLabel {
  public:
    explicit StatusPanel(QWidget* parent = nullptr);

    void setStatusText(const QString& text);
    [[nodiscard]] QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void updateToolTip();
};

} // namespace vantrel
