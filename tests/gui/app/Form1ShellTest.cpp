// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1Fixture.h"
#include "gui/shell/IsolatedDesktop.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/shell/RecentFiles.h"

#include <QMenu>

namespace vantrel::testing {
namespace {

class Form1Shell : public Form1Fixture {
  protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        start();
        ASSERT_TRUE(loaded);
    }

    // The File menu's recent-file items, as the user reads them.
    [[nodiscard]] QStringList recentCaptions() const {
        QStringList captions;
        for (QAction* item : form->findChildren<QAction*>(QStringLiteral("mnuFileList")))
            captions << item->text();
        return captions;
    }
    [[nodiscard]] QAction* recentItem(int index) const {
        return form->findChildren<QAction*>(QStringLiteral("mnuFileList")).at(index);
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

TEST_F(Form1Shell, RecentItemsShowTheNewestFiveNewestFirstAndReopenWithoutReordering) {
    EXPECT_EQ(recentCaptions(), QStringList{str(StrRecentFilesEmpty)});
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
    EXPECT_EQ(form->fileName(), paths[2]);
    EXPECT_EQ(form->recentFiles(), paths);
    EXPECT_EQ(settings.read("FileCount", ""), "5");
}

TEST_F(Form1Shell, ARecentEntryWithThePrefixInItsNameOpensAsWritten) {
    const QString odd = writeSeem(QStringLiteral("&1. odd.seem"), QByteArray(40, '\x00'));
    openThroughDialog(odd);
    form->mnuClose_Click();
    recentItem(0)->trigger();
    EXPECT_EQ(form->fileName(), odd);
    EXPECT_TRUE(form->isLoaded());
}

TEST_F(Form1Shell, AGoneRecentFileIsNamedAndKept) {
    const QString kept = writeSeem(QStringLiteral("kept.seem"), QByteArray(120, '\x01'));
    const QString gone = writeSeem(QStringLiteral("gone.seem"), QByteArray(40, '\x00'));
    openThroughDialog(gone);
    openThroughDialog(kept);
    QFile::remove(gone);
    recentItem(1)->trigger();
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().icon, MessageIcon::Critical);
    EXPECT_TRUE(dialogs.messages.back().text.contains(gone));
    EXPECT_EQ(form->fileName(), kept);
    EXPECT_EQ(form->recentFiles(), QStringList({kept, gone}));
}

TEST_F(Form1Shell, ARecentFileAsksBeforeUnsavedChangesAreSetAside) {
    const QString first = writeSeem(QStringLiteral("first.seem"), QByteArray(40, '\x00'));
    const QString second = writeSeem(QStringLiteral("second.seem"), QByteArray(40, '\x00'));
    openThroughDialog(second);
    openThroughDialog(first);
    {
        EditScope step(form->document(), StrUndoTyping);
        form->grid().setText(0, "7F");
    }
    dialogs.questionAnswers = {Form1::AnswerCancel};
    recentItem(1)->trigger();
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(form->fileName(), first);
    EXPECT_TRUE(form->document().isModified());
}

TEST_F(Form1Shell, ChoosingAFolderStoresItScansItAndOpensItsFiles) {
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
    EXPECT_EQ(dialogs.folderRequests.at(0).title, str(7));
    EXPECT_TRUE(action("mnuFunction")->isEnabled());
    EXPECT_FALSE(action("mnuStyle")->isEnabled());
    action("mnuFunction")->trigger();
    EXPECT_EQ(form->fileName(), main);
    EXPECT_TRUE(form->recentFiles().isEmpty());

    const QString empty = work.path() + QStringLiteral("/empty");
    QDir().mkpath(empty);
    chooseFolder(empty);
    EXPECT_FALSE(anySeemFolderItemEnabled());
    chooseFolder(QStringLiteral("/"));
    EXPECT_EQ(settings.read("SeemFolder", ""), "/");
}

TEST_F(Form1Shell, ChoosingAFolderEnablesTheSubmenuEvenWithoutKnownFiles) {
    settings.setValue("SeemFolder", "");
    start();
    auto* submenu = form->findChild<QMenu*>(QStringLiteral("mnuEditFunction"));
    EXPECT_FALSE(submenu->isEnabled());
    dialogs.folders = {std::nullopt};
    action("mnuSetFolder")->trigger();
    EXPECT_FALSE(submenu->isEnabled());
    chooseFolder(work.path());
    EXPECT_TRUE(submenu->isEnabled());
    EXPECT_FALSE(anySeemFolderItemEnabled());
}

TEST_F(Form1Shell, AssociationCommandsReportAndStayInTheGivenDirs) {
    action("mnuAccFile")->trigger();
    EXPECT_EQ(dialogs.messages.back().icon, MessageIcon::Critical); // nowhere to write yet

    const IsolatedDesktop home;
    form->setDesktopIntegration(
        {(home.path() + "/data").toStdString(), (home.path() + "/config").toStdString(), {}},
        QStringLiteral("/opt/vantrel/vantrel"));
    action("mnuAccFile")->trigger();
    EXPECT_EQ(dialogs.messages.back().text, str(33));
    action("mnuUnAccFile")->trigger();
    EXPECT_EQ(dialogs.messages.back().text, str(35) + str(34) + str(27));
}

TEST_F(Form1Shell, HelpTopicsOpensTheBundledPage) {
    action("mnuHelpTopic")->trigger();
    ASSERT_EQ(dialogs.openedUrls.size(), 1u);
    EXPECT_EQ(dialogs.openedUrls[0], QUrl::fromLocalFile(appFile(QStringLiteral("help.html"))));
}

} // namespace
} // namespace vantrel::testing
