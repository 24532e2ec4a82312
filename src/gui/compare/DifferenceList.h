// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QAction;
class QContextMenuEvent;
class QLabel;
class QListWidget;

namespace vantrel {

struct SeemComparison;
class UiStrings;

// The list of a comparison's differences, one line each, under a caption
// naming the other file. Choosing a line asks the window to show that setting.
class DifferenceList : public QWidget {
    Q_OBJECT

  public:
    explicit DifferenceList(QWidget* parent = nullptr);

    // Shows the differences; the chosen line stays chosen while it is listed.
    void showComparison(const SeemComparison& comparison, const QString& otherPath,
                        const UiStrings& strings);

    // The chosen difference, or -1.
    [[nodiscard]] int currentDifference() const;
    // Chooses a difference (-1: none) without telling anyone.
    void setCurrentDifference(int index);
    [[nodiscard]] QListWidget* list() const { return m_list; }
    // The commands of a line's context menu (the menu key, Shift+F10 or a
    // right click, which first chooses the line under the pointer).
    void setLineActions(const QList<QAction*>& actions);

  signals:
    // The user chose a line (mouse or keyboard).
    void differenceChosen(int index);
    void currentChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showLineMenu(const QContextMenuEvent& request);

    QList<QAction*> m_lineActions;
    QLabel* m_caption = nullptr;
    QLabel* m_reason = nullptr;
    QListWidget* m_list = nullptr;
    bool m_filling = false;
};

} // namespace vantrel
