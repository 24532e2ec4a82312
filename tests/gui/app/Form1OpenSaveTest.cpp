// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1Fixture.h"
#include "gui/ModalAnswer.h"

#include "core/i18n/BuiltinStrings.h"
#include "gui/document/ByteGridView.h"
#include "gui/generators/OuterTextDialog.h"
#include "gui/windows/TipWindow.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QTreeWidget>

#include <sys/stat.h>

using namespace vantrel;
using vantrel::testing::Form1Fixture;
using vantrel::testing::ModalAnswer;

namespace {

constexpr const char* kDefinitions = R"(<seems>
  <f ID="fn" size="120" tip="Functions" type="function"><k ID="Sound" offset="1A" bit="0" tip="t"/></f>
  <s ID="first" size="40" tip="Styles" type="style"/>
  <s ID="second" size="41" tip="Never" type="function"/>
  <r ID="ring" size="64" tip="Rings" type="ringtone"/>
  <v ID="vol" size="24" tip="Volume" type="volume" alert="Careful"/>
  <big ID="big" size="5000" tip="Big" type="style"/>
  <o ID="outer" size="34" tip="Outer" type="outertext"/>
</seems>)";

class Form1OpenSave : public Form1Fixture {
  protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        writeAppFile(QStringLiteral("seem_en.xml"), kDefinitions);
        start();
        ASSERT_TRUE(loaded);
    }

    QString bytesFile(const QString& name, int length, char fill = '\x5A') {
        return writeSeem(name, QByteArray(length, fill));
    }

    QString mainCaption() const { return form->mainCaption(); }
};

} // namespace

TEST_F(Form1OpenSave, ExactlyFiveThousandBytesOpenAndScrollsToTheLastRow) {
    const QString path = bytesFile(QStringLiteral("big.seem"), 5000);
    form->OpenSeemFile(path);
    EXPECT_TRUE(form->isLoaded());
    EXPECT_EQ(form->grid().cellCount(), 5000);
    EXPECT_EQ(form->windowTitle(), mainCaption() + QStringLiteral(" [") + path + QLatin1Char(']'));
    ByteGridView* view = form->gridView();
    view->scrollToCell(4999);
    EXPECT_TRUE(view->viewport()->rect().contains(view->cellRect(4999)));
}

TEST_F(Form1OpenSave, TooLargeFileIsRefusedAndTheOpenDocumentStillSavesToItsPath) {
    const QString first = bytesFile(QStringLiteral("first.seem"), 40, '\x01');
    form->OpenSeemFile(first);
    form->grid().setText(3, QStringLiteral("7F").toStdString());
    const QString big = bytesFile(QStringLiteral("huge.seem"), 5001);
    form->OpenSeemFile(big);
    EXPECT_TRUE(saidCritical(9));
    EXPECT_EQ(form->fileName(), first);
    EXPECT_EQ(form->grid().cellCount(), 40);
    EXPECT_EQ(form->windowTitle(),
              mainCaption() + QStringLiteral(" [") + first + QStringLiteral("] *"));
    form->mnuSave_Click();
    QByteArray expected(40, '\x01');
    expected[3] = '\x7F';
    EXPECT_EQ(readAll(first), expected);
    EXPECT_EQ(readAll(big).size(), 5001);
}

TEST_F(Form1OpenSave, SizeMinusOneMatchesAndTheFirstMatchWins) {
    form->OpenSeemFile(bytesFile(QStringLiteral("a.seem"), 41));
    EXPECT_EQ(form->curType(), "style");
    form->OpenSeemFile(bytesFile(QStringLiteral("b.seem"), 121));
    EXPECT_EQ(form->curType(), "function");
    EXPECT_TRUE(form->isLoaded());
}

TEST_F(Form1OpenSave, UnknownKindShowsStringElevenAndTheFullWindowGrid) {
    const QRect normal = form->gridView()->geometry();
    form->OpenSeemFile(bytesFile(QStringLiteral("ring.seem"), 64));
    EXPECT_TRUE(saidCritical(11));
    EXPECT_FALSE(form->isLoaded());
    ByteGridView* view = form->gridView();
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(view->isEnabled());
    EXPECT_GT(view->width(), normal.width());
    EXPECT_LT(view->x(), normal.x());
    EXPECT_FALSE(form->findChild<QGroupBox*>(QStringLiteral("frameSet"))->isVisible());

    form->OpenSeemFile(bytesFile(QStringLiteral("style.seem"), 40));
    EXPECT_EQ(form->gridView()->geometry(), normal);
}

