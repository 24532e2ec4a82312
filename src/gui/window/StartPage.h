// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class QLabel;
class QWidget;

namespace vantrel {

// What the main window shows while no file is open: the shadowed title
// over its shadow, and the hint below.
class StartPage : public QObject {
    Q_OBJECT

  public:
    explicit StartPage(QWidget* canvas);

    void setHint(const QString& text);
    void setVisible(bool visible);
    // Moves the page by shift from where it sits at the designed size.
    void shiftBy(QPoint shift);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The hint is as tall as its text at the font in force, never shorter than designed.
    void fitHint();

    QLabel* m_titleShadow;
    QLabel* m_title;
    QLabel* m_hint;
    QPoint m_designedPlaces[3];
    int m_pxDesignedHintHeight = 0;
};

} // namespace vantrel
