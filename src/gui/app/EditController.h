// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ListenerList.h"
#include "gui/app/EnablingRules.h"

#include <QObject>

class QAction;
class QMenu;

namespace vantrel {

class MainWindow;

// The Edit menu's own commands: undo and redo, switching the selected switch
// of a function file on or off, and going to an offset.
class EditController : public QObject {
    Q_OBJECT

  public:
    explicit EditController(MainWindow& window);

    // Puts the actions into the Edit menu; the comparison's item goes after On/Off.
    void fillMenu(QMenu* menu, const QList<QAction*>& comparisonItems);

    void undo();
    void redo();
    void toggleSwitch();
    void goToOffset();

  private:
    void retranslate();
    void updateUndoCaptions();

    MainWindow& m_window;
    EnablingRules m_rules;
    QAction* m_undoAction;
    QAction* m_redoAction;
    QAction* m_switchAction;
    QAction* m_goToAction;
    ListenerConnection m_documentConnection;
};

} // namespace vantrel
