// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/compare/SeemComparison.h"
#include "core/document/ListenerList.h"
#include "gui/app/EnablingRules.h"

#include <QObject>

#include <memory>

class QAction;
class QDockWidget;

namespace vantrel {

class CoverageController;
class DifferenceList;
class DocumentComparison;
class FolderComparisonController;
class MainWindow;

// Comparing the open file with another: File > Compare with... and Close
// comparison, Edit > Take the other file's value, the list of differences
// docked below the editors (made when first shown) and the marks on the
// editors and the grid.
class ComparisonController : public QObject {
    Q_OBJECT

  public:
    explicit ComparisonController(MainWindow& window);
    ~ComparisonController() override;

    // Compare with..., Close comparison, Suggest definitions and the folder
    // comparison's items, for the File menu.
    [[nodiscard]] QList<QAction*> fileMenuItems() const;
    // Take the other file's value, for the Edit menu.
    [[nodiscard]] QList<QAction*> editMenuItems() const;

    [[nodiscard]] DocumentComparison& comparison() { return *m_comparison; }
    // The coverage tools (View menu, What is this byte?, Suggest definitions).
    [[nodiscard]] CoverageController& coverage() const { return *m_coverage; }
    [[nodiscard]] FolderComparisonController& folderComparison() const {
        return *m_folderComparison;
    }
    // Null until a comparison has first been shown.
    [[nodiscard]] DifferenceList* differenceList() const { return m_list; }

    void compare();
    void stop();
    void takeOther();

  private:
    void showComparison();
    void buildDock();
    void resizeForDock(bool shown);
    void showDifference(int index);
    void chooseDifferenceOf(SettingKind kind, const QString& key);
    [[nodiscard]] bool canTakeCurrent() const;
    void buildCoverage();
    void buildFolderComparison();
    // A file of a folder comparison, opened compared with its partner.
    void openCompared(const QString& file, const QString& other);

    MainWindow& m_window;
    EnablingRules m_rules;
    std::unique_ptr<DocumentComparison> m_comparison;
    ListenerConnection m_comparisonConnection;
    QAction* m_compareAction;
    QAction* m_stopAction;
    QAction* m_takeAction;
    QDockWidget* m_dock = nullptr;
    DifferenceList* m_list = nullptr;
    int m_pxHeightWithoutList = 0;                  // the window's height before the list came
    int m_pxGrownForList = 0;                       // what the window grew by for it
    std::unique_ptr<CoverageController> m_coverage; // listens to both
    std::unique_ptr<FolderComparisonController> m_folderComparison; // listens to the document
};

} // namespace vantrel
