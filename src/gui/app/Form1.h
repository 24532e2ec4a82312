// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QMainWindow>

#include "core/document/SeemDocument.h"
#include "core/layout/WindowLayout.h"
#include "core/definitions/SeemTypeCatalog.h"
#include "core/settings/SettingsStore.h"
#include "core/xml/XmlDocument.h"
#include "core/compare/SeemComparison.h"
#include "gui/compare/FolderComparisonController.h"
#include "core/document/ByteGrid.h"
#include "core/i18n/LanguageFile.h"
#include "gui/i18n/QtTranslations.h"
#include "core/shell/SeemAssociation.h"
#include "core/shell/SeemFolderScan.h"

class QAction;
class QDockWidget;
class QGroupBox;
class QLabel;
class QMenu;
class QTreeWidget;

namespace vantrel {

class ByteGridView;
class DifferenceList;
class DocumentComparison;
class ExternalChangeWatcher;
class FunctionTreeEditor;
class MainSurface;
class StyleListEditor;
class VolumeEditor;
class ColorTreeEditor;
class ColorEditor;
class CoverageController;
struct GeneratorHost;
class RecentFilesMenu;

// What the main window takes from its surroundings, so tests can supply their own.
struct Form1Environment {
    QString appDir; // the program folder, with or without a trailing separator
    SettingsStore* settings = nullptr;
    std::function<std::optional<std::int32_t>()> systemLcid;
    // Reads a seem file whole, off the window's thread; empty means readSeemFile.
    std::function<SeemFileRead(const std::string& path)> readFile = {};
};

// The main window: the view and the menus over the open document. It switches
// between its Empty and File-open states; the document decides what opening,
// saving and closing do.
class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    // The buttons of the unsaved-changes question, in order.
    enum UnsavedAnswer { AnswerSave, AnswerDiscard, AnswerCancel };

    explicit Form1(Form1Environment environment, QWidget* parent = nullptr);
    ~Form1() override;

    // The start-up sequence. Returns false when the program must end at once
    // (the definitions document could not be loaded).
    bool Form_Load(const QString& commandLine);

    void ResetView(bool loaded);
    void OpenSeemFile(const QString& path);
    // While the document has unsaved changes, asks Save / Discard / Cancel.
    // True when the caller may go on and set the document aside: nothing was
    // changed, the user discarded the changes, or they were saved.
    bool confirmUnsavedChanges();
    // Adds a path the user chose to the recent-file list and its menu.
    void AddRecentFile(const QString& path);
    // The recent-file list, oldest first.
    [[nodiscard]] const QStringList& recentFiles() const;
    // Where Tools ▸ Associate writes and the program it names there; until
    // this is called, associating is refused and nothing is written.
    void setDesktopIntegration(XdgLocations where, QString programPath);
    // Matches the seem folder's files to the catalog and shows the result in
    // the edit-seem-folder-files submenu.
    void ScanSeemFolder();

    // State the tests and other windows read.
    [[nodiscard]] bool isLoaded() const { return m_isLoaded; }
    [[nodiscard]] QString fileName() const { return QString::fromStdString(m_document.path()); }
    [[nodiscard]] const QString& mainCaption() const { return m_mainCaption; }
    [[nodiscard]] const QString& appDir() const { return m_appDir; }
    [[nodiscard]] const QString& seemFolder() const { return m_seemFolder; }
    [[nodiscard]] std::string curType() const { return m_document.typeName(); }
    [[nodiscard]] const std::vector<SeemTypeEntry>& catalog() const { return m_catalog; }
    [[nodiscard]] const std::vector<std::uint8_t>& fileBytes() const {
        return m_document.savedBytes();
    }
    [[nodiscard]] const LanguageFile& language() const { return m_language; }
    [[nodiscard]] const UiStrings& strings() const { return m_language.strings(); }
    [[nodiscard]] SeemDocument& document() { return m_document; }
    [[nodiscard]] ByteGrid& grid() { return m_document.grid(); }
    [[nodiscard]] ByteGridView* gridView() const { return m_picEdit; }
    [[nodiscard]] QString statusText(int panel) const;
    [[nodiscard]] DocumentComparison& comparison() { return *m_comparison; }
    [[nodiscard]] DifferenceList* differenceList() const { return m_lstCompare; }

  public slots:
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuReload_Click();
    void mnuClose_Click();
    void mnuExit_Click();
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuOnOff_Click();
    void mnuGoTo_Click();
    void mnuCompare_Click();
    void mnuCloseCompare_Click();
    void openCompared(const QString& file, const QString& other);
    void mnuTakeOther_Click();
    void mnuShowTip_Click();
    void mnuSetOuterText_Click();
    void mnuSetGPRS_Click();
    void mnuAbout_Click();
    void mnuLans_Click(int index);
    void mnuFileList_Click(const QString& path);
    void mnuSetFolder_Click();
    void mnuSeemFolderItem_Click(SeemFolderItem item);
    void mnuAccFile_Click();
    void mnuUnAccFile_Click();
    void mnuHelpTopic_Click();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Layout (Form1Layout.cpp).
    void buildControls();
    void buildStartPage(QWidget* surface);
    void buildEditors(QWidget* surface);
    void buildStatusBar();
    void placeGridNormally();
    void placeGridFullWindow();
    // Places the controls for the canvas's present size.
    void applyLayout(const layout::WindowLayout& windowLayout);
    // The first window: the designed size where the screen has room for it.
    // Run before the window is shown and once more when it has settled.
    void sizeToScreen();
    void setStatus(int panel, const QString& text);

