// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/shell/SeemFolderScan.h"
#include "desktop/shell/SeemAssociation.h"
#include "gui/controllers/EnablingRules.h"

#include <QObject>
#include <QString>

#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace vantrel {

class FileController;
class LanguageFile;
class SettingsStore;
struct SeemTypeEntry;
struct Tip;

// What ties the window to the user's files and desktop: the seem folder and
// its submenu of six files, the association of seem files, help, About and
// the feature-tip switch.
class ShellController : public QObject {
    Q_OBJECT

  public:
    // appDir is the program folder, ending in a separator; catalog is the
    // seem types, which a scan of the seem folder matches to its files; files opens a seem folder's
    // file.
    ShellController(const LanguageFile& language, SettingsStore& settings, QString appDir,
                    std::vector<SeemTypeEntry>& catalog, FileController& files, QWidget& window);

    // The seem folder items, after the generators' items in the Tools menu.
    void fillToolsMenu(QMenu* menu);
    void fillHelpMenu(QMenu* menu);

    // Where Tools > Associate writes and the program it names there; until
    // this is called, associating is refused and nothing is written.
    void setDesktopIntegration(XdgLocations where, QString programPath);
    // Reads the seem folder from the settings.
    void loadSeemFolder();
    [[nodiscard]] const QString& seemFolder() const { return m_seemFolder; }
    // Matches the seem folder's files to the catalog and shows the result in
    // the edit-seem-folder-files submenu.
    void scanSeemFolder();
    // Help > Show feature tips, which the tip window follows too.
    [[nodiscard]] QAction* showTipAction() const { return m_showTipAction; }

    // The tip of a file just opened, in the tip window.
    void showTip(const Tip& tip);

    void chooseSeemFolder();
    void openSeemFolderItem(SeemFolderItem item);
    void associate();
    void removeAssociation();
    void showHelp();
    void showAbout();

  private:
    const LanguageFile& m_language;
    SettingsStore& m_settings;
    QString m_appDir;
    std::vector<SeemTypeEntry>& m_catalog;
    FileController& m_files;
    QWidget& m_window;
    EnablingRules m_rules;
    QString m_seemFolder;
    SeemFolderItems m_seemFolderItems;
    XdgLocations m_xdg;
    QString m_programPath;
    QMenu* m_seemFolderMenu = nullptr;
    QAction* m_showTipAction;
};

} // namespace vantrel
