// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/BuiltinStrings.h"
#include "gui/app/EnablingRules.h"

#include <QObject>
#include <QStringList>

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QMenu;

namespace vantrel {

class ExternalChangeWatcher;
class MainWindow;
class RecentFilesMenu;
struct OpenOutcome;

// The File menu's document commands: open, save, save as, reload, close and
// exit, the recent files, a file dropped on the window, and the question
// before unsaved changes are set aside.
class FileController : public QObject {
    Q_OBJECT

  public:
    // The buttons of the unsaved-changes question, in order.
    enum UnsavedAnswer { AnswerSave, AnswerDiscard, AnswerCancel };

    explicit FileController(MainWindow& window);
    ~FileController() override;

    // The bar that tells of the file changing on disk, over the window; every
    // save goes through it.
    void watchForExternalChanges();
    [[nodiscard]] ExternalChangeWatcher& changeWatcher() const { return *m_changeWatcher; }

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

    // Files dragged over or dropped on the window.
    void acceptDrag(QDragEnterEvent* event);
    void drop(QDropEvent* event);

  protected:
    // A right click on the empty window pops up the File menu.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void openDroppedFiles(const QStringList& files);
    void openRecentFile(const QString& path);
    bool saveDocument(const QString& path);
    void retranslate();

    MainWindow& m_window;
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
