// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "core/i18n/BuiltinStrings.h"
#include "desktop/shell/RecentFiles.h"
#include "gui/shell/IsolatedDesktop.h"

#include <QMenu>

namespace vantrel::testing {
namespace {

class MainWindowShell : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        start();
        ASSERT_TRUE(loaded);
    }

    // The File menu's recent-file items, as the user reads them.
    [[nodiscard]] QStringList recentCaptions() const {
        QStringList captions;
        for (QAction* item : mainWindow->findChildren<QAction*>(QStringLiteral("mnuFileList")))
            captions << item->text();
        return captions;
    }
    [[nodiscard]] QAction* recentItem(int index) const {
        return mainWindow->findChildren<QAction*>(QStringLiteral("mnuFileList")).at(index);
    }
    [[nodiscard]] bool anySeemFolderItemEnabled() const {
        for (const char* name :
             {"mnuFunction", "mnuStyle", "mnuOuterText", "mnuGPRS", "mnuVolume", "mnuColor"}) {
            if (action(name)->isEnabled())
                return true;
        }
        return false;
    }
    void chooseFolder(const QString& folder) {
        dialogs.folders = {folder};
        action("mnuSetFolder")->trigger();
    }
    void openThroughDialog(const QString& path) {
        dialogs.openFiles = {path};
        action("mnuOpen")->trigger();
    }
};

TEST_F(MainWindowShell, RecentItemsShowTheNewestFiveNewestFirstAndReopenWithoutReordering) {
    EXPECT_EQ(recentCaptions(), QStringList{str(UiString::RecentFilesEmpty)});
    EXPECT_FALSE(recentItem(0)->isEnabled());
    QStringList paths;
    for (const char* name : {"a", "b", "c", "d", "e", "f"}) {
        paths << writeSeem(QString::fromLatin1(name) + ".seem", QByteArray(120, '\x01'));
        openThroughDialog(paths.back());
    }
    paths.removeFirst();
    std::reverse(paths.begin(), paths.end());
    QStringList expected;
    for (int i = 0; i < paths.size(); ++i)
        expected << QString::fromStdString(recentFileCaption(i, paths[i].toStdString()));
    EXPECT_EQ(recentCaptions(), expected);

    recentItem(2)->trigger();
    EXPECT_EQ(probe().fileName(), paths[2]);
    EXPECT_EQ(fileController().recentFiles(), paths);
    EXPECT_EQ(settings.read("FileCount", ""), "5");
}

TEST_F(MainWindowShell, ARecentEntryWithThePrefixInItsNameOpensAsWritten) {
    const QString odd = writeSeem(QStringLiteral("&1. odd.seem"), QByteArray(40, '\x00'));
    openThroughDialog(odd);
    fileController().close();
    recentItem(0)->trigger();
    EXPECT_EQ(probe().fileName(), odd);
    EXPECT_TRUE(probe().session().fileOpen());
}

TEST_F(MainWindowShell, AGoneRecentFileIsNamedAndKept) {
    const QString kept = writeSeem(QStringLiteral("kept.seem"), QByteArray(120, '\x01'));
    const QString gone = writeSeem(QStringLiteral("gone.seem"), QByteArray(40, '\x00'));
    openThroughDialog(gone);
    openThroughDialog(kept);
    typeInto(0, "7F");
    QFile::remove(gone);
    recentItem(1)->trigger();
    // Said at once, before any question about the edits, which stay.
    EXPECT_TRUE(dialogs.questions.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages.back().icon, MessageIcon::Critical);
    EXPECT_EQ(dialogs.messages.back().text.toStdString(),
              probe().strings().format(UiString::RecentFileMissing, {gone.toStdString()}));
    EXPECT_EQ(probe().fileName(), kept);
    EXPECT_TRUE(probe().session().document().isModified());
    EXPECT_EQ(fileController().recentFiles(), QStringList({kept, gone}));
}