TEST_F(Form1OpenSave, SizeMatchingNoTypeLoadsTheBytesWithoutAnyEditor) {
    const QString path = bytesFile(QStringLiteral("odd.seem"), 7);
    form->OpenSeemFile(path);
    EXPECT_FALSE(form->isLoaded());
    EXPECT_EQ(form->fileName(), path);
    EXPECT_EQ(form->grid().cellCount(), 7);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Form1OpenSave, UnreadableFilesReportAndChangeNothing) {
    const QString first = bytesFile(QStringLiteral("first.seem"), 40, '\x02');
    form->OpenSeemFile(first);
    const QString title = form->windowTitle();
    const QString missing = work.filePath(QStringLiteral("gone.seem"));
    const QString empty = bytesFile(QStringLiteral("empty.seem"), 0);
    const QString fifo =
        work.filePath(QStringLiteral("pipe.seem")); // no writer: a read would block
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const QString& bad : {missing, work.path(), empty, fifo}) {
        dialogs.messages.clear();
        QElapsedTimer took;
        took.start();
        form->OpenSeemFile(bad);
        EXPECT_LT(took.elapsed(), 1000) << bad.toStdString();
        ASSERT_EQ(dialogs.messages.size(), 1u) << bad.toStdString();
        EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
        EXPECT_TRUE(dialogs.messages[0].text.contains(bad));
        EXPECT_EQ(form->fileName(), first);
        EXPECT_EQ(form->windowTitle(), title);
        EXPECT_EQ(form->grid().cellCount(), 40);
        EXPECT_TRUE(form->isLoaded());
    }
}

TEST_F(Form1OpenSave, OpenDialogUsesStringsFiveAndEightAndCancelDoesNothing) {
    dialogs.openFiles = {std::nullopt};
    form->mnuOpen_Click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, str(5));
    EXPECT_EQ(dialogs.fileRequests[0].flags, 4100);
    EXPECT_FALSE(dialogs.fileRequests[0].nameFilters.isEmpty());
    EXPECT_FALSE(form->isLoaded());

    const QString path = bytesFile(QStringLiteral("s.seem"), 40);
    dialogs.openFiles = {path, path};
    form->mnuOpen_Click();
    form->mnuOpen_Click();
    EXPECT_EQ(form->fileName(), path);
    EXPECT_EQ(form->recentFiles(), QStringList{path});
}

TEST_F(Form1OpenSave, VolumeAlertFollowsShowTip) {
    form->OpenSeemFile(bytesFile(QStringLiteral("v.seem"), 24));
    const TipWindow* tip = form->findChild<TipWindow*>();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->lblTip->text(), QStringLiteral("Careful"));
    delete tip;
    settings.setValue("ShowTip", "0");
    form->OpenSeemFile(bytesFile(QStringLiteral("v2.seem"), 24));
    EXPECT_EQ(form->findChild<TipWindow*>(), nullptr);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Form1OpenSave, OuterTextFileLeavesTheWindowEmpty) {
    form->OpenSeemFile(bytesFile(QStringLiteral("s.seem"), 40));
    {
        ModalAnswer<OuterTextDialog> answer([](OuterTextDialog&) {});
        form->OpenSeemFile(bytesFile(QStringLiteral("0061_0001.seem"), 34));
    }
    EXPECT_FALSE(form->isLoaded());
    EXPECT_EQ(form->curType(), "outertext");
    EXPECT_EQ(form->fileBytes().size(), 34u);
}

TEST_F(Form1OpenSave, CloseReturnsToEmptyWithOneCellAndTheMainCaption) {
    form->OpenSeemFile(bytesFile(QStringLiteral("s.seem"), 40));
    form->mnuClose_Click();
    EXPECT_FALSE(form->isLoaded());
    EXPECT_EQ(form->grid().cellCount(), 1);
    EXPECT_TRUE(form->fileName().isEmpty());
    EXPECT_EQ(form->windowTitle(), mainCaption());
    EXPECT_EQ(form->statusText(1), str(1));
    EXPECT_FALSE(action("mnuSave")->isEnabled());
}

