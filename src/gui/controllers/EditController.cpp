// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/EditController.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/session/EditingSession.h"
#include "gui/controllers/EditorPanel.h"
#include "gui/dialogs/GoToOffsetDialog.h"
#include "gui/document/ByteGridView.h"
#include "gui/i18n/UiText.h"

#include <QAction>
#include <QMenu>

namespace vantrel {

EditController::EditController(EditingSession& session, SettingsStore& settings,
                               EditorPanel& editorPanel, ByteGridView& gridView, QWidget& owner)
    : QObject(&owner), m_session(session), m_settings(settings), m_editorPanel(editorPanel),
      m_gridView(gridView), m_owner(owner) {
    m_undoAction = new QAction(this);
    m_undoAction->setObjectName(QStringLiteral("mnuUndo"));
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_rules.add(m_undoAction, [this] { return m_session.document().canUndo(); });

    m_redoAction = new QAction(this);
    m_redoAction->setObjectName(QStringLiteral("mnuRedo"));
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_rules.add(m_redoAction, [this] { return m_session.document().canRedo(); });

    m_switchAction = new QAction(this);
    m_switchAction->setObjectName(QStringLiteral("mnuOnOff"));
    m_rules.add(m_switchAction, [this] { return m_editorPanel.switchSelected(); });

    m_goToAction = new QAction(this);
    m_goToAction->setObjectName(QStringLiteral("mnuGoTo"));
    m_goToAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    m_rules.add(m_goToAction, [this] { return m_session.fileOpen(); });

    connect(m_undoAction, &QAction::triggered, this, &EditController::undo);
    connect(m_redoAction, &QAction::triggered, this, &EditController::redo);
    connect(m_switchAction, &QAction::triggered, this, &EditController::toggleSwitch);
    connect(m_goToAction, &QAction::triggered, this, &EditController::goToOffset);

    connect(&m_editorPanel, &EditorPanel::switchSelectionChanged, this,
            [this](const QString& caption) {
                if (!caption.isEmpty())
                    m_switchAction->setText(caption);
                m_rules.refresh();
            });
    m_sessionConnection = m_session.addListener([this](const SessionChange& change) {
        if (change.history)
            updateUndoCaptions();
        if (change.history || change.file)
            m_rules.refresh();
    });
    updateUndoCaptions();
}

void EditController::fillMenu(QMenu* menu, const QList<QAction*>& comparisonItems) {
    menu->addActions({m_undoAction, m_redoAction});
    menu->addSeparator();
    menu->addAction(m_switchAction);
    menu->addActions(comparisonItems);
    menu->addSeparator();
    menu->addAction(m_goToAction);
}

void EditController::retranslate() {
    m_goToAction->setText(uiText(m_session.strings(), UiString::GoToOffsetMenu));
    updateUndoCaptions();
}

void EditController::updateUndoCaptions() {
    m_undoAction->setText(uiText(m_session.undoCaption()));
    m_redoAction->setText(uiText(m_session.redoCaption()));
}

void EditController::undo() {
    m_session.undo();
}

void EditController::redo() {
    m_session.redo();
}

void EditController::toggleSwitch() {
    m_editorPanel.toggleSwitch();
}

void EditController::goToOffset() {
    if (!m_session.fileOpen())
        return;
    GoToOffsetDialog dialog(m_session.strings(), m_settings, m_session.grid().cellCount(),
                            &m_owner);
    if (dialog.exec() == QDialog::Accepted && dialog.offset())
        m_gridView.focusCell(*dialog.offset());
}

} // namespace vantrel