TEST_F(MainWindowShell, ARecentFileAsksBeforeUnsavedChangesAreSetAside) {
    const QString first = writeSeem(QStringLiteral("first.seem"), QByteArray(40, '\x00'));
    const QString second = writeSeem(QStringLiteral("second.seem"), QByteArray(40, '\x00'));
    openThroughDialog(second);
    openThroughDialog(first);
    typeInto(0, "7F");
    dialogs.questionAnswers = {2}; // Cancel
    recentItem(1)->trigger();
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(probe().fileName(), first);
    EXPECT_TRUE(probe().session().document().isModified());
}

TEST_F(MainWindowShell, ChoosingAFolderStoresItScansItAndOpensItsFiles) {
    EXPECT_FALSE(anySeemFolderItemEnabled());
    const QString folder = work.path() + QStringLiteral("/phone");
    QDir().mkpath(folder);
    const QString main = folder + QStringLiteral("/0032_0001.SEEM");
    QFile file(main);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(120, '\x01'));
    file.close();

    chooseFolder(folder);
    EXPECT_EQ(settings.read("SeemFolder", ""), (folder + QLatin1Char('/')).toStdString());
    EXPECT_EQ(dialogs.folderRequests.at(0).title, str(UiString::SeemFolderBrowserTitle));
    EXPECT_TRUE(action("mnuFunction")->isEnabled());
    EXPECT_FALSE(action("mnuStyle")->isEnabled());
    action("mnuFunction")->trigger();
    EXPECT_EQ(probe().fileName(), main);
    EXPECT_TRUE(fileController().recentFiles().isEmpty());

    const QString empty = work.path() + QStringLiteral("/empty");
    QDir().mkpath(empty);
    chooseFolder(empty);
    EXPECT_FALSE(anySeemFolderItemEnabled());
    chooseFolder(QStringLiteral("/"));
    EXPECT_EQ(settings.read("SeemFolder", ""), "/");
}

TEST_F(MainWindowShell, ChoosingAFolderEnablesTheSubmenuEvenWithoutKnownFiles) {
    settings.setValue("SeemFolder", "");
    start();
    auto* submenu = mainWindow->findChild<QMenu*>(QStringLiteral("mnuEditFunction"));
    EXPECT_FALSE(submenu->isEnabled());
    dialogs.folders = {std::nullopt};
    action("mnuSetFolder")->trigger();
    EXPECT_FALSE(submenu->isEnabled());
    chooseFolder(work.path());
    EXPECT_TRUE(submenu->isEnabled());
    EXPECT_FALSE(anySeemFolderItemEnabled());
}

TEST_F(MainWindowShell, AssociationCommandsReportAndStayInTheGivenDirs) {
    action("mnuAccFile")->trigger();
    EXPECT_EQ(dialogs.messages.back().icon, MessageIcon::Critical); // nowhere to write yet

    const IsolatedDesktop home;
    mainWindow->shellController().setDesktopIntegration(
        {(home.path() + "/data").toStdString(), (home.path() + "/config").toStdString(), {}},
        QStringLiteral("/opt/vantrel/vantrel"));
    action("mnuAccFile")->trigger();
    EXPECT_EQ(dialogs.messages.back().text, str(UiString::AssociationMade));
    action("mnuUnAccFile")->trigger();
    EXPECT_EQ(dialogs.messages.back().text, str(UiString::RemovingPrefix) +
                                                str(UiString::AssociationMessage) +
                                                str(UiString::Succeeded));
}

TEST_F(MainWindowShell, HelpTopicsOpensTheBundledPage) {
    action("mnuHelpTopic")->trigger();
    ASSERT_EQ(dialogs.openedUrls.size(), 1u);
    EXPECT_EQ(dialogs.openedUrls[0], QUrl::fromLocalFile(appFile(QStringLiteral("help.html"))));
}

} // namespace
} // namespace vantrel::testing
