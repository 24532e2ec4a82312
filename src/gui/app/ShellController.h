// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/shell/SeemAssociation.h"
#include "core/shell/SeemFolderScan.h"
#include "gui/app/EnablingRules.h"

#include <QObject>
#include <QString>

class QAction;
class QMenu;

namespace vantrel {

class MainWindow;
class XmlElement;

// What ties the window to the user's files and desktop: the seem folder and
// its submenu of six files, the association of seem files, help, About and
// the feature-tip switch.
class ShellController : public QObject {
    Q_OBJECT

  public:
    explicit ShellController(MainWindow& window);

    // The seem folder items, after the generators' items in the Tools menu.
    void fillToolsMenu(QMenu* menu);
    void fillHelpMenu(QMenu* menu);

    // Where Tools > Associate writes and the program it names there; until
    // this is called, associating is refused and nothing is written.
    void setDesktopIntegration(XdgLocations where, QString programPath);
    // Reads the seem folder from the settings.
    void loadSeemFolder();
    // Matches the seem folder's files to the catalog and shows the result in
    // the edit-seem-folder-files submenu.
    void scanSeemFolder();
    [[nodiscard]] const QString& seemFolder() const { return m_seemFolder; }
    // Help > Show feature tips, which the tip window follows too.
    [[nodiscard]] QAction* showTipAction() const { return m_showTipAction; }

    // After a file of type opened: the type's alert in the tip window, while tips are on.
    void showTypeAlert(const XmlElement& type);

    void chooseSeemFolder();
    void openSeemFolderItem(SeemFolderItem item);
    void associate();
    void removeAssociation();
    void showHelp();
    void showAbout();

  private:
    MainWindow& m_window;
    EnablingRules m_rules;
    QString m_seemFolder;
    SeemFolderItems m_seemFolderItems;
    XdgLocations m_xdg;
    QString m_programPath;
    QMenu* m_seemFolderMenu = nullptr;
    QAction* m_showTipAction;
};

} // namespace vantrel
