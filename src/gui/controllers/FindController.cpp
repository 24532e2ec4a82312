// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/FindController.h"

#include "core/session/EditingSession.h"
#include "gui/controllers/EditorPanel.h"
#include "gui/controllers/FileController.h"
#include "gui/document/ByteGridView.h"
#include "gui/find/FindBar.h"
#include "gui/find/FindInFolderWindow.h"
#include "gui/i18n/UiText.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>

namespace vantrel {

FindController::FindController(Parts parts)
    : QObject(&parts.window), m_parts(std::move(parts)), m_findAction(new QAction(this)),
      m_nextAction(new QAction(this)), m_previousAction(new QAction(this)),
      m_folderAction(new QAction(this)) {
    EditingSession& session = m_parts.session;
    m_findAction->setObjectName(QStringLiteral("mnuFind"));
    m_findAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    m_rules.add(m_findAction, [&session] { return session.fileOpen(); });
    m_nextAction->setObjectName(QStringLiteral("mnuFindNext"));
    m_nextAction->setShortcut(QKeySequence(Qt::Key_F3));
    m_rules.add(m_nextAction, [&session] { return session.fileOpen(); });
    m_previousAction->setObjectName(QStringLiteral("mnuFindPrevious"));
    m_previousAction->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    m_rules.add(m_previousAction, [&session] { return session.fileOpen(); });
    m_folderAction->setObjectName(QStringLiteral("mnuFindInFolder"));

    connect(m_findAction, &QAction::triggered, this, &FindController::openBar);
    connect(m_nextAction, &QAction::triggered, this, &FindController::findNext);
    connect(m_previousAction, &QAction::triggered, this, &FindController::findPrevious);
    connect(m_folderAction, &QAction::triggered, this, &FindController::findInFolder);

    m_sessionConnection = session.addListener([this](const SessionChange& change) {
        if (change.file)
            m_rules.refresh();
        if (change.find && barShown())
            showAnswer(false);
    });
    retranslate();
    m_rules.refresh();
}

FindController::~FindController() {
    delete m_folderWindow;
}

// Made the first time it is opened: a window that never finds anything
// never builds the bar.
FindBar* FindController::ensureBar() {
    if (m_bar)
        return m_bar;
    m_bar = new FindBar(m_parts.session.strings(), &m_parts.window);
    m_bar->hide();
    m_parts.window.addToolBar(Qt::BottomToolBarArea, m_bar);
    connect(m_bar, &FindBar::queryChanged, this, &FindController::search);
    connect(m_bar, &FindBar::nextRequested, this, &FindController::findNext);
    connect(m_bar, &FindBar::previousRequested, this, &FindController::findPrevious);
    connect(m_bar, &FindBar::closeRequested, this, &FindController::closeBar);
    m_bar->retranslate();
    return m_bar;
}

bool FindController::barShown() const {
    return m_bar && !m_bar->isHidden();
}

FindInFolderWindow* FindController::folderWindow() const {
    return m_folderWindow;
}

void FindController::fillEditMenu(QMenu* menu) {
    menu->addSeparator();
    menu->addActions({m_findAction, m_nextAction, m_previousAction});
}

void FindController::fillToolsMenu(QMenu* menu) {
    menu->addAction(m_folderAction);
}

void FindController::retranslate() {
    const UiStrings& strings = m_parts.session.strings();
    m_findAction->setText(uiText(strings, UiString::FindMenu));
    m_nextAction->setText(uiText(strings, UiString::FindNext));
    m_previousAction->setText(uiText(strings, UiString::FindPrevious));
    m_folderAction->setText(uiText(strings, UiString::FindInFolderMenu));
    if (m_bar)
        m_bar->retranslate();
    if (m_folderWindow)
        m_folderWindow->retranslate();
    if (barShown())
        showAnswer(false);
}

void FindController::openBar() {
    if (!m_parts.session.fileOpen())
        return;
    if (!barShown()) {
        m_focusBefore = QApplication::focusWidget();
        ensureBar()->open();
        search();
        return;
    }
    m_bar->open();
}

void FindController::closeBar() {
    const bool found = m_parts.session.finder().state() == FindState::Found;
    const auto cells = m_parts.session.finder().currentCells();
    const SettingMatch* setting = m_parts.session.finder().currentSetting();
    const bool settingFound = setting != nullptr;
    const SettingMatch chosen = setting ? *setting : SettingMatch();
    m_bar->hide();
    m_parts.gridView.setFoundCells({}, std::nullopt);
    m_parts.session.closeFind();
    if (found && cells)
        m_parts.gridView.focusCell(cells->offset);
    else if (found && settingFound)
        m_parts.editorPanel.showFound(chosen, true);
    else if (m_focusBefore)
        m_focusBefore->setFocus(Qt::OtherFocusReason);
}

void FindController::search() {
    m_parts.session.find(m_bar->mode(), m_bar->text().toStdString());
    showAnswer(true);
}

void FindController::findNext() {
    if (!barShown()) {
        openBar();
        return;
    }
    m_parts.session.findNext();
    showAnswer(true);
}

void FindController::findPrevious() {
    if (!barShown()) {
        openBar();
        return;
    }
    m_parts.session.findPrevious();
    showAnswer(true);
}

// The answer on the bar and the marks in the grid; moved: the current match
// changed, so it is brought into view.
void FindController::showAnswer(bool moved) {
    const EditingSession& session = m_parts.session;
    const FindSession& finder = session.finder();
    const auto& note = finder.note();
    m_bar->showStatus(uiText(session.strings(), finder.status()),
                      note ? uiText(session.strings(), *note) : QString());
    m_parts.gridView.setFoundCells(finder.cellMatches(), finder.currentCells());
    if (!moved || finder.state() != FindState::Found)
        return;
    if (const auto cells = finder.currentCells())
        m_parts.gridView.showCell(cells->offset);
    else if (const SettingMatch* setting = finder.currentSetting()) {
        // Choosing the setting in its editor may take the focus; the bar keeps the keys.
        QWidget* typing = m_bar->hasFocusInside() ? QApplication::focusWidget() : nullptr;
        m_parts.editorPanel.showFound(*setting, false);
        if (typing)
            typing->setFocus(Qt::OtherFocusReason);
    }
}

void FindController::findInFolder() {
    if (!m_folderWindow) {
        m_folderWindow = new FindInFolderWindow(
            m_parts.session.strings(),
            [this] { return m_parts.session.document().definitions().root(); }, &m_parts.window);
        connect(m_folderWindow, &FindInFolderWindow::matchChosen, this, &FindController::openMatch);
    }
    m_folderWindow->setFolder(m_parts.seemFolder());
    m_folderWindow->show();
    m_folderWindow->raise();
    m_folderWindow->activateWindow();
    m_folderWindow->textBox()->setFocus(Qt::OtherFocusReason);
}

void FindController::openMatch(const QString& path, const SettingMatch& match) {
    FileController& files = m_parts.files;
    if (!files.confirmUnsavedChanges(Leaving::Open))
        return;
    files.openFile(path);
    if (!m_parts.session.fileOpen() || uiText(m_parts.session.document().path()) != path)
        return;
    m_parts.window.activateWindow();
    m_parts.editorPanel.showFound(match, true);
}

} // namespace vantrel
