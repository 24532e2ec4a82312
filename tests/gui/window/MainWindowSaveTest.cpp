// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowOpenSaveFixture.h"
#include "core/i18n/BuiltinStrings.h"
#include "desktop/files/FileDialogOptions.h"

#include <sys/stat.h>

using namespace vantrel;
using vantrel::testing::MainWindowOpenSave;

TEST_F(MainWindowOpenSave, UneditedSaveIsByteIdenticalAndLowerCaseHexSaves) {
    QByteArray content;
    for (int i = 0; i < 40; ++i)
        content.append(static_cast<char>(i * 7));
    const QString path = writeSeem(QStringLiteral("s.seem"), content);
    mainWindow->openFile(path);
    fileController().save();
    EXPECT_EQ(readAll(path), content);

    typeInto(5, "0a");
    typeInto(6, "0f");
    fileController().save();
    content[5] = 10;
    content[6] = 15;
    EXPECT_EQ(readAll(path), content);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowOpenSave, EmptyCellRefusesTheSaveNamesTheOffsetAndFocusesIt) {
    const QString path = bytesFile(QStringLiteral("s.seem"), 40, '\x33');
    mainWindow->openFile(path);
    typeInto(26, "");
    fileController().save();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("26")));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("1A")));
    EXPECT_EQ(probe().session().document().grid().currentCell(), 26);
    EXPECT_EQ(probe().gridView()->editIndex(), 26);
    EXPECT_EQ(readAll(path), QByteArray(40, '\x33'));

    // Far down a large file the cell is scrolled into view, with the keys on it.
    showActive();
    mainWindow->openFile(bytesFile(QStringLiteral("large.seem"), 5000, '\x33'));
    typeInto(4990, "");
    fileController().save();
    const ByteGridView* grid = probe().gridView();
    EXPECT_TRUE(grid->viewport()->rect().contains(grid->cellRect(4990)));
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(MainWindowOpenSave, SaveAsWritesTheNewPathAndUsesTheTwoBlankCaption) {
    const QString path = bytesFile(QStringLiteral("s.seem"), 40, '\x44');
    mainWindow->openFile(path);
    const QString copy = work.filePath(QStringLiteral("copy.seem"));
    dialogs.saveFiles = {copy};
    fileController().saveAs();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, str(UiString::SaveAsDialogTitle));
    EXPECT_EQ(dialogs.fileRequests[0].presetFileName, path);
    EXPECT_EQ(dialogs.fileRequests[0].options, FileDialogOption::ConfirmOverwrite);
    EXPECT_EQ(readAll(copy), QByteArray(40, '\x44'));
    EXPECT_EQ(probe().fileName(), copy);
    EXPECT_EQ(mainWindow->windowTitle(), mainCaption() + QStringLiteral("  ") + copy);
    EXPECT_EQ(fileController().recentFiles(), QStringList{copy});

    dialogs.saveFiles = {copy};
    fileController().saveAs();
    EXPECT_EQ(fileController().recentFiles(), QStringList{copy});
    EXPECT_EQ(mainWindow->windowTitle(), mainCaption() + QStringLiteral("  ") + copy);
}

// The caption follows the session alone: Save As names the file even onto
// its own name, a plain Save keeps the form, reading the file again brings
// the brackets back.
TEST_F(MainWindowOpenSave, SaveAsOntoItsOwnNameTakesTheTwoBlankCaptionUntilReread) {
    const QString path = bytesFile(QStringLiteral("own.seem"), 40, '\x44');
    mainWindow->openFile(path);
    typeInto(0, "45");
    dialogs.saveFiles = {path};
    fileController().saveAs();
    EXPECT_EQ(readAll(path).at(0), '\x45');
    EXPECT_EQ(mainWindow->windowTitle(), mainCaption() + QStringLiteral("  ") + path);
    typeInto(1, "46");
    fileController().save();
    EXPECT_EQ(mainWindow->windowTitle(), mainCaption() + QStringLiteral("  ") + path);
    fileController().reload(OpenReason::Reload);
    EXPECT_EQ(mainWindow->windowTitle(),
              mainCaption() + QStringLiteral(" [") + path + QLatin1Char(']'));
}

TEST_F(MainWindowOpenSave, SavingOverALongerFileLeavesExactlyTheGridsBytes) {
    const QString path = bytesFile(QStringLiteral("s.seem"), 40, '\x01');
    mainWindow->openFile(path);
    const QString longer = bytesFile(QStringLiteral("long.seem"), 300, '\x09');
    dialogs.saveFiles = {longer};
    fileController().saveAs();
    EXPECT_EQ(readAll(longer), QByteArray(40, '\x01'));
}

TEST_F(MainWindowOpenSave, SavingAReadOnlyFileReportsAndLosesNothing) {
    const QString path = bytesFile(QStringLiteral("s.seem"), 40, '\x05');
    mainWindow->openFile(path);
    typeInto(0, "AA");
    ::chmod(path.toLocal8Bit().constData(), 0444);
    fileController().save();
    ::chmod(path.toLocal8Bit().constData(), 0644);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(dialogs.messages[0].text.contains(path));
    EXPECT_EQ(readAll(path), QByteArray(40, '\x05'));
    EXPECT_EQ(probe().session().document().grid().text(0), "AA");
    EXPECT_EQ(probe().fileName(), path);
}

TEST_F(MainWindowOpenSave, FailedSaveAsKeepsTheOldPathAndCaption) {
    const QString path = bytesFile(QStringLiteral("s.seem"), 40);
    mainWindow->openFile(path);
    const QString title = mainWindow->windowTitle();
    dialogs.saveFiles = {work.filePath(QStringLiteral("no/such/folder/x.seem"))};
    fileController().saveAs();
    EXPECT_EQ(probe().fileName(), path);
    EXPECT_EQ(mainWindow->windowTitle(), title);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}
