// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/window/MainWindow.h"

#include "core/document/CellStatus.h"
#include "gui/controllers/ComparisonController.h"
#include "gui/controllers/CoverageController.h"
#include "gui/controllers/EditController.h"
#include "gui/controllers/EditorPanel.h"
#include "gui/controllers/FileController.h"
#include "gui/controllers/FindController.h"
#include "gui/controllers/GeneratorController.h"
#include "gui/controllers/LanguageController.h"
#include "gui/controllers/RecipeController.h"
#include "gui/controllers/ShellController.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/document/ByteGridView.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/i18n/UiText.h"
#include "gui/widgets/MainSurface.h"
#include "gui/widgets/ScreenFit.h"
#include "gui/widgets/Twips.h"
#include "gui/window/StartPage.h"
#include "gui/window/StatusPanel.h"

#include <QCloseEvent>
#include <QDir>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace vantrel {

namespace {

constexpr int kStatusPanel1TwipWidth = 4600;

QRect toPixels(const layout::TwipRect& rect) {
    return twipRect(rect.twipLeft, rect.twipTop, rect.twipWidth, rect.twipHeight);
}

QMenu* newMenu(QWidget* owner, const char* name) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

MainWindow::MainWindow(MainWindowEnvironment environment, QWidget* parent)
    : QMainWindow(parent), m_env(std::move(environment)), m_settings(*m_env.settings),
      m_caption(*this, m_session, programCaption()) {
    setObjectName(QStringLiteral("Form1"));
    setAcceptDrops(true);
    m_appDir = m_env.appDir;
    if (!m_appDir.endsWith(QDir::separator()) && !m_appDir.endsWith(QLatin1Char('/')))
        m_appDir += QLatin1Char('/');
    buildControls();
    buildControllers();
    applyDesignCaptions(this);
    listenToSession();
}

// Members die before QWidget deletes the children; the controls and
// controllers that listen to the document must go while it still exists.
MainWindow::~MainWindow() {
    m_coverage.reset(); // it listens to the comparison
    for (QObject* controller : std::initializer_list<QObject*>{
             m_findController, m_generatorController, m_shellController, m_recipeController,
             m_comparisonController, m_editController, m_fileController, m_languageController})
        delete controller;
    delete takeCentralWidget();
}

void MainWindow::buildControls() {
    m_surface = new MainSurface(this);
    setCentralWidget(m_surface);
    new ClientRoomKeeper(*this, *m_surface, MainSurface::designedSize());
    QWidget* canvas = m_surface->canvas();
    m_startPage = std::make_unique<StartPage>(canvas);
    m_gridView = new ByteGridView(m_session, canvas);
    m_editorPanel = new EditorPanel(m_session, *m_gridView, canvas);
    connect(m_editorPanel, &EditorPanel::statusPathChanged, this,
            [this](const QString& path) { setStatus(1, path); });

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("staBar"));
    status->setSizeGripEnabled(false);
    for (StatusPanel*& panel : m_statusPanels)
        panel = new StatusPanel(status);
    // Panel 1 keeps its design width and shows its whole text where there is
    // room; panel 2 has the rest. Neither makes the window wider.
    m_statusPanels[0]->setMinimumWidth(px(kStatusPanel1TwipWidth));
    m_statusPanels[1]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    status->addWidget(m_statusPanels[0]);
    status->addWidget(m_statusPanels[1], 1);
    setStatusBar(status);
    m_surface->setLayoutHandler(
        [this](const layout::WindowLayout& windowLayout) { applyLayout(windowLayout); });
}

