// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/SeemFile.h"
#include "core/i18n/BuiltinStrings.h"
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
class ExternalChangeWatcher;
class LanguageFile;
class RecentFilesMenu;
class SeemDocument;
class SettingsStore;
class StatusSink;
class WindowCaption;
struct OpenOutcome;
struct SaveOutcome;

// The File menu's document commands: open, save, save as, reload, close and
// exit, the recent files, a file dropped on the window, and the question
// before unsaved changes are set aside.
class FileController : public QObject {
    Q_OBJECT

  public:
    // The buttons of the unsaved-changes question, in order.
    enum UnsavedAnswer { AnswerSave, AnswerDiscard, AnswerCancel };

    // What the controller works with; the window shows what it opens.
    struct Parts {
        SeemDocument& document;
        const LanguageFile& language;
        SettingsStore& settings; // the recent files
        StatusSink& status;
        WindowCaption& caption;
        ByteGridView& grid; // shows a cell that keeps a save from going ahead
        // Reads a seem file whole, off the window's thread; empty means readSeemFile.
        std::function<SeemFileRead(const std::string& path)> readFile;
        std::function<bool()> fileShown;
        // reloaded: the same file read again (File > Reload, a change on disk).
        std::function<void(const QString& path, bool reloaded)> showOpenedFile;
        std::function<void()> showNoFile;
    };

    FileController(Parts parts, QMainWindow& window);
    ~FileController() override;

    // The bar that tells of the file changing on disk, over the window.
    void watchForExternalChanges();

    // Puts the actions into the File menu; the comparison's items go where
    // compareItemsAt stands.
    void fillMenu(QMenu* menu, const QList<QAction*>& comparisonItems);

    void openFile(const QString& path);
    // While the document has unsaved changes, asks Save / Discard / Cancel.
    // True when the caller may go on and set the document aside: nothing was
    // changed, the user discarded the changes, or they were saved.
    bool confirmUnsavedChanges();
    // True when the document refused the file; the refusal was reported.
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
    void reload();
    void close();
    // Applies each action's enabling rule again.
    void refreshEnabling() const { m_rules.refresh(); }

    // Files dragged over or dropped on the window.
    void acceptDrag(QDragEnterEvent* event);
    void drop(QDropEvent* event);

  protected:
    // A right click on the empty window pops up the File menu.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void loadFile(const QString& path, bool reloading);
    // Reads the document's own file again; the edits go without a question.
    void reread();
    void openDroppedFiles(const QStringList& files);
    void openRecentFile(const QString& path);
    bool saveDocument(const QString& path);
    // Asks before writing over another program's change or making a file
    // that has gone; the outcome of the save, ChangedOnDisk when the user
    // cancelled or reloaded instead.
    SaveOutcome saveOverDiskChange(const QString& path, bool saveAs);
    [[nodiscard]] QString fileName() const;
    void retranslate();

    Parts m_parts;
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
    ExternalChangeWatcher* m_changeWatcher = nullptr; // listens to the document
};

} // namespace vantrel
