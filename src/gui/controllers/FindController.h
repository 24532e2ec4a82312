// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ListenerList.h"
#include "core/find/SettingSearch.h"
#include "gui/controllers/EnablingRules.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

namespace vantrel {

class ByteGridView;
class EditingSession;
class EditorPanel;
class FileController;
class FindBar;
class FindInFolderWindow;

// Edit > Find (the find bar under the grid, with F3 and Shift+F3 for the
// next and previous match) and Tools > Find in Seem Folder. The session
// finds; this shows its answer: the marks in the grid, the setting chosen in
// its editor with its folders open, "2 of 5" on the bar.
class FindController : public QObject {
    Q_OBJECT

  public:
    struct Parts {
        EditingSession& session;
        EditorPanel& editorPanel;
        ByteGridView& gridView;
        FileController& files;
        QMainWindow& window;
        std::function<QString()> seemFolder;
    };

    explicit FindController(Parts parts);
    ~FindController() override;

    void fillEditMenu(QMenu* menu);
    void fillToolsMenu(QMenu* menu);
    void retranslate();

    void openBar();
    // Escape: the bar goes, the focus to the match, else where it was before.
    void closeBar();
    void findNext();
    void findPrevious();
    void findInFolder();
    // A line of the folder's list: its file opened the usual way (the
    // question about unsaved changes first) with the setting chosen.
    void openMatch(const QString& path, const SettingMatch& match);

    // Null until Edit > Find was first chosen.
    [[nodiscard]] FindBar* bar() const { return m_bar; }
    // Null until Tools > Find in Seem Folder was first chosen.
    [[nodiscard]] FindInFolderWindow* folderWindow() const;

  private:
    FindBar* ensureBar();
    [[nodiscard]] bool barShown() const;
    void search();
    void showAnswer(bool moved);

    Parts m_parts;
    EnablingRules m_rules;
    QAction* m_findAction;
    QAction* m_nextAction;
    QAction* m_previousAction;
    QAction* m_folderAction;
    FindBar* m_bar = nullptr;
    QPointer<QWidget> m_focusBefore;
    QPointer<FindInFolderWindow> m_folderWindow;
    ListenerConnection m_sessionConnection;
};

} // namespace vantrel