void MainWindow::buildControllers() {
    m_menus.file = newMenu(this, "mnuFile");
    m_menus.edit = newMenu(this, "mnuEdit");
    m_menus.tools = newMenu(this, "mnuTools");
    m_menus.language = newMenu(this, "mnuLanguage");
    m_menus.help = newMenu(this, "mnuHelp");

    m_languageController = new LanguageController(
        {m_language, m_session, m_settings, m_appDir, m_env.systemLcid}, *this, m_menus.language);
    // After the captions: the hint is the string table's, not a caption.
    connect(m_languageController, &LanguageController::languageChanged, this,
            &MainWindow::showStartHint);
    m_fileController = new FileController(
        {m_session, m_settings, *this, *m_gridView, m_env.readFile,
         [this](EditorKind editor, OpenReason reason) { showOpenedFile(editor, reason); },
         [this] { showEditorState(false); },
         [this](EditorKind generator) { m_generatorController->openFor(generator); },
         [this](const Tip& tip) { m_shellController->showTip(tip); }},
        *this);
    m_editController =
        new EditController(m_session, m_settings, *m_editorPanel, *m_gridView, *this);
    connect(m_languageController, &LanguageController::languageChanged, m_editController,
            &EditController::retranslate);
    m_comparisonController =
        new ComparisonController({m_session, *m_editorPanel, *m_fileController,
                                  [this] { return m_languageController->definitionsPath(); }},
                                 *this);
    m_recipeController = new RecipeController(m_session, *this);
    buildCoverage();
    m_fileController->watchForExternalChanges();
    m_shellController =
        new ShellController(m_language, m_settings, m_appDir, m_catalog, *m_fileController, *this);
    m_generatorController = new GeneratorController(m_session, *this);
    m_findController =
        new FindController({m_session, *m_editorPanel, *m_gridView, *m_fileController, *this,
                            [this] { return m_shellController->seemFolder(); }});
    connect(m_languageController, &LanguageController::languageChanged, m_findController,
            &FindController::retranslate);
    connect(m_generatorController, &GeneratorController::returnedToMainWindow, this,
            [this] { m_caption.showProgramName(); });

    m_fileController->fillMenu(m_menus.file, m_comparisonController->fileMenuItems() +
                                                 QList<QAction*>{m_coverage->suggestAction()} +
                                                 m_comparisonController->folderMenuItems() +
                                                 m_recipeController->fileMenuItems());
    m_editController->fillMenu(m_menus.edit, m_comparisonController->editMenuItems());
    m_findController->fillEditMenu(m_menus.edit);
    m_generatorController->fillMenu(m_menus.tools);
    m_menus.tools->addSeparator();
    m_shellController->fillToolsMenu(m_menus.tools);
    m_findController->fillToolsMenu(m_menus.tools);
    m_shellController->fillHelpMenu(m_menus.help);
    for (QMenu* menu : {m_menus.file, m_menus.edit, m_menus.tools, m_menus.language, m_menus.help})
        menuBar()->addMenu(menu);
    menuBar()->insertMenu(m_menus.tools->menuAction(), m_coverage->viewMenu());

    connect(m_editorPanel, &EditorPanel::contextMenuRequested, this,
            [this](const QPoint& globalPos) { m_menus.edit->popup(globalPos); });
    connect(m_languageController, &LanguageController::languageChanged, this, [this] {
        m_gridView->viewport()->update();
        m_coverage->retranslate();
        m_comparisonController->retranslate();
        m_recipeController->retranslate();
        if (!m_session.fileOpen())
            setStatus(1, uiText(strings(), m_session.statusLine()));
        // Captions in another script can make the bars taller: once they have
        // settled, the client area gets back the room it lost.
        QTimer::singleShot(0, this, [this] {
            layout()->activate();
            sizeToScreen();
        });
    });
}

// The coverage tools: the View menu, What is this byte? and Suggest definitions.
void MainWindow::buildCoverage() {
    m_coverage = std::make_unique<CoverageController>(
        CoverageParts{*this, m_session, *m_gridView, m_settings, m_language.strings(),
                      m_comparisonController->comparison(),
                      [this] { return m_languageController->definitionsPath(); },
                      [this](const CoveredItem& item) {
                          m_editorPanel->showSetting(item.kind, uiText(item.key), item.firstCell);
                      }});
}

void MainWindow::listenToSession() {
    connect(m_gridView, &ByteGridView::cellFocused, this, &MainWindow::showCellStatus);
    m_sessionConnection =
        m_session.addListener([this](const SessionChange& change) { onSessionChange(change); });
}

void MainWindow::onSessionChange(const SessionChange& change) {
    // The status line describes the current cell as it reads now, whoever wrote it.
    if (m_cellStatusShown && change.allCells) {
        setStatus(2, QString());
        m_cellStatusShown = false;
    } else if (m_cellStatusShown) {
        const int current = m_session.grid().currentCell();
        if (std::find(change.cells.begin(), change.cells.end(), current) != change.cells.end())
            showCellStatus(current);
    }
    // A notice speaks of the document as it was.
    if (change.modified || change.history || change.file || change.model)
        setNotice(QString());
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    m_fileController->acceptDrag(event);
}

void MainWindow::dropEvent(QDropEvent* event) {
    m_fileController->drop(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_fileController->confirmUnsavedChanges(Leaving::Exit))
        QMainWindow::closeEvent(event);
    else
        event->ignore();
}

