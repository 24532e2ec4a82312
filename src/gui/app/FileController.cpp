// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/FileController.h"

#include "core/document/SaveFailureMessage.h"
#include "core/i18n/BuiltinStrings.h"
#include "gui/app/FileDrop.h"
#include "gui/app/MainWindow.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/document/ByteGridView.h"
#include "gui/document/ExternalChangeWatcher.h"
#include "gui/shell/RecentFilesMenu.h"
#include "gui/windows/BackgroundRead.h"

#include <QAction>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>

#include <cstdio>

namespace vantrel {

namespace {

constexpr int kOpenFlags = 4100; // the file must exist; no read-only box
constexpr int kSaveAsFlags = 2;  // ask before replacing a file

QAction* newAction(QObject* owner, const char* name, const char* designCaption) {
    auto* action = new QAction(QString::fromUtf8(designCaption), owner);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

FileController::FileController(MainWindow& window) : QObject(&window), m_window(window) {
    const auto whileLoaded = [this] { return m_window.isLoaded(); };
    m_openAction = newAction(this, "mnuOpen", "打开(&O)...");
    m_openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_saveAction = newAction(this, "mnuSave", "保存(&S)");
    m_saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_rules.add(m_saveAction, whileLoaded);
    m_saveAsAction = newAction(this, "mnuSaveAs", "另存为(&A)...");
    m_rules.add(m_saveAsAction, whileLoaded);
    m_reloadAction = newAction(this, "mnuReload", "重新载入(&R)");
    m_rules.add(m_reloadAction, whileLoaded);
    m_closeAction = newAction(this, "mnuClose", "关闭(&C)");
    m_rules.add(m_closeAction, whileLoaded);
    m_exitAction = newAction(this, "mnuExit", "退出(&X)");
    m_recentFilesEnd = new QAction(this);
    m_recentFilesEnd->setSeparator(true);

    connect(m_openAction, &QAction::triggered, this, &FileController::open);
    connect(m_saveAction, &QAction::triggered, this, &FileController::save);
    connect(m_saveAsAction, &QAction::triggered, this, &FileController::saveAs);
    connect(m_reloadAction, &QAction::triggered, this, &FileController::reload);
    connect(m_closeAction, &QAction::triggered, this, &FileController::close);
    connect(m_exitAction, &QAction::triggered, &m_window, &QWidget::close);
    connect(&m_window, &MainWindow::documentStateChanged, this, [this] { m_rules.refresh(); });
    m_window.installEventFilter(this);
}

void FileController::fillMenu(QMenu* menu, const QList<QAction*>& comparisonItems) {
    menu->addActions({m_openAction, m_saveAction, m_saveAsAction});
    menu->addSeparator();
    menu->addActions(comparisonItems);
    menu->addSeparator();
    menu->addActions({m_reloadAction, m_closeAction});
    menu->addSeparator();
    menu->addAction(m_recentFilesEnd);
    menu->addAction(m_exitAction);
    m_recentFiles = new RecentFilesMenu(menu, m_recentFilesEnd, m_window.settings());
    connect(m_recentFiles, &RecentFilesMenu::fileChosen, this, &FileController::openRecentFile);
}

void FileController::retranslate() {
    m_recentFiles->setEmptyText(m_window.str(UiString::RecentFilesEmpty));
}

void FileController::openFile(const QString& path) {
    const std::string file = path.toStdString();
    const auto& readFile = m_window.environment().readFile;
    SeemFileRead read =
        readInBackground(&m_window, m_window.language(), file, readFile ? readFile : readSeemFile);
    const OpenOutcome outcome = m_window.document().accept(file, std::move(read));
    if (!reportRefusal(outcome, path))
        m_window.showOpenedFile(path);
}

bool FileController::reportRefusal(const OpenOutcome& outcome, const QString& path) {
    const UiStrings& strings = m_window.strings();
    switch (outcome.status) {
    case OpenOutcome::Status::Opened:
        return false;
    case OpenOutcome::Status::TooLarge:
        showMessage(&m_window, MessageIcon::Critical, m_window.str(UiString::TooLarge));
        break;
    case OpenOutcome::Status::Empty:
        showMessage(
            &m_window, MessageIcon::Critical,
            QString::fromStdString(strings.format(UiString::EmptyFile, {path.toStdString()})));
        break;
    case OpenOutcome::Status::Failed:
        showMessage(&m_window, MessageIcon::Critical,
                    QString::fromStdString(strings.format(UiString::ReadFailed,
                                                          {path.toStdString(), outcome.reason})));
        break;
    }
    return true;
}

QString FileController::askForFileToOpen(UiString titleString) {
    StandardDialog dialog;
    dialog.setOwner(&m_window);
    dialog.setTitle(QString::fromStdString(m_window.strings().get(titleString)));
    dialog.setFilter(m_window.str(UiString::SeemFileFilter));
    dialog.setFlags(kOpenFlags);
    dialog.setAction(StandardDialog::Open);
    return dialog.fileName();
}

bool FileController::confirmUnsavedChanges() {
    SeemDocument& document = m_window.document();
    if (!document.isModified())
        return true;
    const QString text = QString::fromStdString(
        m_window.strings().format(UiString::AskSaveChanges, {document.path()}));
    const int answer =
        askQuestion(&m_window, MessageIcon::Warning, text,
                    {m_window.str(UiString::ButtonSave), m_window.str(UiString::ButtonDiscard),
                     m_window.str(UiString::ButtonCancel)},
                    AnswerSave, AnswerCancel);
    if (answer == AnswerSave)
        return saveDocument(m_window.fileName());
    return answer == AnswerDiscard;
}

void FileController::watchForExternalChanges() {
    m_changeWatcher = new ExternalChangeWatcher(
        m_window.document(), m_window.language(), [this] { openFile(m_window.fileName()); },
        &m_window);
    m_window.addToolBar(Qt::TopToolBarArea, m_changeWatcher);
    connect(m_changeWatcher, &ExternalChangeWatcher::statusMessage, this,
            [this](const QString& text) { m_window.setStatus(2, text); });
}

// The watcher listens to the document, which must outlive it.
FileController::~FileController() {
    delete m_changeWatcher;
}

void FileController::addRecentFile(const QString& path) {
    m_recentFiles->addRecentFile(path);
}

const QStringList& FileController::recentFiles() const {
    return m_recentFiles->paths();
}

void FileController::loadRecentFiles() {
    retranslate();
    m_recentFiles->rebuild();
}

void FileController::open() {
    if (!confirmUnsavedChanges())
        return;
    const QString chosen = askForFileToOpen(UiString::OpenDialogTitle);
    if (chosen.isEmpty())
        return;
    if (chosen != m_window.fileName())
        addRecentFile(chosen);
    openFile(chosen);
}

void FileController::save() {
    if (m_window.isLoaded())
        saveDocument(m_window.fileName());
}

void FileController::saveAs() {
    StandardDialog dialog;
    dialog.setOwner(&m_window);
    dialog.setTitle(m_window.str(UiString::SaveAsDialogTitle));
    dialog.setFilter(m_window.str(UiString::SeemFileFilter));
    dialog.setFlags(kSaveAsFlags);
    dialog.setFileName(m_window.fileName());
    dialog.setAction(StandardDialog::Save);
    const QString chosen = dialog.fileName();
    if (chosen.isEmpty())
        return;
    if (chosen != m_window.fileName())
        addRecentFile(chosen);
    if (saveDocument(chosen))
        m_window.setCaptionForFile(chosen, true);
}

// Reload throws the edits away on purpose, so it only asks to be sure.
void FileController::reload() {
    SeemDocument& document = m_window.document();
    if (document.path().empty())
        return;
    if (document.isModified()) {
        const QString text = QString::fromStdString(
            m_window.strings().format(UiString::AskReload, {document.path()}));
        constexpr int kReload = 0;
        constexpr int kCancel = 1;
        if (askQuestion(
                &m_window, MessageIcon::Warning, text,
                {m_window.str(UiString::ButtonReload), m_window.str(UiString::ButtonCancel)},
                kCancel, kCancel) != kReload)
            return;
    }
    openFile(m_window.fileName());
}

void FileController::close() {
    if (!confirmUnsavedChanges())
        return;
    m_window.showDocumentState(false);
    m_window.document().close();
    m_window.setCaptionForFile(QString(), false);
}

// Saves to path (Save As when it is not the document's own); reports and
// returns false on any failure, the file on disk untouched.
bool FileController::saveDocument(const QString& path) {
    const SaveOutcome outcome =
        m_changeWatcher->save(path.toStdString(), path != m_window.fileName());
    switch (outcome.status) {
    case SaveOutcome::Status::Saved:
        return true;
    case SaveOutcome::Status::InvalidCell: {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(outcome.invalidCell));
        showMessage(&m_window, MessageIcon::Critical,
                    QString::fromStdString(m_window.strings().format(
                        UiString::InvalidCell, {std::to_string(outcome.invalidCell), hex})));
        m_window.gridView()->focusCell(outcome.invalidCell);
        return false;
    }
    case SaveOutcome::Status::WriteFailed:
        showMessage(&m_window, MessageIcon::Critical,
                    QString::fromStdString(
                        saveFailureMessage(m_window.strings(), path.toStdString(), outcome)));
        return false;
    case SaveOutcome::Status::ChangedOnDisk:
        return false; // the user chose Reload or Cancel
    }
    return false;
}

// The entry opens as it stands, whatever its caption shows; a file that has
// gone is reported and its entry kept, in case it comes back.
void FileController::openRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        showMessage(&m_window, MessageIcon::Critical,
                    QString::fromStdString(m_window.strings().format(UiString::RecentFileMissing,
                                                                     {path.toStdString()})));
        return;
    }
    if (confirmUnsavedChanges())
        openFile(path);
}

// A file dropped on the window (or named on the command line) takes the road
// of File > Open: the unsaved-changes question, then the document.
void FileController::openDroppedFiles(const QStringList& files) {
    if (files.isEmpty() || !confirmUnsavedChanges())
        return;
    const QString& first = files.front();
    if (first != m_window.fileName())
        addRecentFile(first);
    openFile(first);
    if (files.size() > 1)
        m_window.setStatus(
            2, QString::fromStdString(m_window.strings().format(
                   UiString::DroppedSeveral, {std::to_string(files.size()), first.toStdString()})));
}

void FileController::acceptDrag(QDragEnterEvent* event) {
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void FileController::drop(QDropEvent* event) {
    const QStringList files = droppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    // The questions and messages of opening must not run while the drag
    // source still waits for the drop to finish.
    QTimer::singleShot(0, this, [this, files] { openDroppedFiles(files); });
}

bool FileController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() == Qt::RightButton && !m_window.isLoaded())
            m_window.menus().file->popup(release->globalPosition().toPoint());
    }
    return false;
}

} // namespace vantrel
