// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/EditController.h"

#include "core/document/SeemDocument.h"
#include "core/i18n/BuiltinStrings.h"
#include "gui/document/ByteGridView.h"
#include "gui/i18n/UiText.h"
#include "gui/window/EditorPanel.h"
#include "gui/windows/GoToOffsetDialog.h"

#include <QAction>
#include <QMenu>

namespace vantrel {

EditController::EditController(SeemDocument& document, const UiStrings& strings,
                               SettingsStore& settings, EditorPanel& editorPanel,
                               ByteGridView& gridView, std::function<bool()> fileShown,
                               QWidget& owner)
    : QObject(&owner), m_document(document), m_strings(strings), m_settings(settings),
      m_editorPanel(editorPanel), m_gridView(gridView), m_fileShown(std::move(fileShown)),
      m_owner(owner) {
    m_undoAction = new QAction(this);
    m_undoAction->setObjectName(QStringLiteral("mnuUndo"));
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_rules.add(m_undoAction, [&document] { return document.canUndo(); });

    m_redoAction = new QAction(this);
    m_redoAction->setObjectName(QStringLiteral("mnuRedo"));
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_rules.add(m_redoAction, [&document] { return document.canRedo(); });

    m_switchAction = new QAction(this);
    m_switchAction->setObjectName(QStringLiteral("mnuOnOff"));
    m_rules.add(m_switchAction, [this] { return m_editorPanel.switchSelected(); });

    m_goToAction = new QAction(this);
    m_goToAction->setObjectName(QStringLiteral("mnuGoTo"));
    m_goToAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    m_rules.add(m_goToAction, [this] { return m_fileShown(); });

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
    m_documentConnection = document.addStateListener([this](const DocumentChange&) {
        updateUndoCaptions();
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
    m_goToAction->setText(uiText(m_strings, UiString::GoToOffsetMenu));
    updateUndoCaptions();
}

// "Undo <step>" and "Redo <step>" in the chosen language.
void EditController::updateUndoCaptions() {
    const auto caption = [&strings = m_strings](UiString menuString,
                                                std::optional<UiString> label) {
        const std::string step = label ? strings.get(*label) : std::string();
        return uiText(strings, menuString, {step}).trimmed();
    };
    m_undoAction->setText(caption(UiString::UndoMenu, m_document.undoLabel()));
    m_redoAction->setText(caption(UiString::RedoMenu, m_document.redoLabel()));
}

void EditController::undo() {
    m_document.undo();
}

void EditController::redo() {
    m_document.redo();
}

void EditController::toggleSwitch() {
    m_editorPanel.toggleSwitch();
}

void EditController::goToOffset() {
    if (!m_fileShown())
        return;
    GoToOffsetDialog dialog(m_strings, m_settings, m_document.grid().cellCount(), &m_owner);
    if (dialog.exec() == QDialog::Accepted && dialog.offset())
        m_gridView.focusCell(*dialog.offset());
}

} // namespace vantrel
