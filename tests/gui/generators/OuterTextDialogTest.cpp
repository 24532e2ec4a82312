// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/BuiltinStrings.h"
#include "GeneratorFixture.h"

#include "core/files/DialogValues.h"
#include "core/generators/OuterTextRecord.h"
#include "gui/generators/OuterTextDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vantrel;
using vantrel::testing::GeneratorFixture;

namespace {

class OuterTextDialogTest : public GeneratorFixture {
  protected:
    OuterTextDialog& open() {
        window = std::make_unique<OuterTextDialog>(host, language);
        window->show();
        return *window;
    }

    QColor hintColor() const { return window->lblTip->palette().color(QPalette::WindowText); }

    static QByteArray record(const std::u16string& text) {
        const auto bytes = encodeOuterTextRecord(text);
        return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<qsizetype>(bytes.size()));
    }

    std::unique_ptr<OuterTextDialog> window;
};

} // namespace

TEST_F(OuterTextDialogTest, OpensCaptionedAndEmptyWithoutAnOuterTextFile) {
    openDocument("function", std::vector<std::uint8_t>(120, 0x41));
    OuterTextDialog& form = open();
    EXPECT_EQ(form.windowTitle(), str(StrOuterTextTitle));
    EXPECT_EQ(form.Frame1->title(), QStringLiteral("Text"));
    EXPECT_EQ(form.cmdSave->text(), QStringLiteral("&Save"));
    EXPECT_EQ(form.Text1->text(), QString());
    EXPECT_EQ(hintColor(), QColor(0, 0, 255));
}

TEST_F(OuterTextDialogTest, ShowsTheOpenOuterTextFilesText) {
    const auto bytes = encodeOuterTextRecord(u"MOTO");
    openDocument("outertext", {bytes.begin(), bytes.end()});
    EXPECT_EQ(open().Text1->text(), QStringLiteral("MOTO"));
}

TEST_F(OuterTextDialogTest, HintTurnsRedPastSixteenScreenBytesAndBlueAgain) {
    OuterTextDialog& form = open();
    form.Text1->setText(QStringLiteral("一二三四五六七八"));
    EXPECT_EQ(form.lblTip->text(), str(StrOuterTextFits));
    EXPECT_EQ(hintColor(), QColor(0, 0, 255));
    QTest::keyClick(form.Text1, Qt::Key_Space);
    EXPECT_EQ(form.lblTip->text(), str(StrOuterTextTooLong));
    EXPECT_EQ(hintColor(), QColor(255, 0, 0));
    QTest::keyClick(form.Text1, Qt::Key_Backspace);
    EXPECT_EQ(hintColor(), QColor(0, 0, 255));
}

TEST_F(OuterTextDialogTest, SaveWritesExactlyTheRecordOverALongerFileAndReturnsToTheMainWindow) {
    const QString target = workFile(QStringLiteral("outer.seem"));
    writeAll(target, QByteArray(300, '\x77'));
    OuterTextDialog& form = open();
    form.Text1->setText(QStringLiteral("  Hello  "));
    dialogs.saveFiles = {target};
    form.cmdSave->click();

    EXPECT_EQ(readAll(target), record(u"Hello"));
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, str(StrOuterTextSaveTitle));
    EXPECT_EQ(dialogs.fileRequests[0].flags, FileDialogFlag::OverwritePrompt);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(dialogs.messages[0].text, str(StrOuterTextSavedPrefix) + QStringLiteral(" [ ") +
                                            target + QStringLiteral(" ] ") + str(StrSucceeded));
    EXPECT_EQ(captionRestored, 1);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(OuterTextDialogTest, CancelledSaveDialogWritesNothingAndStaysOpen) {
    OuterTextDialog& form = open();
    form.Text1->setText(QStringLiteral("ABC"));
    dialogs.saveFiles = {std::nullopt};
    form.cmdSave->click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(QDir(work.path()).isEmpty());
    EXPECT_EQ(captionRestored, 0);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(OuterTextDialogTest, FailedWriteNamesThePathAndTheWindowStaysOpen) {
    const QString target = workFile(QStringLiteral("outer.seem"));
    writeAll(target, QByteArray(34, '\x11'));
    OuterTextDialog& form = open();
    dialogs.saveFiles = {target};
    lockFile(target, true);
    form.cmdSave->click();
    lockFile(target, false);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(dialogs.messages[0].text.contains(target));
    EXPECT_EQ(readAll(target), QByteArray(34, '\x11'));
    EXPECT_EQ(captionRestored, 0);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(OuterTextDialogTest, CancelRestoresTheMainCaptionButTheCloseBoxDoesNot) {
    OuterTextDialog& form = open();
    form.cmdCancel->click();
    EXPECT_EQ(captionRestored, 1);
    EXPECT_FALSE(form.isVisible());

    OuterTextDialog& again = open();
    again.close();
    EXPECT_EQ(captionRestored, 1);
    EXPECT_TRUE(dialogs.fileRequests.empty());
}
