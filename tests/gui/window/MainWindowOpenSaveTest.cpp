// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowOpenSaveFixture.h"
#include "core/i18n/BuiltinStrings.h"
#include "desktop/files/FileDialogOptions.h"
#include "gui/ModalAnswer.h"
#include "gui/NamedChild.h"
#include "gui/dialogs/TipWindow.h"
#include "gui/document/ByteGridView.h"
#include "gui/generators/OuterTextDialog.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace vantrel;
using vantrel::testing::MainWindowOpenSave;
using vantrel::testing::ModalAnswer;
using vantrel::testing::namedChild;

TEST_F(MainWindowOpenSave, ExactlyFiveThousandBytesOpenAndScrollsToTheLastRow) {
    const QString path = bytesFile(QStringLiteral("big.seem"), 5000);
    mainWindow->openFile(path);
    EXPECT_TRUE(probe().session().fileOpen());
    EXPECT_EQ(probe().session().document().grid().cellCount(), 5000);
    EXPECT_EQ(mainWindow->windowTitle(),
              mainCaption() + QStringLiteral(" [") + path + QLatin1Char(']'));
    ByteGridView* view = probe().gridView();
    view->scrollToCell(4999);
    EXPECT_TRUE(view->viewport()->rect().contains(view->cellRect(4999)));
}

TEST_F(MainWindowOpenSave, SavingOverAnotherProgramsChangeOrAGoneFileAsksFirst) {
    const QString path = bytesFile(QStringLiteral("first.seem"), 40, '\x01');
    mainWindow->openFile(path);
    typeInto(0, "AA");
    const QByteArray theirs(40, '\x02');
    writeSeem(QStringLiteral("first.seem"), theirs);
    dialogs.questionAnswers = {2}; // Cancel
    fileController().save();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].buttons.size(), 3);
    EXPECT_EQ(readAll(path), theirs);
    dialogs.questionAnswers = {0}; // Overwrite
    fileController().save();
    QByteArray mine(40, '\x01');
    mine[0] = '\xAA';
    EXPECT_EQ(readAll(path), mine);

    typeInto(1, "BB");
    QFile::remove(path);
    dialogs.questionAnswers = {1}; // Cancel
    fileController().save();
    EXPECT_FALSE(QFileInfo::exists(path));
    dialogs.questionAnswers = {0}; // Save
    fileController().save();
    mine[1] = '\xBB';
    EXPECT_EQ(readAll(path), mine);
}

TEST_F(MainWindowOpenSave, TooLargeFileIsRefusedAndTheOpenDocumentStillSavesToItsPath) {
    const QString first = bytesFile(QStringLiteral("first.seem"), 40, '\x01');
    mainWindow->openFile(first);
    typeInto(3, "7F");
    const QString big = bytesFile(QStringLiteral("huge.seem"), 5001);
    mainWindow->openFile(big);
    EXPECT_TRUE(saidCritical(UiString::TooLarge));
    EXPECT_EQ(probe().fileName(), first);
    EXPECT_EQ(probe().session().document().grid().cellCount(), 40);
    EXPECT_EQ(mainWindow->windowTitle(),
              mainCaption() + QStringLiteral(" [") + first + QStringLiteral("] *"));
    fileController().save();
    QByteArray expected(40, '\x01');
    expected[3] = '\x7F';
    EXPECT_EQ(readAll(first), expected);
    EXPECT_EQ(readAll(big).size(), 5001);
}

TEST_F(MainWindowOpenSave, SizeMinusOneMatchesAndTheFirstMatchWins) {
    mainWindow->openFile(bytesFile(QStringLiteral("a.seem"), 41));
    EXPECT_EQ(probe().session().document().typeName(), "style");
    mainWindow->openFile(bytesFile(QStringLiteral("b.seem"), 121));
    EXPECT_EQ(probe().session().document().typeName(), "function");
    EXPECT_TRUE(probe().session().fileOpen());
}

TEST_F(MainWindowOpenSave, UnknownKindShowsStringElevenAndTheFullWindowGrid) {
    const QRect normal = probe().gridView()->geometry();
    mainWindow->openFile(bytesFile(QStringLiteral("ring.seem"), 64));
    EXPECT_TRUE(saidCritical(UiString::TypeWithoutEditor));
    EXPECT_TRUE(probe().session().fileOpen()) << "its bytes can be edited and saved";
    EXPECT_TRUE(action("mnuSave")->isEnabled());
    ByteGridView* view = probe().gridView();
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(view->isEnabled());
    EXPECT_GT(view->width(), normal.width());
    EXPECT_LT(view->x(), normal.x());
    EXPECT_FALSE(mainWindow->findChild<QGroupBox*>(QStringLiteral("frameSet"))->isVisible());
    EXPECT_FALSE(mainWindow->findChild<QLabel*>(QStringLiteral("lblSoftTip"))->isVisible());
    EXPECT_EQ(probe().statusText(1).toStdString(),
              probe().strings().format(UiString::StatusNoEditor, {"ringtone", "64"}));

    mainWindow->openFile(bytesFile(QStringLiteral("style.seem"), 40));
    EXPECT_EQ(probe().gridView()->geometry(), normal);
}

