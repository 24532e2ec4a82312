// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that tie the window to the user's files and desktop: the
// recent-file list, the seem folder and its six items, the association of
// seem files, and help.
#include "gui/app/Form1.h"

#include "core/i18n/BuiltinStrings.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/shell/FolderBrowser.h"
#include "gui/shell/RecentFilesMenu.h"
#include "gui/shell/SeemFolderMenu.h"
#include "gui/shell/ShellCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace vantrel {

namespace {

constexpr int kStrFolderBrowserTitle = 7;

} // namespace

void Form1::connectShellMenus() {
    const auto connectItem = [this](const char* name, void (Form1::*handler)()) {
        if (auto* action = findChild<QAction*>(QString::fromLatin1(name)))
            connect(action, &QAction::triggered, this, handler);
    };
    connectItem("mnuSetFolder", &Form1::mnuSetFolder_Click);
    connectItem("mnuAccFile", &Form1::mnuAccFile_Click);
    connectItem("mnuUnAccFile", &Form1::mnuUnAccFile_Click);
    connectItem("mnuHelpTopic", &Form1::mnuHelpTopic_Click);
    for (const SeemFolderItem item : kSeemFolderItems) {
        const QString name = QString::fromLatin1(seemFolderItemName(item));
        if (auto* action = findChild<QAction*>(name))
            connect(action, &QAction::triggered, this,
                    [this, item] { mnuSeemFolderItem_Click(item); });
    }
    connect(m_mnuFileList, &RecentFilesMenu::fileChosen, this, &Form1::mnuFileList_Click);
}

void Form1::AddRecentFile(const QString& path) {
    m_mnuFileList->AddRecentFile(path);
}

const QStringList& Form1::recentFiles() const {
    return m_mnuFileList->paths();
}

// The entry opens as it stands, whatever its caption shows; a file that has
// gone is reported and its entry kept, in case it comes back.
void Form1::mnuFileList_Click(const QString& path) {
    if (!QFileInfo::exists(path)) {
        showMessage(
            this, MessageIcon::Critical,
            QString::fromStdString(strings().format(StrRecentFileMissing, {path.toStdString()})));
        return;
    }
    if (confirmUnsavedChanges())
        OpenSeemFile(path);
}

void Form1::mnuSetFolder_Click() {
    const QString chosen = BrowseForFolder(str(kStrFolderBrowserTitle), this, m_seemFolder);
    if (chosen.isEmpty())
        return;
    const std::string folder = withTrailingSeparator(chosen.toStdString());
    m_settings.setValue("SeemFolder", folder);
    m_mnuEditFunction->setEnabled(true);
    m_seemFolder = QString::fromStdString(folder);
    ScanSeemFolder();
}

void Form1::ScanSeemFolder() {
    m_seemFolderItems = vantrel::ScanSeemFolder(m_seemFolder.toStdString(), m_catalog);
    showSeemFolderItems(this, m_seemFolderItems);
}

void Form1::mnuSeemFolderItem_Click(SeemFolderItem item) {
    const auto path = seemFolderItemPath(m_seemFolderItems, m_catalog, item);
    if (path && confirmUnsavedChanges())
        OpenSeemFile(QString::fromStdString(*path));
}

void Form1::setDesktopIntegration(XdgLocations where, QString programPath) {
    m_xdg = std::move(where);
    m_programPath = std::move(programPath);
}

void Form1::mnuAccFile_Click() {
    associateSeemFilesAndReport(this, strings(), m_xdg, m_programPath);
}

void Form1::mnuUnAccFile_Click() {
    removeSeemAssociationAndReport(this, strings(), m_xdg);
}

void Form1::mnuHelpTopic_Click() {
    openHelpTopics(this, strings(), m_appDir);
}

} // namespace vantrel
