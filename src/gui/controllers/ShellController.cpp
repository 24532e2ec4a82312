// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/ShellController.h"

#include "core/definitions/SeemTypeCatalog.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/LanguageFile.h"
#include "core/session/SessionTypes.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/TipSetting.h"
#include "gui/controllers/FileController.h"
#include "gui/dialogs/AboutWindow.h"
#include "gui/dialogs/TipWindow.h"
#include "gui/i18n/UiText.h"
#include "gui/shell/FolderBrowser.h"
#include "gui/shell/SeemFolderMenu.h"
#include "gui/shell/ShellCommands.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace vantrel {

namespace {

QAction* addMenuItem(QMenu* menu, const char* name) {
    auto* action = new QAction(menu);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    return action;
}

} // namespace

ShellController::ShellController(const LanguageFile& language, SettingsStore& settings,
                                 QString appDir, std::vector<SeemTypeEntry>& catalog,
                                 FileController& files, QWidget& window)
    : QObject(&window), m_language(language), m_settings(settings), m_appDir(std::move(appDir)),
      m_catalog(catalog), m_files(files), m_window(window) {
    m_showTipAction = new QAction(this);
    m_showTipAction->setObjectName(QStringLiteral("mnuShowTip"));
    m_showTipAction->setCheckable(true);
    m_showTipAction->setChecked(true);
    connect(m_showTipAction, &QAction::triggered, this,
            [this](bool checked) { storeTipsEnabled(m_settings, checked); });
}

void ShellController::fillToolsMenu(QMenu* menu) {
    connect(addMenuItem(menu, "mnuAccFile"), &QAction::triggered, this,
            &ShellController::associate);
    connect(addMenuItem(menu, "mnuUnAccFile"), &QAction::triggered, this,
            &ShellController::removeAssociation);
    connect(addMenuItem(menu, "mnuSetFolder"), &QAction::triggered, this,
            &ShellController::chooseSeemFolder);
    menu->addSeparator();
    m_seemFolderMenu = new QMenu(menu);
    m_seemFolderMenu->setObjectName(QStringLiteral("mnuEditFunction"));
    for (const SeemFolderItem item : kSeemFolderItems) {
        const std::string name(seemFolderItemName(item));
        QAction* action = addMenuItem(m_seemFolderMenu, name.c_str());
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, item] { openSeemFolderItem(item); });
    }
    menu->addMenu(m_seemFolderMenu);
    m_rules.add(m_seemFolderMenu, [this] { return !m_seemFolder.isEmpty(); });
}

void ShellController::fillHelpMenu(QMenu* menu) {
    QAction* topics = addMenuItem(menu, "mnuHelpTopic");
    topics->setShortcut(QKeySequence(Qt::Key_F1));
    connect(topics, &QAction::triggered, this, &ShellController::showHelp);
    connect(addMenuItem(menu, "mnuAbout"), &QAction::triggered, this, &ShellController::showAbout);
    menu->addSeparator();
    menu->addAction(m_showTipAction);
}

void ShellController::setDesktopIntegration(XdgLocations where, QString programPath) {
    m_xdg = std::move(where);
    m_programPath = std::move(programPath);
}

void ShellController::loadSeemFolder() {
    m_seemFolder = pathText(m_settings.read("SeemFolder", m_appDir.toStdString()));
    m_rules.refresh();
}

void ShellController::scanSeemFolder() {
    m_seemFolderItems = vantrel::scanSeemFolder(m_seemFolder.toStdString(), m_catalog);
    showSeemFolderItems(m_seemFolderMenu, m_seemFolderItems);
}

void ShellController::showTip(const Tip& tip) {
    auto* window = new TipWindow(&m_window, m_language, m_settings, m_showTipAction);
    window->setTip(uiText(tip.typeId), uiText(tip.text));
    window->showOverOwner();
}

void ShellController::chooseSeemFolder() {
    const QString chosen = browseForFolder(
        uiText(m_language.strings(), UiString::SeemFolderBrowserTitle), &m_window, m_seemFolder);
    if (chosen.isEmpty())
        return;
    const std::string folder = withTrailingSeparator(chosen.toStdString());
    m_settings.setValue("SeemFolder", folder);
    m_seemFolder = pathText(folder);
    m_rules.refresh();
    scanSeemFolder();
}

void ShellController::openSeemFolderItem(SeemFolderItem item) {
    const auto path = seemFolderItemPath(m_seemFolderItems, m_catalog, item);
    if (path && m_files.confirmUnsavedChanges(Leaving::Open))
        m_files.openFile(pathText(*path));
}

void ShellController::associate() {
    associateSeemFilesAndReport(&m_window, m_language.strings(), m_xdg, m_programPath);
}

void ShellController::removeAssociation() {
    removeSeemAssociationAndReport(&m_window, m_language.strings(), m_xdg);
}

void ShellController::showHelp() {
    openHelpTopics(&m_window, m_language.strings(), m_appDir);
}

void ShellController::showAbout() {
    auto* about = m_window.findChild<AboutWindow*>();
    if (!about)
        about = new AboutWindow(&m_window, m_language);
    about->showOverOwner();
}

} // namespace vantrel
