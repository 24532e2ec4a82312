// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>

class QLabel;
class QWidget;

namespace vantrel {

// What the main window shows while no file is open: the shadowed title
// (Label2 under Label3) and the hint (lblSoftTip).
class StartPage {
  public:
    explicit StartPage(QWidget* canvas);

    void setHint(const QString& text);
    void setVisible(bool visible);
    // Moves the page by shift from where it sits at the designed size.
    void shiftBy(QPoint shift);

  private:
    QLabel* m_titleShadow;
    QLabel* m_title;
    QLabel* m_hint;
    QPoint m_designedPlaces[3];
};

} // namespace vantrel