void MainWindow::openFile(const QString& path) {
    m_fileController->openFile(path);
}

void MainWindow::showOpenedFile(EditorKind editor, OpenReason reason) {
    // A reload leaves the keys where they were; a new file starts in its editor.
    const QPointer<QWidget> hadFocus = reason == OpenReason::Open ? nullptr : focusWidget();
    m_comparisonController->stop();
    m_editorPanel->clear();
    m_gridView->setCellsEnabled(true);
    placeGrid(false);
    if (!isEditor(editor)) {
        if (isGenerator(editor))
            showEditorState(false);
        else
            showBytesOnly();
        return;
    }
    showEditorState(true);
    m_editorPanel->show(editor);
    placeGrid(false); // below the editor's panel, which may be taller than designed
    if (hadFocus && hadFocus != this && !hadFocus->isHidden() && hadFocus->isEnabled())
        hadFocus->setFocus(Qt::OtherFocusReason);
    else
        m_editorPanel->focusEditor();
}

// The bytes over the whole window, with no editor and no start page behind them.
void MainWindow::showBytesOnly() {
    placeGrid(true);
    m_editorPanel->hideInformation();
    m_startPage->setVisible(false);
    m_gridView->show();
    m_gridView->setEnabled(true);
    m_gridView->setNavigationEnabled(true);
    m_gridView->setFocus(Qt::OtherFocusReason);
    showSessionStatus();
}

void MainWindow::showEditorState(bool shown) {
    m_gridView->setEnabled(shown);
    m_gridView->setVisible(shown);
    m_gridView->setNavigationEnabled(shown);
    m_editorPanel->setLoaded(shown);
    m_startPage->setVisible(!shown);
    // The start page has no control to hold the focus: the window keeps it,
    // so keys still reach the menus' shortcuts.
    if (!shown)
        setFocus(Qt::OtherFocusReason);
    showSessionStatus();
}

// Status panel 1 as the session words its state; panel 2 speaks of nothing yet.
void MainWindow::showSessionStatus() {
    setStatus(2, QString());
    m_cellStatusShown = false;
    m_noticeShown = false;
    setStatus(1, uiText(strings(), m_session.statusLine()));
}

void MainWindow::applyLayout(const layout::WindowLayout& windowLayout) {
    m_layout = windowLayout;
    m_editorPanel->applyLayout(m_layout);
    placeGrid(m_gridFullWindow);
    m_startPage->shiftBy(
        QPoint(px(m_layout.twipStartPageShiftX), px(m_layout.twipStartPageShiftY)));
}

void MainWindow::placeGrid(bool fullWindow) {
    m_gridFullWindow = fullWindow;
    if (!fullWindow) {
        QRect area = toPixels(m_layout.gridArea);
        area.setTop(area.top() + std::min(m_editorPanel->pxGridShift(), area.height() / 2));
        m_gridView->setGeometry(area);
        return;
    }
    const QWidget* canvas = m_surface->canvas();
    m_gridView->setGeometry(px(120), px(300), canvas->width() - px(240),
                            canvas->height() - px(900));
}

void MainWindow::sizeToScreen() {
    if (isVisible()) {
        // Now the bars have their real heights (captions in another script
        // can make them taller than first thought): make up what the client
        // area still lacks of the designed size.
        const QSize lacking = (MainSurface::designedSize() - m_surface->size()).expandedTo({0, 0});
        fitWindowToScreen(this, size() + lacking);
        return;
    }
    const int pxBars = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    fitWindowToScreen(this, MainSurface::designedSize() + QSize(0, pxBars));
}

void MainWindow::setStatus(int panel, const QString& text) {
    m_statusPanels[panel - 1]->setStatusText(text);
}

void MainWindow::setNotice(const QString& text) {
    if (text.isEmpty() && !m_noticeShown)
        return;
    setStatus(2, text);
    m_noticeShown = !text.isEmpty();
    m_cellStatusShown = false;
}

void MainWindow::showStartHint() {
    m_startPage->setHint(uiText(strings().multiline(UiString::StartPageHint)));
}

void MainWindow::showCellStatus(int index) {
    const ByteGrid& grid = m_session.grid();
    setStatus(2, uiText(cellStatusText(index, grid.text(index), strings())));
    m_cellStatusShown = true;
    m_noticeShown = false;
}

} // namespace vantrel
