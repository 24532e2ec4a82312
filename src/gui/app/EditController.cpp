// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/EditController.h"

#include "core/i18n/BuiltinStrings.h"
#include "gui/app/EditorPanel.h"
#include "gui/app/LanguageController.h"
#include "gui/app/MainWindow.h"
#include "gui/document/ByteGridView.h"
#include "gui/windows/GoToOffsetDialog.h"

#include <QAction>
#include <QMenu>

namespace vantrel {

EditController::EditController(MainWindow& window) : QObject(&window), m_window(window) {
    SeemDocument& document = m_window.document();
    m_undoAction = new QAction(this);
    m_undoAction->setObjectName(QStringLiteral("mnuUndo"));
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_rules.add(m_undoAction, [&document] { return document.canUndo(); });

    m_redoAction = new QAction(this);
    m_redoAction->setObjectName(QStringLiteral("mnuRedo"));
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_rules.add(m_redoAction, [&document] { return document.canRedo(); });

    m_switchAction = new QAction(QString::fromUtf8("开启功能(&O)"), this);
    m_switchAction->setObjectName(QStringLiteral("mnuOnOff"));
    m_rules.add(m_switchAction, [this] { return m_window.editorPanel().switchSelected(); });

    m_goToAction = new QAction(this);
    m_goToAction->setObjectName(QStringLiteral("mnuGoTo"));
    m_goToAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    m_rules.add(m_goToAction, [this] { return m_window.isLoaded(); });

    connect(m_undoAction, &QAction::triggered, this, &EditController::undo);
    connect(m_redoAction, &QAction::triggered, this, &EditController::redo);
    connect(m_switchAction, &QAction::triggered, this, &EditController::toggleSwitch);
    connect(m_goToAction, &QAction::triggered, this, &EditController::goToOffset);

    connect(&m_window, &MainWindow::documentStateChanged, this, [this] { m_rules.refresh(); });
    connect(&m_window.languageController(), &LanguageController::languageChanged, this,
            &EditController::retranslate);
    connect(&m_window.editorPanel(), &EditorPanel::switchSelectionChanged, this,
            [this](const QString& caption) {
                if (!caption.isEmpty())
                    m_switchAction->setText(caption);
                m_rules.refresh();
            });
    m_documentConnection = document.addStateListener([this] {
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
    m_goToAction->setText(m_window.str(UiString::GoToOffsetMenu));
    updateUndoCaptions();
}

// "Undo <step>" and "Redo <step>" in the chosen language.
void EditController::updateUndoCaptions() {
    const UiStrings& strings = m_window.strings();
    const auto caption = [&strings](UiString menuString, std::optional<UiString> label) {
        const std::string step = label ? strings.get(*label) : std::string();
        return QString::fromStdString(strings.format(menuString, {step})).trimmed();
    };
    const SeemDocument& document = m_window.document();
    m_undoAction->setText(caption(UiString::UndoMenu, document.undoLabel()));
    m_redoAction->setText(caption(UiString::RedoMenu, document.redoLabel()));
}

void EditController::undo() {
    m_window.document().undo();
}

void EditController::redo() {
    m_window.document().redo();
}

void EditController::toggleSwitch() {
    m_window.editorPanel().toggleSwitch();
}

void EditController::goToOffset() {
    if (!m_window.isLoaded())
        return;
    GoToOffsetDialog dialog(m_window.strings(), m_window.settings(),
                            m_window.document().grid().cellCount(), &m_window);
    if (dialog.exec() == QDialog::Accepted && dialog.offset())
        m_window.gridView()->focusCell(*dialog.offset());
}

} // namespace vantrel
