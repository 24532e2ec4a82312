// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/definitions/SeemTypeCatalog.h"
#include "core/files/SeemFile.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/LanguageFile.h"
#include "core/session/EditingSession.h"
#include "core/settings/SettingsStore.h"
#include "desktop/layout/WindowLayout.h"
#include "gui/controllers/StatusSink.h"
#include "gui/i18n/UiText.h"
#include "gui/widgets/WindowCaption.h"

#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QMenu;

namespace vantrel {

class ByteGridView;
class ComparisonController;
class CoverageController;
class EditController;
class EditorPanel;
class FileController;
class FindController;
class GeneratorController;
class LanguageController;
class RecipeController;
class MainSurface;
class ShellController;
class StartPage;
class StatusPanel;
namespace testing {
class MainWindowProbe;
}

// What the main window takes from its surroundings, so tests can supply their own.
struct MainWindowEnvironment {
    QString appDir; // the program folder, with or without a trailing separator
    SettingsStore* settings = nullptr;
    std::function<std::optional<std::int32_t>()> systemLcid;
    // Reads a seem file whole, off the window's thread; empty means readSeemFile.
    std::function<SeemFileRead(const std::string& path)> readFile = {};
};

// The menus of the menu bar; the controllers put their actions into them.
struct MainMenus {
    QMenu* file = nullptr;
    QMenu* edit = nullptr;
    QMenu* tools = nullptr;
    QMenu* language = nullptr;
    QMenu* help = nullptr;
};

// The main window: lays out the grid, the editor panel, the start page and
// the status line over the editing session, and assembles the controllers
// that own the menus' commands. The session decides what opening, editing and
// saving do and whether a file is open; the window shows its answers.
class MainWindow : public QMainWindow, public StatusSink {
    Q_OBJECT

  public:
    explicit MainWindow(MainWindowEnvironment environment, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence. Returns false when the program must end at once
    // (the definitions document could not be loaded).
    bool start(const QString& commandLine);
    // Opens path as File > Open does once the file is chosen.
    void openFile(const QString& path);
    void setStatus(int panel, const QString& text) override;
    void setNotice(const QString& text) override;

    [[nodiscard]] ShellController& shellController() const { return *m_shellController; }

  protected:
    // A drop and the window's close go to the file controller.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // The tests' window on the session; the program reaches it only through the window.
    friend class testing::MainWindowProbe;

    [[nodiscard]] const UiStrings& strings() const { return m_language.strings(); }
    // Lays the window out for the file the session has just opened: in its
    // editor, as bytes alone, or empty behind a generator's window.
    void showOpenedFile(EditorKind editor, OpenReason reason);
    // The start page (false) or the grid below an editor (true).
    void showEditorState(bool shown);
    void showSessionStatus();
    void showStartHint();
    void buildControls();
    // The controllers, and their actions in the menus.
    void buildControllers();
    void buildCoverage();
    void listenToSession();
    void onSessionChange(const SessionChange& change);
    void applyLayout(const layout::WindowLayout& windowLayout);
    // A file without an editor shows its bytes over the whole window.
    void placeGrid(bool fullWindow);
    void showBytesOnly();
    // The first window: the designed size where the screen has room for it.
    // Run before the window is shown and once more when it has settled.
    void sizeToScreen();
    void showCellStatus(int index);

    MainWindowEnvironment m_env;
    SettingsStore& m_settings;
    QString m_appDir;
    bool m_cellStatusShown = false; // status panel 2 describes the current cell
    bool m_noticeShown = false;     // status panel 2 holds a notice until the document changes
    bool m_gridFullWindow = false;
    LanguageFile m_language;
    // The session outlives every widget and controller that works on it:
    // the destructor removes those first.
    EditingSession m_session{m_language, m_settings};
    WindowCaption m_caption;
    std::vector<SeemTypeEntry> m_catalog;
    ListenerConnection m_sessionConnection;

    MainSurface* m_surface = nullptr;
    layout::WindowLayout m_layout =
        layout::windowLayout(layout::kTwipDesignClientWidth, layout::kTwipDesignClientHeight);
    std::unique_ptr<StartPage> m_startPage;
    ByteGridView* m_gridView = nullptr;
    StatusPanel* m_statusPanels[2] = {nullptr, nullptr};
    MainMenus m_menus;

    EditorPanel* m_editorPanel = nullptr;
    FileController* m_fileController = nullptr;
    EditController* m_editController = nullptr;
    FindController* m_findController = nullptr;
    ComparisonController* m_comparisonController = nullptr;
    RecipeController* m_recipeController = nullptr;
    ShellController* m_shellController = nullptr;
    LanguageController* m_languageController = nullptr;
    GeneratorController* m_generatorController = nullptr;
    std::unique_ptr<CoverageController> m_coverage; // listens to the document and the comparison
};

} // namespace vantrel