TEST_F(Form1OpenSave, ReloadDiscardsEdits) {
    const QString path = bytesFile(QStringLiteral("s.seem"), 40, '\x10');
    form->OpenSeemFile(path);
    form->grid().setText(0, "FF");
    form->mnuReload_Click(); // asked, and cancelled
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(form->grid().text(0), "FF");
    dialogs.questionAnswers = {0};
    form->mnuReload_Click();
    EXPECT_EQ(form->grid().text(0), "10");
    EXPECT_EQ(form->windowTitle(), mainCaption() + QStringLiteral(" [") + path + QLatin1Char(']'));
    form->mnuReload_Click(); // nothing to lose: no question
    EXPECT_EQ(dialogs.questions.size(), 2u);
}

TEST_F(Form1OpenSave, UneditedSaveIsByteIdenticalAndLowerCaseHexSaves) {
    QByteArray content;
    for (int i = 0; i < 40; ++i)
        content.append(static_cast<char>(i * 7));
    const QString path = writeSeem(QStringLiteral("s.seem"), content);
    form->OpenSeemFile(path);
    form->mnuSave_Click();
    EXPECT_EQ(readAll(path), content);

    form->grid().setText(5, "0a");
    form->grid().setText(6, "f");
    form->mnuSave_Click();
    content[5] = 10;
    content[6] = 15;
    EXPECT_EQ(readAll(path), content);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Form1OpenSave, EmptyCellRefusesTheSaveNamesTheOffsetAndFocusesIt) {
    const QString path = bytesFile(QStringLiteral("s.seem"), 40, '\x33');
    form->OpenSeemFile(path);
    form->grid().setText(26, "");
    form->mnuSave_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("26")));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("1A")));
    EXPECT_EQ(form->grid().lastSelect(), 26);
    EXPECT_EQ(form->gridView()->editIndex(), 26);
    EXPECT_EQ(readAll(path), QByteArray(40, '\x33'));
}

TEST_F(Form1OpenSave, SaveAsWritesTheNewPathAndUsesTheTwoBlankCaption) {
    const QString path = bytesFile(QStringLiteral("s.seem"), 40, '\x44');
    form->OpenSeemFile(path);
    const QString copy = work.filePath(QStringLiteral("copy.seem"));
    dialogs.saveFiles = {copy};
    form->mnuSaveAs_Click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, str(6));
    EXPECT_EQ(dialogs.fileRequests[0].presetFileName, path);
    EXPECT_EQ(dialogs.fileRequests[0].flags, 2);
    EXPECT_EQ(readAll(copy), QByteArray(40, '\x44'));
    EXPECT_EQ(form->fileName(), copy);
    EXPECT_EQ(form->windowTitle(), mainCaption() + QStringLiteral("  ") + copy);
    EXPECT_EQ(form->recentFiles(), QStringList{copy});

    dialogs.saveFiles = {copy};
    form->mnuSaveAs_Click();
    EXPECT_EQ(form->recentFiles(), QStringList{copy});
    EXPECT_EQ(form->windowTitle(), mainCaption() + QStringLiteral("  ") + copy);
}

TEST_F(Form1OpenSave, SavingOverALongerFileLeavesExactlyTheGridsBytes) {
    const QString path = bytesFile(QStringLiteral("s.seem"), 40, '\x01');
    form->OpenSeemFile(path);
    const QString longer = bytesFile(QStringLiteral("long.seem"), 300, '\x09');
    dialogs.saveFiles = {longer};
    form->mnuSaveAs_Click();
    EXPECT_EQ(readAll(longer), QByteArray(40, '\x01'));
}

TEST_F(Form1OpenSave, SavingAReadOnlyFileReportsAndLosesNothing) {
    const QString path = bytesFile(QStringLiteral("s.seem"), 40, '\x05');
    form->OpenSeemFile(path);
    form->grid().setText(0, "AA");
    ::chmod(path.toLocal8Bit().constData(), 0444);
    form->mnuSave_Click();
    ::chmod(path.toLocal8Bit().constData(), 0644);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(dialogs.messages[0].text.contains(path));
    EXPECT_EQ(readAll(path), QByteArray(40, '\x05'));
    EXPECT_EQ(form->grid().text(0), "AA");
    EXPECT_EQ(form->fileName(), path);
}

TEST_F(Form1OpenSave, FailedSaveAsKeepsTheOldPathAndCaption) {
    const QString path = bytesFile(QStringLiteral("s.seem"), 40);
    form->OpenSeemFile(path);
    const QString title = form->windowTitle();
    dialogs.saveFiles = {work.filePath(QStringLiteral("no/such/folder/x.seem"))};
    form->mnuSaveAs_Click();
    EXPECT_EQ(form->fileName(), path);
    EXPECT_EQ(form->windowTitle(), title);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}