TEST_F(MainWindowOpenSave, SizeMatchingNoTypeShowsTheBytesAndSaysSo) {
    showActive();
    const QString path = bytesFile(QStringLiteral("odd.seem"), 7);
    mainWindow->openFile(path);
    EXPECT_TRUE(probe().gridView()->hasFocus());
    EXPECT_TRUE(probe().session().fileOpen());
    EXPECT_EQ(probe().fileName(), path);
    EXPECT_EQ(probe().session().document().grid().cellCount(), 7);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(probe().gridView()->isVisible());
    EXPECT_FALSE(mainWindow->findChild<QLabel*>(QStringLiteral("lblSoftTip"))->isVisible());
    EXPECT_EQ(probe().statusText(1).toStdString(),
              probe().strings().format(UiString::StatusNoTypeMatches, {"7"}));

    mainWindow->openFile(bytesFile(QStringLiteral("style.seem"), 40));
    mainWindow->openFile(path);
    EXPECT_TRUE(probe().session().fileOpen());
    EXPECT_FALSE(mainWindow->findChild<QGroupBox*>(QStringLiteral("frameSet"))->isVisible());
    EXPECT_EQ(probe().statusText(1).toStdString(),
              probe().strings().format(UiString::StatusNoTypeMatches, {"7"}));
}

TEST_F(MainWindowOpenSave, UnreadableFilesReportAndChangeNothing) {
    const QString first = bytesFile(QStringLiteral("first.seem"), 40, '\x02');
    mainWindow->openFile(first);
    const QString title = mainWindow->windowTitle();
    const QString missing = work.filePath(QStringLiteral("gone.seem"));
    const QString empty = bytesFile(QStringLiteral("empty.seem"), 0);
    const QString fifo =
        work.filePath(QStringLiteral("pipe.seem")); // no writer: a read would block
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const QString& bad : {missing, work.path(), empty, fifo}) {
        dialogs.messages.clear();
        QElapsedTimer took;
        took.start();
        mainWindow->openFile(bad);
        EXPECT_LT(took.elapsed(), 1000) << bad.toStdString();
        ASSERT_EQ(dialogs.messages.size(), 1u) << bad.toStdString();
        EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
        EXPECT_TRUE(dialogs.messages[0].text.contains(bad));
        EXPECT_EQ(probe().fileName(), first);
        EXPECT_EQ(mainWindow->windowTitle(), title);
        EXPECT_EQ(probe().session().document().grid().cellCount(), 40);
        EXPECT_TRUE(probe().session().fileOpen());
    }
}

TEST_F(MainWindowOpenSave, OpenDialogUsesStringsFiveAndEightAndCancelDoesNothing) {
    dialogs.openFiles = {std::nullopt};
    fileController().open();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, str(UiString::OpenDialogTitle));
    EXPECT_EQ(dialogs.fileRequests[0].options,
              FileDialogOption::MustExist | FileDialogOption::HideReadOnly);
    EXPECT_FALSE(dialogs.fileRequests[0].nameFilters.isEmpty());
    EXPECT_FALSE(probe().session().fileOpen());

    const QString path = bytesFile(QStringLiteral("s.seem"), 40);
    dialogs.openFiles = {path, path};
    fileController().open();
    fileController().open();
    EXPECT_EQ(probe().fileName(), path);
    EXPECT_EQ(fileController().recentFiles(), QStringList{path});
}

TEST_F(MainWindowOpenSave, VolumeAlertFollowsShowTip) {
    mainWindow->openFile(bytesFile(QStringLiteral("v.seem"), 24));
    const TipWindow* tip = mainWindow->findChild<TipWindow*>();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(namedChild<QLabel>(tip, "lblTip")->text(), QStringLiteral("Careful"));
    delete tip;
    settings.setValue("ShowTip", "0");
    mainWindow->openFile(bytesFile(QStringLiteral("v2.seem"), 24));
    EXPECT_EQ(mainWindow->findChild<TipWindow*>(), nullptr);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowOpenSave, OuterTextFileLeavesTheWindowEmpty) {
    mainWindow->openFile(bytesFile(QStringLiteral("s.seem"), 40));
    {
        ModalAnswer<OuterTextDialog> answer([](OuterTextDialog&) {});
        mainWindow->openFile(bytesFile(QStringLiteral("0061_0001.seem"), 34));
    }
    EXPECT_FALSE(probe().session().fileOpen());
    EXPECT_EQ(probe().session().document().typeName(), "outertext");
    EXPECT_EQ(probe().session().document().savedBytes().size(), 34u);
}

TEST_F(MainWindowOpenSave, CloseReturnsToEmptyWithOneCellAndTheMainCaption) {
    mainWindow->openFile(bytesFile(QStringLiteral("s.seem"), 40));
    fileController().close();
    EXPECT_FALSE(probe().session().fileOpen());
    EXPECT_EQ(probe().session().document().grid().cellCount(), 1);
    EXPECT_TRUE(probe().fileName().isEmpty());
    EXPECT_EQ(mainWindow->windowTitle(), mainCaption());
    EXPECT_EQ(probe().statusText(1), str(UiString::StatusNoFile));
    EXPECT_FALSE(action("mnuSave")->isEnabled());
}

