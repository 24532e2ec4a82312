// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/compare/SeemComparison.h"
#include "core/document/ListenerList.h"
#include "core/session/SessionTypes.h"
#include "gui/controllers/EnablingRules.h"

#include <QObject>

#include <functional>
#include <memory>

class QAction;
class QDockWidget;
class QMainWindow;

namespace vantrel {

class DifferenceList;
class DocumentComparison;
class EditingSession;
class EditorPanel;
class FileController;
class FolderComparisonController;

// Comparing the open file with another: File > Compare with... and Close
// comparison, Edit > Take the other file's value, the list of differences
// docked below the editors (made when first shown) and the marks on the
// editors and the grid.
class ComparisonController : public QObject {
    Q_OBJECT

  public:
    // What the controller works with. The list docks in window; files asks
    // for the other file and opens a folder comparison's files.
    struct Parts {
        EditingSession& session;
        EditorPanel& editorPanel;
        FileController& files;
        std::function<QString()> definitionsPath;
    };

    ComparisonController(Parts parts, QMainWindow& window);
    ~ComparisonController() override;

    // Compare with... and Close comparison, for the File menu.
    [[nodiscard]] QList<QAction*> fileMenuItems() const;
    // Compare folders, for the File menu.
    [[nodiscard]] QList<QAction*> folderMenuItems() const;
    // Take the other file's value, for the Edit menu.
    [[nodiscard]] QList<QAction*> editMenuItems() const;

    [[nodiscard]] DocumentComparison& comparison() { return *m_comparison; }
    // Null until a comparison has first been shown.
    [[nodiscard]] DifferenceList* differenceList() const { return m_list; }

    void compare();
    void stop();
    void takeOther();
    void retranslate();

  private:
    // A comparison follows the cells and ends with the file; the actions
    // follow whether a file is open.
    void onSessionChange(const SessionChange& change);
    void showComparison();
    void buildDock();
    void resizeForDock(bool shown);
    void showDifference(int index);
    void chooseDifferenceOf(SettingKind kind, const QString& key);
    [[nodiscard]] bool canTakeCurrent() const;
    void buildFolderComparison();
    // A file of a folder comparison, opened compared with its partner.
    void openCompared(const QString& file, const QString& other);

    Parts m_parts;
    QMainWindow& m_window;
    EnablingRules m_rules;
    std::unique_ptr<DocumentComparison> m_comparison;
    ListenerConnection m_comparisonConnection;
    ListenerConnection m_sessionConnection;
    QAction* m_compareAction;
    QAction* m_stopAction;
    QAction* m_takeAction;
    QDockWidget* m_dock = nullptr;
    DifferenceList* m_list = nullptr;
    int m_pxHeightWithoutList = 0; // the window's height before the list came
    int m_pxGrownForList = 0;      // what the window grew by for it
    std::unique_ptr<FolderComparisonController> m_folderComparison; // listens to the document
};

} // namespace vantrel
