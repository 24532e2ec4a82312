// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ListenerList.h"
#include "gui/controllers/EnablingRules.h"

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace vantrel {

class ByteGridView;
class EditingSession;
class EditorPanel;
class SettingsStore;

// The Edit menu's own commands: undo and redo, switching the selected switch
// of a function file on or off, and going to an offset.
class EditController : public QObject {
    Q_OBJECT

  public:
    // Dialogs open over owner.
    EditController(EditingSession& session, SettingsStore& settings, EditorPanel& editorPanel,
                   ByteGridView& gridView, QWidget& owner);

    // Puts the actions into the Edit menu; the comparison's item goes after On/Off.
    void fillMenu(QMenu* menu, const QList<QAction*>& comparisonItems);

    void undo();
    void redo();
    void toggleSwitch();
    void goToOffset();

    void retranslate();

  private:
    void updateUndoCaptions();

    EditingSession& m_session;
    SettingsStore& m_settings;
    EditorPanel& m_editorPanel;
    ByteGridView& m_gridView;
    QWidget& m_owner;
    EnablingRules m_rules;
    QAction* m_undoAction;
    QAction* m_redoAction;
    QAction* m_switchAction;
    QAction* m_goToAction;
    ListenerConnection m_sessionConnection;
};

} // namespace vantrel
