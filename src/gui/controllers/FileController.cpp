// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/FileController.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/session/EditingSession.h"
#include "desktop/files/FileDialogOptions.h"
#include "gui/controllers/StatusSink.h"
#include "gui/dialogs/BackgroundRead.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/document/ByteGridView.h"
#include "gui/document/ExternalChangeWatcher.h"
#include "gui/i18n/UiText.h"
#include "gui/shell/RecentFilesMenu.h"
#include "gui/widgets/FileDrop.h"

#include <QAction>
#include <QDropEvent>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>

namespace vantrel {

namespace {

constexpr FileDialogOption kOpenOptions =
    FileDialogOption::MustExist | FileDialogOption::HideReadOnly;
constexpr FileDialogOption kSaveAsOptions = FileDialogOption::ConfirmOverwrite;

QAction* newAction(QObject* owner, const char* name) {
    auto* action = new QAction(owner);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

FileController::FileController(Parts parts, QMainWindow& window)
    : QObject(&window), m_parts(std::move(parts)), m_session(m_parts.session), m_window(window) {
    const auto whileLoaded = [this] { return m_session.fileOpen(); };
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
    connect(m_reloadAction, &QAction::triggered, this, [this] { reload(); });
    connect(m_closeAction, &QAction::triggered, this, &FileController::close);
    connect(m_exitAction, &QAction::triggered, &m_window, &QWidget::close);
    m_window.installEventFilter(this);
    m_sessionConnection = m_session.addListener([this](const SessionChange& change) {
        if (change.file)
            m_rules.refresh();
    });
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
    m_recentFiles->setEmptyText(uiText(m_session.strings(), UiString::RecentFilesEmpty));
}

QString FileController::fileName() const {
    return pathText(m_session.document().path());
}

void FileController::openFile(const QString& path) {
    loadFile(path, OpenReason::Open);
}

void FileController::loadFile(const QString& path, OpenReason reason) {
    const std::string file = path.toStdString();
    const auto& readFile = m_parts.readFile;
    SeemFileRead read =
        readInBackground(&m_window, m_session.language(), file, readFile ? readFile : readSeemFile);
    showOpened(m_session.accept(file, std::move(read), reason), reason);
}

void FileController::showOpened(const OpenResult& opened, OpenReason reason) {
    if (!opened.opened) {
        if (opened.message)
            report(*opened.message);
        return;
    }
    m_parts.showOpenedFile(opened.editor, reason);
    if (opened.message)
        report(*opened.message);
    if (isGenerator(opened.editor))
        m_parts.openGenerator(opened.editor);
    if (opened.tip)
        m_parts.showTip(*opened.tip);
}

void FileController::report(const UiMessage& message) {
    showMessage(&m_window, message.icon, uiText(m_session.strings(), message));
}

bool FileController::reportRefusal(const OpenOutcome& outcome, const QString& path) {
    const auto refusal = openRefusal(outcome, path.toStdString());
    if (refusal)
        report(*refusal);
    return refusal.has_value();
}

QString FileController::askForFileToOpen(UiString titleString) {
    StandardDialog dialog;
    dialog.setOwner(&m_window);
    dialog.setTitle(uiText(m_session.strings(), titleString));
    dialog.setFilter(uiText(m_session.strings(), UiString::SeemFileFilter));
    dialog.setOptions(kOpenOptions);
    dialog.show(StandardDialog::Action::Open);
    return dialog.fileName();
}

bool FileController::confirmUnsavedChanges(Leaving leaving) {
    const std::optional<Question> question = m_session.questionBefore(leaving);
    if (!question)
        return true;
    switch (askQuestion(&m_window, m_session.strings(), *question)) {
    case Answer::Save:
        return saveDocument(fileName());
    case Answer::Discard:
    case Answer::Reload:
        return true;
    case Answer::Cancel:
    case Answer::Overwrite:
        break;
    }
    return false;
}

void FileController::watchForExternalChanges() {
    // The bar's Reload asks as File > Reload does, but brings no tip.
    m_changeWatcher = new ExternalChangeWatcher(
        m_session, [this] { reload(OpenReason::QuietReload); }, &m_window);
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
    if (!confirmUnsavedChanges(Leaving::Open))
        return;
    const QString chosen = askForFileToOpen(UiString::OpenDialogTitle);
    if (chosen.isEmpty())
        return;
    if (chosen != fileName())
        addRecentFile(chosen);
    openFile(chosen);
}

void FileController::save() {
    if (m_session.fileOpen())
        saveDocument(fileName());
}

void FileController::saveAs() {
    StandardDialog dialog;
    dialog.setOwner(&m_window);
    dialog.setTitle(uiText(m_session.strings(), UiString::SaveAsDialogTitle));
    dialog.setFilter(uiText(m_session.strings(), UiString::SeemFileFilter));
    dialog.setOptions(kSaveAsOptions);
    dialog.setFileName(fileName().isEmpty() ? pathText(m_session.fileNameToSave()) : fileName());
    dialog.show(StandardDialog::Action::Save);
    const QString chosen = dialog.fileName();
    if (chosen.isEmpty())
        return;
    if (chosen != fileName())
        addRecentFile(chosen);
    // Through Save As even onto the file's own name, which the caption then shows as saved.
    const std::string file = chosen.toStdString();
    finishSave(m_session.saveAs(file), file);
}

// Reload throws the edits away on purpose, so it only asks to be sure.
void FileController::reload(OpenReason reason) {
    if (!m_session.fileOpen() || !confirmUnsavedChanges(Leaving::Reload))
        return;
    loadFile(fileName(), reason);
}

void FileController::close() {
    if (!confirmUnsavedChanges(Leaving::Close))
        return;
    m_session.close();
    m_parts.showNoFile();
}

bool FileController::saveDocument(const QString& path) {
    const std::string file = path.toStdString();
    return finishSave(path == fileName() ? m_session.save() : m_session.saveAs(file), file);
}

// Another program's change is written over only when the user says so; a
// Reload answer reads the file again, quietly, instead of saving.
bool FileController::finishSave(SaveResult saved, const std::string& path) {
    if (saved.status == SaveResult::Status::Asked && saved.question) {
        const Answer answer = askQuestion(&m_window, m_session.strings(), *saved.question);
        if (answer == Answer::Reload) {
            showOpened(m_session.reload(OpenReason::QuietReload), OpenReason::QuietReload);
            return false;
        }
        saved = m_session.answerSave(path, answer);
    }
    switch (saved.status) {
    case SaveResult::Status::Saved:
        return true;
    case SaveResult::Status::InvalidCell:
        showMessage(&m_window, MessageIcon::Critical, uiText(saved.message));
        m_parts.grid.focusCell(saved.invalidCell);
        return false;
    case SaveResult::Status::Failed:
        showMessage(&m_window, MessageIcon::Critical, uiText(saved.message));
        return false;
    case SaveResult::Status::Asked:
    case SaveResult::Status::Cancelled:
        break;
    }
    return false;
}

// The entry opens as it stands, whatever its caption shows; a file that has
// gone is reported and its entry kept, in case it comes back.
void FileController::openRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        showMessage(&m_window, MessageIcon::Critical,
                    uiText(m_session.strings(), UiString::RecentFileMissing, {path.toStdString()}));
        return;
    }
    if (confirmUnsavedChanges(Leaving::Open))
        openFile(path);
}

// A file dropped on the window (or named on the command line) takes the road
// of File > Open: the unsaved-changes question, then the document.
void FileController::openDroppedFiles(const QStringList& files) {
    if (files.isEmpty() || !confirmUnsavedChanges(Leaving::Open))
        return;
    const QString& first = files.front();
    if (first != fileName())
        addRecentFile(first);
    openFile(first);
    if (files.size() > 1)
        m_parts.status.setNotice(uiText(m_session.strings(), UiString::DroppedSeveral,
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
        if (release->button() == Qt::RightButton && !m_session.fileOpen() && m_menu)
            m_menu->popup(release->globalPosition().toPoint());
    }
    return false;
}

} // namespace vantrel
