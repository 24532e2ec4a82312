// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/find/BytePattern.h"

#include <QToolBar>

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace vantrel {

class Announcement;
class UiStrings;

// The find bar under the grid: what to find, what kind of thing it is, the
// buttons for the next and previous match and the answer ("2 of 5"), which
// is also given to screen readers. Not modal: the window works on while it
// is open. It only passes on what the user does and shows what it is told.
class FindBar : public QToolBar {
    Q_OBJECT

  public:
    FindBar(const UiStrings& strings, QWidget* parent);

    void retranslate();
    // Shown with its text selected and the keyboard focus in it.
    void open();
    [[nodiscard]] QString text() const;
    [[nodiscard]] FindMode mode() const;
    // The answer and the note of the last step, on show and said.
    void showStatus(const QString& status, const QString& note);
    [[nodiscard]] QString status() const;
    [[nodiscard]] bool hasFocusInside() const;

  signals:
    void queryChanged();
    void nextRequested();
    void previousRequested();
    void closeRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const UiStrings& m_strings;
    QLabel* m_label;
    QLineEdit* m_text;
    QComboBox* m_mode;
    QToolButton* m_previous;
    QToolButton* m_next;
    QLabel* m_status;
    Announcement* m_announcement;
    QToolButton* m_close;
};

} // namespace vantrel
