// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/window/MainWindow.h"

#include "core/ProjectInfo.h"
#include "core/document/CellStatus.h"
#include "gui/controllers/ComparisonController.h"
#include "gui/controllers/EditController.h"
#include "gui/controllers/FileController.h"
#include "gui/controllers/GeneratorController.h"
#include "gui/controllers/LanguageController.h"
#include "gui/controllers/ShellController.h"
#include "gui/coverage/CoverageController.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/document/ByteGridView.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/i18n/UiText.h"
#include "gui/window/EditorPanel.h"
#include "gui/window/MainSurface.h"
#include "gui/window/ScreenFit.h"
#include "gui/window/StartPage.h"
#include "gui/window/StatusPanel.h"
#include "gui/window/Twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>

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
      m_caption(*this, m_document) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vantrel  V") + uiText(kProjectVersion));
    setAcceptDrops(true);
    m_appDir = m_env.appDir;
    if (!m_appDir.endsWith(QDir::separator()) && !m_appDir.endsWith(QLatin1Char('/')))
        m_appDir += QLatin1Char('/');
    buildControls();
    buildControllers();
    applyDesignCaptions(this);
    listenToDocument();
}

// Members die before QWidget deletes the children; the controls and
// controllers that listen to the document must go while it still exists.
MainWindow::~MainWindow() {
    m_coverage.reset(); // it listens to the comparison
    for (QObject* controller : std::initializer_list<QObject*>{
             m_generatorController, m_shellController, m_comparisonController, m_editController,
             m_fileController, m_languageController})
        delete controller;
    delete takeCentralWidget();
}

void MainWindow::buildControls() {
    m_surface = new MainSurface(this);
    setCentralWidget(m_surface);
    new ClientRoomKeeper(*this, *m_surface, MainSurface::designedSize());
    QWidget* canvas = m_surface->canvas();
    m_startPage = std::make_unique<StartPage>(canvas);
    m_gridView = new ByteGridView(m_document.grid(), m_language.strings(), canvas);
    m_editorPanel = new EditorPanel(m_document, m_language, *m_gridView, canvas);
    connect(m_editorPanel, &EditorPanel::statusPathChanged, this,
            [this](const QString& path) { setStatus(1, path); });
    connect(m_editorPanel, &EditorPanel::failed, this,
            [this](const QString& message) { showMessage(this, MessageIcon::Critical, message); });

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

    m_languageController =
        new LanguageController({m_language, m_document, m_settings, m_appDir, m_env.systemLcid,
                                [this] { return m_fileShown; }},
                               *this, m_menus.language);
    connect(this, &MainWindow::documentStateChanged, m_languageController,
            &LanguageController::refreshEnabling);
    // After the captions: the hint is the string table's, not a caption.
    connect(m_languageController, &LanguageController::languageChanged, this,
            &MainWindow::showStartHint);
    m_fileController = new FileController(
        {m_document, m_language, m_settings, *this, m_caption, *m_gridView, m_env.readFile,
         [this] { return m_fileShown; },
         [this](const QString& path, bool reloaded) { showOpenedFile(path, reloaded); },
         [this] { showDocumentState(false); }},
        *this);
    connect(this, &MainWindow::documentStateChanged, m_fileController,
            &FileController::refreshEnabling);
    m_editController = new EditController(
        m_document, m_language.strings(), m_settings, *m_editorPanel, *m_gridView,
        [this] { return m_fileShown; }, *this);
    connect(this, &MainWindow::documentStateChanged, m_editController,
            &EditController::refreshEnabling);
    connect(m_languageController, &LanguageController::languageChanged, m_editController,
            &EditController::retranslate);
    m_comparisonController = new ComparisonController(
        {m_document, m_language.strings(), *m_editorPanel, *m_fileController,
         [this] { return m_languageController->definitionsPath(); },
         [this] { return m_fileShown; }},
        *this);
    connect(this, &MainWindow::documentStateChanged, m_comparisonController,
            &ComparisonController::followDocumentState);
    buildCoverage();
    m_fileController->watchForExternalChanges();
    m_shellController =
        new ShellController(m_language, m_settings, m_appDir, m_catalog, *m_fileController, *this);
    m_generatorController = new GeneratorController(m_document, m_language, m_caption, *this);

    m_fileController->fillMenu(m_menus.file, m_comparisonController->fileMenuItems() +
                                                 QList<QAction*>{m_coverage->suggestAction()} +
                                                 m_comparisonController->folderMenuItems());
    m_editController->fillMenu(m_menus.edit, m_comparisonController->editMenuItems());
    m_generatorController->fillMenu(m_menus.tools);
    m_menus.tools->addSeparator();
    m_shellController->fillToolsMenu(m_menus.tools);
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
        if (!m_fileShown && m_gridView->isHidden())
            setStatus(1, uiText(strings(), UiString::StatusNoFile));
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
        CoverageParts{*this, m_document, *m_gridView, m_settings, m_language.strings(),
                      m_comparisonController->comparison(),
                      [this] { return m_languageController->definitionsPath(); },
                      [this](const CoveredItem& item) {
                          m_editorPanel->showSetting(item.kind, uiText(item.key), item.firstCell);
                      }});
}

