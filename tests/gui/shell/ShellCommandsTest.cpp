// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/ShellCommands.h"

#include "IsolatedDesktop.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"
#include "gui/dialogs/ScriptedDialogs.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/shell/DesktopTools.h"
#include "gui/shell/FolderBrowser.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class ShellCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override { StandardDialog::setAnswerer(&dialogs); }

    [[nodiscard]] QString str(UiString n) const { return QString::fromStdString(strings.get(n)); }
    [[nodiscard]] const MessageRequest& lastMessage() const { return dialogs.messages.back(); }

    // The standard output of a desktop tool run over our dirs.
    [[nodiscard]] QString toolOutput(const QString& program, const QStringList& arguments) const {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", QString::fromStdString(where.dataHome));
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString(where.configHome));
        // Asks the desktop's own MIME database rather than file(1).
        environment.insert("XDG_CURRENT_DESKTOP", "GNOME");
        tool.setProcessEnvironment(environment);
        tool.start(QStandardPaths::findExecutable(program), arguments);
        tool.waitForFinished(30000);
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }

    testing::IsolatedDesktop home;
    XdgLocations where{
        (home.path() + "/data").toStdString(), (home.path() + "/config").toStdString(), {}};
    UiStrings strings;
    ScriptedDialogs dialogs;
};

TEST_F(ShellCommandsTest, AssociatingIsReportedAndTheDesktopKnowsTheType) {
    for (int round = 0; round < 2; ++round) {
        associateSeemFilesAndReport(nullptr, strings, where, "/opt/vantrel/vantrel");
        ASSERT_EQ(dialogs.messages.size(), static_cast<std::size_t>(round + 1));
        EXPECT_EQ(lastMessage().icon, MessageIcon::Information);
        EXPECT_EQ(lastMessage().text, str(UiString::AssociationMade));
    }
    if (!QStandardPaths::findExecutable("desktop-file-validate").isEmpty()) {
        EXPECT_EQ(QProcess::execute("desktop-file-validate",
                                    {QString::fromStdString(desktopEntryPath(where))}),
                  0);
    }
    if (!QStandardPaths::findExecutable("xdg-mime").isEmpty() &&
        !QStandardPaths::findExecutable("update-mime-database").isEmpty() &&
        !QStandardPaths::findExecutable("gio").isEmpty()) {
        QFile seem(home.path() + "/phone.seem");
        ASSERT_TRUE(seem.open(QIODevice::WriteOnly));
        seem.write("\x01\x02", 2);
        seem.close();
        EXPECT_EQ(toolOutput("xdg-mime", {"query", "filetype", seem.fileName()}),
                  "application/x-vantrel-seem");
        EXPECT_EQ(toolOutput("xdg-mime", {"query", "default", "application/x-vantrel-seem"}),
                  "org.vantrel.Vantrel.desktop");
    }
}

TEST_F(ShellCommandsTest, RemovingSucceedsOnceAndThenSaysThereWasNothing) {
    associateSeemFilesAndReport(nullptr, strings, where, "/opt/vantrel/vantrel");
    removeSeemAssociationAndReport(nullptr, strings, where);
    EXPECT_EQ(lastMessage().icon, MessageIcon::Information);
    EXPECT_EQ(lastMessage().text, str(UiString::RemovingPrefix) +
                                      str(UiString::AssociationMessage) + str(UiString::Succeeded));
    removeSeemAssociationAndReport(nullptr, strings, where);
    EXPECT_EQ(lastMessage().icon, MessageIcon::Critical);
    EXPECT_TRUE(lastMessage().text.startsWith(str(UiString::RemovingPrefix) +
                                              str(UiString::AssociationMessage) +
                                              str(UiString::AssociationRefused)));
}

TEST_F(ShellCommandsTest, ARefusedWriteIsCriticalAndNamesTheFile) {
    QFile blocker(home.path() + "/data");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    associateSeemFilesAndReport(nullptr, strings, where, "/opt/vantrel/vantrel");
    EXPECT_EQ(lastMessage().icon, MessageIcon::Critical);
    EXPECT_TRUE(lastMessage().text.startsWith(str(UiString::AssociationMessage) +
                                              str(UiString::AssociationRefused)));
    EXPECT_TRUE(lastMessage().text.contains(QString::fromStdString(mimePackagePath(where))));
}

TEST_F(ShellCommandsTest, HelpOpensTheBundledPageOrSaysThereIsNone) {
    QTemporaryDir appDir;
    openHelpTopics(nullptr, strings, appDir.path());
    EXPECT_TRUE(dialogs.openedUrls.empty());
    EXPECT_EQ(lastMessage().icon, MessageIcon::Critical);
    EXPECT_EQ(lastMessage().text, str(UiString::HelpMissing));

    QFile page(appDir.filePath("help.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    openHelpTopics(nullptr, strings, appDir.path());
    ASSERT_EQ(dialogs.openedUrls.size(), 1u);
    EXPECT_EQ(dialogs.openedUrls[0], QUrl::fromLocalFile(page.fileName()));
    EXPECT_EQ(dialogs.messages.size(), 1u);

    // With no browser set up, the user learns where the help file is.
    dialogs.desktopOpensUrls = false;
    openHelpTopics(nullptr, strings, appDir.path());
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(lastMessage().text.contains(QFileInfo(page).fileName()))
        << lastMessage().text.toStdString();
}

TEST_F(ShellCommandsTest, FolderBrowserAnswersTheChosenFolderOrNothing) {
    dialogs.folders = {"/srv/seem", std::nullopt};
    EXPECT_EQ(browseForFolder("Choose", nullptr, "/start"), "/srv/seem");
    EXPECT_EQ(browseForFolder("Choose", nullptr), "");
    ASSERT_EQ(dialogs.folderRequests.size(), 2u);
    EXPECT_EQ(dialogs.folderRequests[0].title, "Choose");
    EXPECT_EQ(dialogs.folderRequests[0].initialDir, "/start");
}

TEST(FolderBrowserTest, TheRealDialogChoosesFoldersOnly) {
    QTemporaryDir dir;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        mode = dialog->fileMode();
        dialog->selectFile(dir.path());
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(browseForFolder("Choose", nullptr, dir.path()), dir.path());
    EXPECT_EQ(mode, QFileDialog::Directory);
}

} // namespace
} // namespace vantrel