    // Menus (Form1Menus.cpp).
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildToolsMenu();
    void buildHelpMenu();
    void rebuildLanguageMenu();
    [[nodiscard]] QAction* newLanguageItem(int index);
    void fillLanguageMenu();
    void applyCaptions();
    void updateUndoMenu();

    // Recent files, seem folder, association and help (Form1Shell.cpp).
    void connectShellMenus();

    // Listening to the document and the editors (Form1Views.cpp).
    void connectEditors();
    void listenToDocument();
    void showCellStatus(int index);
    void updateCaption();
    void setCaptionForFile(const QString& path, bool saved);

    // Document actions (Form1Document.cpp).
    bool reportRefusal(const OpenOutcome& outcome, const QString& path);
    void showOpenedFile();
    bool dispatchType(const XmlElement& type);
    void showTypeAlert(const XmlElement& type);
    bool saveDocument(const QString& path);
    // A file dropped on the window (or named on the command line) takes the
    // road of File > Open: the unsaved-changes question, then the document.
    void openDroppedFiles(const QStringList& files);
    void reportFailure(const QString& text);
    [[nodiscard]] QString askForSeemFile(int action, int titleString, int flags,
                                         const QString& preset);

    // The text generators (Form1Generators.cpp).
    [[nodiscard]] GeneratorHost generatorHost();
    // Comparing with another file (Form1Compare.cpp).
    void buildComparison();
    void showComparison();
    void showDifference(int index);
    void chooseDifferenceOf(SettingKind kind, const QString& key);
    // Selects a setting in its editor, else focuses (or shows) its first cell.
    void showSetting(SettingKind kind, const QString& key, int firstCell);
    void updateTakeMenu();

    // Start-up (Form1Load.cpp).
    bool loadDefinitions(const std::string& languageFailure);
    void waitUntilOnScreen();
    [[nodiscard]] std::string chosenDefinitionsFile() const;
    [[nodiscard]] QString str(int n) const;
    [[nodiscard]] QString languagePath() const;

    Form1Environment m_env;
    SettingsStore& m_settings;

    // Long-lived state. The document outlives every widget that listens to it:
    // the destructor removes the widgets first.
    QString m_appDir;
    QString m_mainCaption;
    QString m_captionBase; // the caption without the modified mark
    QString m_definitionsPath;
    QString m_seemFolder;
    bool m_isLoaded = false;
    bool m_cellStatusShown = false; // status panel 2 describes the current cell
    LanguageFile m_language;
    QtTranslations m_qtTranslations; // Qt's own dialog texts follow the language
    SeemDocument m_document;
    std::vector<SeemTypeEntry> m_catalog;
    std::unique_ptr<DocumentComparison> m_comparison; // listens to m_document
    std::unique_ptr<CoverageController> m_coverage;   // listens to both
    ExternalChangeWatcher* m_changeWatcher = nullptr; // listens to m_document
    std::unique_ptr<FolderComparisonController> m_folderComparison; // listens to m_document
    SeemFolderItems m_seemFolderItems;
    XdgLocations m_xdg;
    QString m_programPath;

    // Controls.
    MainSurface* m_surface = nullptr;
    layout::WindowLayout m_layout =
        layout::windowLayout(layout::kTwipDesignClientWidth, layout::kTwipDesignClientHeight);
    bool m_gridFullWindow = false; // a type without an editor: the grid fills the window
    QPoint m_startPagePlaces[3];   // Label2, Label3, lblSoftTip at the designed size
    QLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_lblSoftTip = nullptr;
    FunctionTreeEditor* m_tvwFuct = nullptr;
    StyleListEditor* m_lvwStyle = nullptr;
    ColorTreeEditor* m_tvwColor = nullptr;
    VolumeEditor* m_frameVolume = nullptr;
    ColorEditor* m_frameColor = nullptr;
    QGroupBox* m_frameSet = nullptr;
    QLabel* m_lblinfo = nullptr;
    ByteGridView* m_picEdit = nullptr;
    QLabel* m_statusPanels[2] = {nullptr, nullptr};
    QDockWidget* m_dockCompare = nullptr;
    DifferenceList* m_lstCompare = nullptr;

    // Menus.
    QMenu* m_mnuFile = nullptr;
    QMenu* m_mnuEdit = nullptr;
    QMenu* m_mnuTools = nullptr;
    QMenu* m_mnuEditFunction = nullptr;
    QMenu* m_mnuLanguage = nullptr;
    QMenu* m_mnuHelp = nullptr;
    QAction* m_mnuOpen = nullptr;
    QAction* m_mnuSave = nullptr;
    QAction* m_mnuSaveAs = nullptr;
    QAction* m_mnuReload = nullptr;
    QAction* m_mnuClose = nullptr;
    QAction* m_mnuExit = nullptr;
    QAction* m_mnuUndo = nullptr;
    QAction* m_mnuRedo = nullptr;
    QAction* m_mnuOnOff = nullptr;
    QAction* m_mnuGoTo = nullptr;
    QAction* m_mnuCompare = nullptr;
    QAction* m_mnuCloseCompare = nullptr;
    QAction* m_mnuTakeOther = nullptr;
    QAction* m_mnuShowTip = nullptr;
    RecentFilesMenu* m_mnuFileList = nullptr;
    std::vector<QAction*> m_mnuLans;
    std::size_t m_languageItemsShown = 0; // m_mnuLans already put into the menu
};

} // namespace vantrel