void MainWindow::listenToDocument() {
    connect(m_gridView, &ByteGridView::cellFocused, this, &MainWindow::showCellStatus);
    // The status line describes the current cell as it reads now, whoever wrote it.
    m_gridConnection = m_document.grid().addListener([this](int index) {
        if (!m_cellStatusShown)
            return;
        if (index < 0) {
            setStatus(2, QString());
            m_cellStatusShown = false;
        } else if (index == m_document.grid().currentCell()) {
            showCellStatus(index);
        }
    });
    m_stateConnection = m_document.addStateListener([this](const DocumentChange& change) {
        if (change.modified || change.file)
            m_caption.refresh();
        setNotice(QString()); // a notice speaks of the document as it was
    });
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    m_fileController->acceptDrag(event);
}

void MainWindow::dropEvent(QDropEvent* event) {
    m_fileController->drop(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_fileController->confirmUnsavedChanges())
        QMainWindow::closeEvent(event);
    else
        event->ignore();
}

void MainWindow::openFile(const QString& path) {
    m_fileController->openFile(path);
}

void MainWindow::showOpenedFile(const QString& path, bool reloaded) {
    // A reload leaves the keys where they were; a new file starts in its editor.
    const QPointer<QWidget> hadFocus = reloaded ? focusWidget() : nullptr;
    m_comparisonController->stop();
    m_caption.showFile(path, false);
    m_editorPanel->clear();
    m_gridView->setCellsEnabled(true);
    placeGrid(false);
    const XmlElement type = m_document.type();
    const std::string length = std::to_string(m_document.grid().cellCount());
    if (!type) {
        showBytesOnly(uiText(strings(), UiString::StatusNoTypeMatches, {length}));
        return;
    }
    const std::string typeName = m_document.typeName();
    switch (EditorPanel::kindOf(typeName)) {
    case EditorPanel::Kind::Editor:
        showDocumentState(true);
        m_editorPanel->show(type);
        placeGrid(false); // below the editor's panel, which may be taller than designed
        if (hadFocus && hadFocus != this && !hadFocus->isHidden() && hadFocus->isEnabled())
            hadFocus->setFocus(Qt::OtherFocusReason);
        else
            m_editorPanel->focusEditor();
        // The tip is about a file the user opens, not about reading it again.
        if (!reloaded)
            m_shellController->showTypeAlert(type);
        return;
    case EditorPanel::Kind::Generator:
        showDocumentState(false);
        m_generatorController->openFor(typeName);
        return;
    case EditorPanel::Kind::None:
        showMessage(this, MessageIcon::Critical, uiText(strings(), UiString::TypeWithoutEditor));
        showBytesOnly(uiText(strings(), UiString::StatusNoEditor, {typeName, length}));
        return;
    }
}

// The bytes over the whole window, with no editor and no start page behind
// them; the menus stay as the last editor left them.
void MainWindow::showBytesOnly(const QString& status) {
    placeGrid(true);
    m_editorPanel->hideInformation();
    m_startPage->setVisible(false);
    m_gridView->show();
    m_gridView->setEnabled(true);
    m_gridView->setNavigationEnabled(true);
    m_gridView->setFocus(Qt::OtherFocusReason);
    setStatus(2, QString());
    m_cellStatusShown = false;
    m_noticeShown = false;
    setStatus(1, status);
}

void MainWindow::showDocumentState(bool loaded) {
    m_fileShown = loaded;
    m_gridView->setEnabled(loaded);
    m_gridView->setVisible(loaded);
    m_gridView->setNavigationEnabled(loaded);
    m_editorPanel->setLoaded(loaded);
    m_startPage->setVisible(!loaded);
    // The start page has no control to hold the focus: the window keeps it,
    // so keys still reach the menus' shortcuts.
    if (!loaded)
        setFocus(Qt::OtherFocusReason);
    setStatus(2, QString());
    m_cellStatusShown = false;
    m_noticeShown = false;
    setStatus(1, uiText(strings(), loaded ? UiString::StatusFileOpen : UiString::StatusNoFile));
    emit documentStateChanged();
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

QString MainWindow::statusText(int panel) const {
    return m_statusPanels[panel - 1]->text();
}

void MainWindow::showStartHint() {
    m_startPage->setHint(uiText(strings().multiline(UiString::StartPageHint)));
}

void MainWindow::showCellStatus(int index) {
    const ByteGrid& grid = m_document.grid();
    setStatus(2, uiText(cellStatusText(index, grid.text(index), strings())));
    m_cellStatusShown = true;
    m_noticeShown = false;
}

} // namespace vantrel
