// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/ComparisonController.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/session/EditingSession.h"
#include "desktop/compare/DocumentComparison.h"
#include "gui/compare/ComparisonMarks.h"
#include "gui/compare/DifferenceList.h"
#include "gui/controllers/EditorPanel.h"
#include "gui/controllers/FileController.h"
#include "gui/controllers/FolderComparisonController.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/i18n/UiText.h"

#include <QAction>
#include <QDockWidget>
#include <QListWidget>
#include <QMainWindow>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace vantrel {

ComparisonController::ComparisonController(Parts parts, QMainWindow& window)
    : QObject(&window), m_parts(std::move(parts)), m_window(window),
      m_comparison(std::make_unique<DocumentComparison>(m_parts.session.document(),
                                                        m_parts.session.strings())) {
    m_compareAction = new QAction(this);
    m_compareAction->setObjectName(QStringLiteral("mnuCompare"));
    m_rules.add(m_compareAction, [this] { return m_parts.session.fileOpen(); });
    m_stopAction = new QAction(this);
    m_stopAction->setObjectName(QStringLiteral("mnuCloseCompare"));
    m_rules.add(m_stopAction, [this] { return m_comparison->active(); });
    m_takeAction = new QAction(this);
    m_takeAction->setObjectName(QStringLiteral("mnuTakeOther"));
    m_rules.add(m_takeAction, [this] { return canTakeCurrent(); });

    connect(m_compareAction, &QAction::triggered, this, &ComparisonController::compare);
    connect(m_stopAction, &QAction::triggered, this, &ComparisonController::stop);
    connect(m_takeAction, &QAction::triggered, this, &ComparisonController::takeOther);
    // Choosing a marked setting in its editor chooses its line in the list.
    connect(&m_parts.editorPanel, &EditorPanel::settingChosen, this,
            &ComparisonController::chooseDifferenceOf);
    m_comparisonConnection = m_comparison->addListener([this] { showComparison(); });
    m_sessionConnection = m_parts.session.addListener(
        [this](const SessionChange& change) { onSessionChange(change); });
    buildFolderComparison();
}

// The folder comparison listens to the session, which outlives this controller.
ComparisonController::~ComparisonController() {
    m_folderComparison.reset();
}

void ComparisonController::onSessionChange(const SessionChange& change) {
    if (change.allCells || !change.cells.empty())
        m_comparison->refresh();
    if (!change.file)
        return;
    if (!m_parts.session.fileOpen())
        stop();
    m_rules.refresh();
}

void ComparisonController::retranslate() {
    m_folderComparison->retranslate();
}

QList<QAction*> ComparisonController::fileMenuItems() const {
    return {m_compareAction, m_stopAction};
}

QList<QAction*> ComparisonController::folderMenuItems() const {
    return {m_folderComparison->compareFoldersAction()};
}

void ComparisonController::buildFolderComparison() {
    m_folderComparison = std::make_unique<FolderComparisonController>(
        m_parts.session,
        FolderComparisonController::Callbacks{
            [this] { return m_parts.definitionsPath().toStdString(); },
            [this](const QString& file, const QString& other) { openCompared(file, other); },
            [this](const QString& text) {
                showMessage(&m_window, MessageIcon::Information, text);
            }},
        &m_window);
}

void ComparisonController::openCompared(const QString& file, const QString& other) {
    FileController& files = m_parts.files;
    if (!files.confirmUnsavedChanges(Leaving::Open))
        return;
    files.openFile(file);
    if (pathText(m_parts.session.document().path()) == file)
        files.reportRefusal(
            m_comparison->start(m_parts.definitionsPath().toStdString(), other.toStdString()),
            other);
}

QList<QAction*> ComparisonController::editMenuItems() const {
    return {m_takeAction};
}

void ComparisonController::compare() {
    if (!m_parts.session.fileOpen())
        return;
    FileController& files = m_parts.files;
    const QString chosen = files.askForFileToOpen(UiString::CompareDialogTitle);
    if (chosen.isEmpty())
        return;
    const OpenOutcome outcome =
        m_comparison->start(m_parts.definitionsPath().toStdString(), chosen.toStdString());
    files.reportRefusal(outcome, chosen);
}

void ComparisonController::stop() {
    m_comparison->stop();
}

