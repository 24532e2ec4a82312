#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QMainWindow>

#include "core/app/SeemTypeCatalog.h"
#include "core/app/SettingsStore.h"
#include "core/app/XmlDocument.h"
#include "core/document/ByteGrid.h"
#include "core/i18n/LanguageFile.h"

class QAction;
class QActionGroup;
class QGroupBox;
class QLabel;
class QMenu;
class QTreeWidget;

namespace vantrel {

class ByteGridView;
class FunctionTreeEditor;
class StyleListEditor;
class VolumePanel;
class ColorPanel;

// What the main window takes from its surroundings, so tests can supply their own.
struct Form1Environment {
    QString appDir; // the program folder, with or without a trailing separator
    SettingsStore* settings = nullptr;
    std::function<std::optional<std::int32_t>()> systemLcid;
};

// The main window: owns the open document and every long-lived state, and
// switches between its Empty and File-open states.
class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit Form1(Form1Environment environment, QWidget* parent = nullptr);
    ~Form1() override;

    // The start-up sequence. Returns false when the program must end at once
    // (the definitions document could not be loaded).
    bool Form_Load(const QString& commandLine);

    void ResetView(bool loaded);
    void OpenSeemFile(const QString& path);
    // Writes the grid to path; reports and returns false on any failure.
    bool SaveGridToFile(const QString& path);
    // Remembers a path the user chose; the recent-file menu is built from these.
    void AddRecentFile(const QString& path);
    [[nodiscard]] const QStringList& recentFiles() const { return m_recentFiles; }

    // State the tests and other windows read.
    [[nodiscard]] bool isLoaded() const { return m_isLoaded; }
    [[nodiscard]] const QString& fileName() const { return m_fileName; }
    [[nodiscard]] const QString& mainCaption() const { return m_mainCaption; }
    [[nodiscard]] const QString& appDir() const { return m_appDir; }
    [[nodiscard]] const std::string& curType() const { return m_curType; }
    [[nodiscard]] const std::vector<SeemTypeEntry>& catalog() const { return m_catalog; }
    [[nodiscard]] const std::vector<std::uint8_t>& fileBytes() const { return m_fileBytes; }
    [[nodiscard]] const LanguageFile& language() const { return m_language; }
    [[nodiscard]] const UiStrings& strings() const { return m_language.strings(); }
    [[nodiscard]] ByteGrid& grid() { return m_grid; }
    [[nodiscard]] ByteGridView* gridView() const { return m_picEdit; }
    [[nodiscard]] QString statusText(int panel) const;

  public slots:
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuReload_Click();
    void mnuClose_Click();
    void mnuExit_Click();
    void mnuOnOff_Click();
    void mnuShowTip_Click();
    void mnuLans_Click(int index);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void buildControls();
    void buildStartPage(QWidget* surface);
    void buildEditors(QWidget* surface);
    void buildMenus();
    void buildFileMenu();
    void buildToolsMenu();
    void buildHelpMenu();
    void connectEditors();
    void rebuildLanguageMenu();
    void applyCaptions();
    void placeGridNormally();
    void placeGridFullWindow();

    // Opening, split into its steps.
    void acceptFile(const QString& path, std::vector<std::uint8_t> bytes);
    bool dispatchType(const XmlElement& type);
    void showTypeAlert(const XmlElement& type);
    void reportFailure(const QString& text);
    [[nodiscard]] QString askForSeemFile(int action, int titleString, int flags,
                                         const QString& preset);

    void setStatus(int panel, const QString& text);
    void setCaptionForFile(const QString& path, bool saved);
    [[nodiscard]] QString str(int n) const;
    [[nodiscard]] QString languagePath() const;

    Form1Environment m_env;
    SettingsStore& m_settings;

    // Long-lived state.
    QString m_appDir;
    QString m_mainCaption;
    QString m_definitionsPath;
    QString m_fileName;
    QString m_seemFolder;
    bool m_isLoaded = false;
    std::string m_curType;
    LanguageFile m_language;
    XmlDocument m_xml;
    XmlElement m_curRootNode;
    std::vector<SeemTypeEntry> m_catalog;
    std::vector<std::uint8_t> m_fileBytes;
    QStringList m_recentFiles;
    ByteGrid m_grid;

    // Controls.
    QLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_lblSoftTip = nullptr;
    FunctionTreeEditor* m_tvwFuct = nullptr;
    StyleListEditor* m_lvwStyle = nullptr;
    QTreeWidget* m_tvwColor = nullptr;
    VolumePanel* m_frameVolume = nullptr;
    ColorPanel* m_frameColor = nullptr;
    QGroupBox* m_frameSet = nullptr;
    QLabel* m_lblinfo = nullptr;
    ByteGridView* m_picEdit = nullptr;
    QLabel* m_statusPanels[2] = {nullptr, nullptr};

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
    QAction* m_mnuOnOff = nullptr;
    QAction* m_mnuShowTip = nullptr;
    std::vector<QAction*> m_mnuFileList;
    std::vector<QAction*> m_mnuLans;
    QActionGroup* m_languageGroup = nullptr;
    QAction* m_fileListSeparator = nullptr;
};

} // namespace vantrel