TEST_F(MainWindowOpenSave, ReloadDiscardsEdits) {
    const QString path = bytesFile(QStringLiteral("s.seem"), 40, '\x10');
    mainWindow->openFile(path);
    typeInto(0, "FF");
    fileController().reload(); // asked, and cancelled
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(probe().session().document().grid().text(0), "FF");
    dialogs.questionAnswers = {0};
    fileController().reload();
    EXPECT_EQ(probe().session().document().grid().text(0), "10");
    EXPECT_EQ(mainWindow->windowTitle(),
              mainCaption() + QStringLiteral(" [") + path + QLatin1Char(']'));
    fileController().reload(); // nothing to lose: no question
    EXPECT_EQ(dialogs.questions.size(), 2u);
}

TEST_F(MainWindowOpenSave, TheChangedOnDiskBarsReloadAsksAsFileReloadDoes) {
    const QString path = bytesFile(QStringLiteral("s.seem"), 40, '\x10');
    mainWindow->openFile(path);
    typeInto(0, "FF");
    changeOnDisk(path, QByteArray(40, '\x20'));
    ASSERT_TRUE(QTest::qWaitFor([this] { return barShown(); }, 5000));
    QPushButton* reload = nullptr;
    for (auto* button : changeBar()->findChildren<QPushButton*>()) {
        if (button->text() == str(UiString::ButtonReload))
            reload = button;
    }
    ASSERT_NE(reload, nullptr);
    reload->setFocus();
    QTest::keyClick(reload, Qt::Key_Space); // Escape answers the question
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].text.toStdString(),
              probe().strings().format(UiString::AskReload, {path.toStdString()}));
    EXPECT_EQ(cell(0), QStringLiteral("FF"));
    EXPECT_TRUE(barShown());

    dialogs.questionAnswers = {0};
    QTest::keyClick(reload, Qt::Key_Space);
    EXPECT_EQ(cell(0), QStringLiteral("20"));
    EXPECT_FALSE(barShown());
}

// File > Reload repeats the whole opening; reading the file again because
// another program changed it brings no tip, whether by itself or as the
// answer to the save's question.
TEST_F(MainWindowOpenSave, FileReloadBringsTheTipAgainButReadingAnotherProgramsChangeDoesNot) {
    const QString path = bytesFile(QStringLiteral("v.seem"), 24);
    mainWindow->openFile(path);
    ASSERT_NE(mainWindow->findChild<TipWindow*>(), nullptr);
    delete mainWindow->findChild<TipWindow*>();
    action("mnuReload")->trigger();
    ASSERT_NE(mainWindow->findChild<TipWindow*>(), nullptr);
    delete mainWindow->findChild<TipWindow*>();

    changeOnDisk(path, QByteArray(24, '\x01'));
    ASSERT_TRUE(QTest::qWaitFor([this] { return cell(0) == QStringLiteral("01"); }, 5000));
    EXPECT_EQ(mainWindow->findChild<TipWindow*>(), nullptr);

    typeInto(1, "FF");
    writeSeem(QStringLiteral("v.seem"), QByteArray(24, '\x02'));
    dialogs.questionAnswers = {1}; // Reload
    fileController().save();
    EXPECT_EQ(cell(1), QStringLiteral("02"));
    EXPECT_EQ(mainWindow->findChild<TipWindow*>(), nullptr);
}

TEST_F(MainWindowOpenSave, TheReloadedNoticeGoesOnceTheDocumentOrItsFileChanges) {
    const QString path = bytesFile(QStringLiteral("s.seem"), 40, '\x10');
    mainWindow->openFile(path);
    const QString notice = QString::fromStdString(
        probe().strings().format(UiString::ReloadedFromDisk, {path.toStdString()}));
    changeOnDisk(path, QByteArray(40, '\x20'));
    ASSERT_TRUE(QTest::qWaitFor([this] { return cell(0) == QStringLiteral("20"); }, 5000));
    EXPECT_EQ(probe().statusText(2), notice);
    typeInto(1, "FF");
    EXPECT_TRUE(probe().statusText(2).isEmpty()) << "edited since";

    fileController().save();
    changeOnDisk(path, QByteArray(40, '\x30'));
    ASSERT_TRUE(QTest::qWaitFor([this] { return cell(0) == QStringLiteral("30"); }, 5000));
    EXPECT_EQ(probe().statusText(2), notice);
    QFile::remove(path);
    QEvent activated(QEvent::WindowActivate);
    QCoreApplication::sendEvent(mainWindow.get(), &activated);
    ASSERT_TRUE(QTest::qWaitFor([this] { return barShown(); }, 5000));
    EXPECT_TRUE(probe().statusText(2).isEmpty()) << "the file has gone since";
}