void ComparisonController::takeOther() {
    const int index = m_list ? m_list->currentDifference() : -1;
    const auto& differences = m_comparison->result().differences;
    if (index < 0 || static_cast<std::size_t>(index) >= differences.size())
        return;
    // The step's writes change the differences; the session works on a copy.
    const SettingDifference difference = differences[static_cast<std::size_t>(index)];
    (void)m_parts.session.takeOther(difference);
}

void ComparisonController::showComparison() {
    const bool active = m_comparison->active();
    const SeemComparison& result = m_comparison->result();
    markDifferences(result, m_parts.session.strings(), m_parts.editorPanel.markedEditors());
    m_rules.refresh();
    if (!m_list && !active)
        return;
    buildDock();
    m_list->showComparison(result, pathText(m_comparison->otherPath()), m_parts.session.strings());
    if (active != m_dock->isHidden())
        return;
    resizeForDock(active);
}

void ComparisonController::buildDock() {
    if (m_dock)
        return;
    m_list = new DifferenceList;
    m_dock = new QDockWidget(&m_window);
    m_dock->setObjectName(QStringLiteral("dockCompare"));
    m_dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    m_dock->setTitleBarWidget(new QWidget(m_dock));
    m_dock->setWidget(m_list);
    m_window.addDockWidget(Qt::BottomDockWidgetArea, m_dock);
    m_dock->hide();
    connect(m_list, &DifferenceList::differenceChosen, this, &ComparisonController::showDifference);
    connect(m_list, &DifferenceList::currentChanged, this, [this] { m_rules.refresh(); });
    m_list->setLineActions({m_takeAction});
}

// The list comes below the editors; the window grows by its height, so the
// editors keep their room, and gives back what it grew by when the list goes.
// The list's own height is no measure of that: the dock may have been given
// more or less than it asked for, or the screen may have capped the growth.
void ComparisonController::resizeForDock(bool shown) {
    const int pxSeparator = m_window.style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent);
    const bool resizable = !m_window.isMaximized() && !m_window.isFullScreen();
    if (!shown) {
        m_dock->setVisible(false);
        if (resizable && m_pxGrownForList > 0)
            m_window.resize(m_window.width(),
                            std::max(m_window.height() - m_pxGrownForList, m_pxHeightWithoutList));
        m_pxGrownForList = 0;
        return;
    }
    m_dock->setVisible(true);
    if (!resizable)
        return;
    const QScreen* shownOn = m_window.screen();
    const QRect room = shownOn ? shownOn->availableGeometry() : QRect();
    const int pxFrame = m_window.frameGeometry().height() - m_window.height();
    m_pxHeightWithoutList = m_window.height();
    int pxHeight = m_pxHeightWithoutList + m_dock->sizeHint().height() + pxSeparator;
    if (shownOn)
        pxHeight = std::max(m_pxHeightWithoutList, std::min(pxHeight, room.height() - pxFrame));
    m_window.resize(m_window.width(), pxHeight);
    m_pxGrownForList = pxHeight - m_pxHeightWithoutList;
    // A window grown past the bottom of the screen moves up.
    if (shownOn && m_window.frameGeometry().bottom() > room.bottom())
        m_window.move(m_window.x(), std::max(room.top(), room.bottom() + 1 - pxHeight - pxFrame));
}

void ComparisonController::showDifference(int index) {
    const auto& differences = m_comparison->result().differences;
    if (index < 0 || static_cast<std::size_t>(index) >= differences.size())
        return;
    const bool listHadFocus = m_list->list()->hasFocus();
    const SettingDifference& difference = differences[static_cast<std::size_t>(index)];
    m_parts.editorPanel.showSetting(difference.kind, uiText(difference.key), difference.firstCell);
    if (listHadFocus)
        m_list->list()->setFocus();
}

void ComparisonController::chooseDifferenceOf(SettingKind kind, const QString& key) {
    if (!m_comparison->active() || !m_list)
        return;
    const auto& differences = m_comparison->result().differences;
    int chosen = -1;
    for (std::size_t i = 0; i < differences.size() && chosen < 0; ++i) {
        if (differences[i].kind == kind && uiText(differences[i].key) == key)
            chosen = static_cast<int>(i);
    }
    m_list->setCurrentDifference(chosen);
}

bool ComparisonController::canTakeCurrent() const {
    const int index = m_list ? m_list->currentDifference() : -1;
    const auto& differences = m_comparison->result().differences;
    return m_comparison->active() && index >= 0 &&
           static_cast<std::size_t>(index) < differences.size() &&
           canTake(m_parts.session.grid(), differences[static_cast<std::size_t>(index)]);
}

} // namespace vantrel
