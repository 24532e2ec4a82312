// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ListenerList.h"
#include "core/editors/EditorKind.h"
#include "core/files/SeemFile.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/session/SessionTypes.h"
#include "gui/controllers/EnablingRules.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <string>

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QMainWindow;
class QMenu;

namespace vantrel {

class ByteGridView;
class EditingSession;
class ExternalChangeWatcher;
class RecentFilesMenu;
class SettingsStore;
class StatusSink;
struct OpenOutcome;

// The File menu's document commands: open, save, save as, reload, close and
// exit, the recent files, a file dropped on the window, and the questions
// before unsaved changes are set aside. The session decides what each does;
// this shows its answers (messages, questions, the tip, which editor).
class FileController : public QObject {
    Q_OBJECT

  public:
    // What the controller works with; the window shows what it opens.
    struct Parts {
        EditingSession& session;
        SettingsStore& settings; // the recent files
        StatusSink& status;
        ByteGridView& grid; // shows a cell that keeps a save from going ahead
        // Reads a seem file whole, off the window's thread; empty means readSeemFile.
        std::function<SeemFileRead(const std::string& path)> readFile;
        // Lays the window out for a file just opened in editor.
        std::function<void(EditorKind editor, OpenReason reason)> showOpenedFile;
        std::function<void()> showNoFile;
        std::function<void(EditorKind generator)> openGenerator;
        std::function<void(const Tip& tip)> showTip;
    };

    FileController(Parts parts, QMainWindow& window);
    ~FileController() override;

    // The bar that tells of the file changing on disk, over the window.
    void watchForExternalChanges();

    // Puts the actions into the File menu; the comparison's items go where
    // compareItemsAt stands.
    void fillMenu(QMenu* menu, const QList<QAction*>& comparisonItems);

    void openFile(const QString& path);
    // Asks the session's question before the open file is set aside, if it
    // has one. True when the caller may go on: nothing was changed, the user
    // discarded the changes, or they were saved.
    bool confirmUnsavedChanges(Leaving leaving);
    // True when the comparison refused its other file; the refusal was reported.
    bool reportRefusal(const OpenOutcome& outcome, const QString& path);
    // The Open dialog over seem files; empty when the user cancels.
    [[nodiscard]] QString askForFileToOpen(UiString titleString);

    // Adds a path the user chose to the recent-file list and its menu.
    void addRecentFile(const QString& path);
    // The recent-file list, oldest first.
    [[nodiscard]] const QStringList& recentFiles() const;
    void loadRecentFiles();

    void open();
    void save();
    void saveAs();
    // File > Reload repeats the whole opening, tip included; a quiet reload
    // (another program changed the file) brings no tip.
    void reload(OpenReason reason = OpenReason::Reload);
    void close();

    // Files dragged over or dropped on the window.
    void acceptDrag(QDragEnterEvent* event);
    void drop(QDropEvent* event);

  protected:
    // A right click on the empty window pops up the File menu.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void loadFile(const QString& path, OpenReason reason);
    // What the session answered to opening: a refusal, or the file shown in
    // its editor or generator, its message and its tip.
    void showOpened(const OpenResult& opened, OpenReason reason);
    void openDroppedFiles(const QStringList& files);
    void openRecentFile(const QString& path);
    // Saves to path (Save As when it is not the document's own); reports and
    // returns false on any failure, the file on disk untouched.
    bool saveDocument(const QString& path);
    bool finishSave(SaveResult saved, const std::string& path);
    void report(const UiMessage& message);
    [[nodiscard]] QString fileName() const;
    void retranslate();

    Parts m_parts;
    EditingSession& m_session;
    QMainWindow& m_window;
    QMenu* m_menu = nullptr;
    EnablingRules m_rules;
    QAction* m_openAction;
    QAction* m_saveAction;
    QAction* m_saveAsAction;
    QAction* m_reloadAction;
    QAction* m_closeAction;
    QAction* m_exitAction;
    QAction* m_recentFilesEnd;
    RecentFilesMenu* m_recentFiles = nullptr;
    ExternalChangeWatcher* m_changeWatcher = nullptr; // listens to the session
    ListenerConnection m_sessionConnection;
};

} // namespace vantrel
