// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ListenerList.h"
#include "gui/controllers/EnablingRules.h"

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace vantrel {

class ByteGridView;
class EditorPanel;
class SeemDocument;
class SettingsStore;
class UiStrings;

// The Edit menu's own commands: undo and redo, switching the selected switch
// of a function file on or off, and going to an offset.
class EditController : public QObject {
    Q_OBJECT

  public:
    // fileShown tells whether a file is shown in the grid; dialogs open over owner.
    EditController(SeemDocument& document, const UiStrings& strings, SettingsStore& settings,
                   EditorPanel& editorPanel, ByteGridView& gridView,
                   std::function<bool()> fileShown, QWidget& owner);

    // Puts the actions into the Edit menu; the comparison's item goes after On/Off.
    void fillMenu(QMenu* menu, const QList<QAction*>& comparisonItems);

    void undo();
    void redo();
    void toggleSwitch();
    void goToOffset();

    // Applies each action's enabling rule again.
    void refreshEnabling() const { m_rules.refresh(); }
    void retranslate();

  private:
    void updateUndoCaptions();

    SeemDocument& m_document;
    const UiStrings& m_strings;
    SettingsStore& m_settings;
    EditorPanel& m_editorPanel;
    ByteGridView& m_gridView;
    std::function<bool()> m_fileShown;
    QWidget& m_owner;
    EnablingRules m_rules;
    QAction* m_undoAction;
    QAction* m_redoAction;
    QAction* m_switchAction;
    QAction* m_goToAction;
    ListenerConnection m_documentConnection;
};

} // namespace vantrel
