// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/FileController.h"

#include "core/document/SaveFailureMessage.h"
#include "core/document/SeemDocument.h"
#include "core/files/DialogValues.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/LanguageFile.h"
#include "gui/controllers/StatusSink.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/document/ByteGridView.h"
#include "gui/document/ExternalChangeWatcher.h"
#include "gui/i18n/UiText.h"
#include "gui/shell/RecentFilesMenu.h"
#include "gui/window/FileDrop.h"
#include "gui/window/WindowCaption.h"
#include "gui/windows/BackgroundRead.h"

#include <QAction>
#include <QDropEvent>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>

#include <cstdio>

namespace vantrel {

namespace {

constexpr std::int32_t kOpenFlags = FileDialogFlag::FileMustExist | FileDialogFlag::HideReadOnly;
constexpr std::int32_t kSaveAsFlags = FileDialogFlag::OverwritePrompt;

QAction* newAction(QObject* owner, const char* name) {
    auto* action = new QAction(owner);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

FileController::FileController(Parts parts, QMainWindow& window)
    : QObject(&window), m_parts(std::move(parts)), m_window(window) {
    const auto whileLoaded = [this] { return m_parts.fileShown(); };
    m_openAction = newAction(this, "mnuOpen");
    m_openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_saveAction = newAction(this, "mnuSave");
    m_saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_rules.add(m_saveAction, whileLoaded);
    m_saveAsAction = newAction(this, "mnuSaveAs");
    m_rules.add(m_saveAsAction, whileLoaded);
    m_reloadAction = newAction(this, "mnuReload");
    m_rules.add(m_reloadAction, whileLoaded);
    m_closeAction = newAction(this, "mnuClose");
    m_rules.add(m_closeAction, whileLoaded);
    m_exitAction = newAction(this, "mnuExit");
    m_recentFilesEnd = new QAction(this);
    m_recentFilesEnd->setSeparator(true);

    connect(m_openAction, &QAction::triggered, this, &FileController::open);
    connect(m_saveAction, &QAction::triggered, this, &FileController::save);
    connect(m_saveAsAction, &QAction::triggered, this, &FileController::saveAs);
    connect(m_reloadAction, &QAction::triggered, this, &FileController::reload);
    connect(m_closeAction, &QAction::triggered, this, &FileController::close);
    connect(m_exitAction, &QAction::triggered, &m_window, &QWidget::close);
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
    m_menu = menu;
    m_recentFiles = new RecentFilesMenu(menu, m_recentFilesEnd, m_parts.settings);
    connect(m_recentFiles, &RecentFilesMenu::fileChosen, this, &FileController::openRecentFile);
}

void FileController::retranslate() {
    m_recentFiles->setEmptyText(uiText(m_parts.language.strings(), UiString::RecentFilesEmpty));
}

QString FileController::fileName() const {
    return pathText(m_parts.document.path());
}

void FileController::openFile(const QString& path) {
    loadFile(path, false);
}

void FileController::reread() {
    loadFile(fileName(), true);
}

void FileController::loadFile(const QString& path, bool reloading) {
    const std::string file = path.toStdString();
    const auto& readFile = m_parts.readFile;
    SeemFileRead read =
        readInBackground(&m_window, m_parts.language, file, readFile ? readFile : readSeemFile);
    const OpenOutcome outcome = m_parts.document.accept(file, std::move(read));
    if (!reportRefusal(outcome, path))
        m_parts.showOpenedFile(path, reloading);
}

bool FileController::reportRefusal(const OpenOutcome& outcome, const QString& path) {
    const UiStrings& strings = m_parts.language.strings();
    switch (outcome.status) {
    case OpenOutcome::Status::Opened:
        return false;
    case OpenOutcome::Status::TooLarge:
        showMessage(&m_window, MessageIcon::Critical,
                    uiText(m_parts.language.strings(), UiString::TooLarge));
        break;
    case OpenOutcome::Status::Empty:
        showMessage(&m_window, MessageIcon::Critical,
                    uiText(strings, UiString::EmptyFile, {path.toStdString()}));
        break;
    case OpenOutcome::Status::Failed:
        showMessage(&m_window, MessageIcon::Critical,
                    uiText(strings, UiString::ReadFailed, {path.toStdString(), outcome.reason}));
        break;
    }
    return true;
}

QString FileController::askForFileToOpen(UiString titleString) {
    StandardDialog dialog;
    dialog.setOwner(&m_window);
    dialog.setTitle(uiText(m_parts.language.strings(), titleString));
    dialog.setFilter(uiText(m_parts.language.strings(), UiString::SeemFileFilter));
    dialog.setFlags(kOpenFlags);
    dialog.show(StandardDialog::Action::Open);
    return dialog.fileName();
}

bool FileController::confirmUnsavedChanges() {
    SeemDocument& document = m_parts.document;
    if (!document.isModified())
        return true;
    const QString text =
        uiText(m_parts.language.strings(), UiString::AskSaveChanges, {document.path()});
    const int answer = askQuestion(&m_window, MessageIcon::Warning, text,
                                   {uiText(m_parts.language.strings(), UiString::ButtonSave),
                                    uiText(m_parts.language.strings(), UiString::ButtonDiscard),
                                    uiText(m_parts.language.strings(), UiString::ButtonCancel)},
                                   AnswerSave, AnswerCancel);
    if (answer == AnswerSave)
        return saveDocument(fileName());
    return answer == AnswerDiscard;
}

void FileController::watchForExternalChanges() {
    // The bar's Reload is File > Reload, question and all.
    m_changeWatcher = new ExternalChangeWatcher(
        m_parts.document, m_parts.language, [this] { reload(); }, &m_window);
    connect(m_changeWatcher, &ExternalChangeWatcher::statusMessage, this,
            [this](const QString& text) { m_parts.status.setNotice(text); });
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
    if (chosen != fileName())
        addRecentFile(chosen);
    openFile(chosen);
}

void FileController::save() {
    if (m_parts.fileShown())
        saveDocument(fileName());
}

void FileController::saveAs() {
    StandardDialog dialog;
    dialog.setOwner(&m_window);
    dialog.setTitle(uiText(m_parts.language.strings(), UiString::SaveAsDialogTitle));
    dialog.setFilter(uiText(m_parts.language.strings(), UiString::SeemFileFilter));
    dialog.setFlags(kSaveAsFlags);
    dialog.setFileName(fileName());
    dialog.show(StandardDialog::Action::Save);
    const QString chosen = dialog.fileName();
    if (chosen.isEmpty())
        return;
    if (chosen != fileName())
        addRecentFile(chosen);
    if (saveDocument(chosen))
        m_parts.caption.showFile(chosen, true);
}

// Reload throws the edits away on purpose, so it only asks to be sure.
void FileController::reload() {
    SeemDocument& document = m_parts.document;
    if (!document.hasFile())
        return;
    if (document.isModified()) {
        const QString text =
            uiText(m_parts.language.strings(), UiString::AskReload, {document.path()});
        constexpr int kReload = 0;
        constexpr int kCancel = 1;
        if (askQuestion(&m_window, MessageIcon::Warning, text,
                        {uiText(m_parts.language.strings(), UiString::ButtonReload),
                         uiText(m_parts.language.strings(), UiString::ButtonCancel)},
                        kCancel, kCancel) != kReload)
            return;
    }
    reread();
}

void FileController::close() {
    if (!confirmUnsavedChanges())
        return;
    m_parts.showNoFile();
    m_parts.document.close();
    m_parts.caption.showFile(QString(), false);
}

// Saves to path (Save As when it is not the document's own); reports and
// returns false on any failure, the file on disk untouched.
bool FileController::saveDocument(const QString& path) {
    const SaveOutcome outcome = saveOverDiskChange(path, path != fileName());
    switch (outcome.status) {
    case SaveOutcome::Status::Saved:
        return true;
    case SaveOutcome::Status::InvalidCell: {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(outcome.invalidCell));
        showMessage(&m_window, MessageIcon::Critical,
                    uiText(m_parts.language.strings(), UiString::InvalidCell,
                           {std::to_string(outcome.invalidCell), hex}));
        m_parts.grid.focusCell(outcome.invalidCell);
        return false;
    }
    case SaveOutcome::Status::WriteFailed:
        showMessage(
            &m_window, MessageIcon::Critical,
            uiText(saveFailureMessage(m_parts.language.strings(), path.toStdString(), outcome)));
        return false;
    case SaveOutcome::Status::ChangedOnDisk:
        return false; // the user chose Reload or Cancel
    }
    return false;
}

SaveOutcome FileController::saveOverDiskChange(const QString& path, bool saveAs) {
    const std::string file = path.toStdString();
    SeemDocument& document = m_parts.document;
    const auto write = [&](bool overwrite) {
        return saveAs ? document.saveAs(file, overwrite) : document.save(overwrite);
    };
    SaveOutcome outcome = write(false);
    if (outcome.status != SaveOutcome::Status::ChangedOnDisk)
        return outcome;
    const UiStrings& strings = m_parts.language.strings();
    if (document.diskState() == DiskState::Missing) {
        const int answer = askQuestion(&m_window, MessageIcon::Warning,
                                       uiText(strings, UiString::AskSaveMissing, {file}),
                                       {uiText(m_parts.language.strings(), UiString::ButtonSave),
                                        uiText(m_parts.language.strings(), UiString::ButtonCancel)},
                                       0, 1);
        return answer == 0 ? write(true) : outcome;
    }
    constexpr int kOverwrite = 0;
    constexpr int kReload = 1;
    constexpr int kCancel = 2;
    const int answer = askQuestion(&m_window, MessageIcon::Warning,
                                   uiText(strings, UiString::ChangedOnDiskQuestion, {file}),
                                   {uiText(m_parts.language.strings(), UiString::ButtonOverwrite),
                                    uiText(m_parts.language.strings(), UiString::ButtonReload),
                                    uiText(m_parts.language.strings(), UiString::ButtonCancel)},
                                   kCancel, kCancel);
    if (answer == kOverwrite)
        return write(true);
    if (answer == kReload)
        reread();
    return outcome;
}

// The entry opens as it stands, whatever its caption shows; a file that has
// gone is reported and its entry kept, in case it comes back.
void FileController::openRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        showMessage(
            &m_window, MessageIcon::Critical,
            uiText(m_parts.language.strings(), UiString::RecentFileMissing, {path.toStdString()}));
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
    if (first != fileName())
        addRecentFile(first);
    openFile(first);
    if (files.size() > 1)
        m_parts.status.setNotice(uiText(m_parts.language.strings(), UiString::DroppedSeveral,
                                        {std::to_string(files.size()), first.toStdString()}));
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
        if (release->button() == Qt::RightButton && !m_parts.fileShown() && m_menu)
            m_menu->popup(release->globalPosition().toPoint());
    }
    return false;
}

} // namespace vantrel
