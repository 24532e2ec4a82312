// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/generators/OuterTextDialog.h"

#include "GeneratorFixture.h"
#include "core/generators/OuterTextRecord.h"
#include "core/i18n/BuiltinStrings.h"
#include "desktop/files/FileDialogOptions.h"
#include "gui/NamedChild.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vantrel;
using vantrel::testing::GeneratorFixture;
using vantrel::testing::namedChild;

namespace {

class OuterTextDialogTest : public GeneratorFixture {
  protected:
    OuterTextDialog& open() {
        window = std::make_unique<OuterTextDialog>(host());
        window->show();
        return *window;
    }

    QGroupBox* textFrame() const { return namedChild<QGroupBox>(window.get(), "Frame1"); }
    QLineEdit* textBox() const { return namedChild<QLineEdit>(window.get(), "Text1"); }
    QLabel* hint() const { return namedChild<QLabel>(window.get(), "lblTip"); }
    QPushButton* saveButton() const { return namedChild<QPushButton>(window.get(), "cmdSave"); }
    QPushButton* cancelButton() const { return namedChild<QPushButton>(window.get(), "cmdCancel"); }
    QColor hintColor() const { return hint()->palette().color(QPalette::WindowText); }

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
    EXPECT_EQ(form.windowTitle(), str(UiString::OuterTextTitle));
    EXPECT_EQ(textFrame()->title(), QStringLiteral("Text"));
    EXPECT_EQ(saveButton()->text(), QStringLiteral("&Save"));
    EXPECT_EQ(textBox()->text(), QString());
    EXPECT_EQ(hintColor(), window->palette().color(QPalette::WindowText));
}

TEST_F(OuterTextDialogTest, ShowsTheOpenOuterTextFilesText) {
    const auto bytes = encodeOuterTextRecord(u"MOTO");
    openDocument("outertext", {bytes.begin(), bytes.end()});
    EXPECT_EQ(namedChild<QLineEdit>(&open(), "Text1")->text(), QStringLiteral("MOTO"));
}

TEST_F(OuterTextDialogTest, HintTurnsRedWhenTheTextWillBeCutAndSaysWhatIsStored) {
    OuterTextDialog& form = open();
    const QColor normal = form.palette().color(QPalette::WindowText);
    textBox()->setText(QStringLiteral("一二三四五六七八"));
    EXPECT_EQ(hint()->text(), str(UiString::OuterTextFits));
    EXPECT_EQ(hintColor(), normal);
    QTest::keyClick(textBox(), Qt::Key_Space);
    EXPECT_EQ(hint()->text(), str(UiString::OuterTextTooLong));
    EXPECT_NE(hintColor(), normal);
    QTest::keyClick(textBox(), Qt::Key_Backspace);
    EXPECT_EQ(hintColor(), normal);

    // Eleven letters fit the screen's 16 bytes, yet only eight are stored.
    textBox()->setText(QStringLiteral("ABCDEFGHIJK"));
    EXPECT_TRUE(hint()->text().contains(QStringLiteral("“ABCDEFGH”")))
        << hint()->text().toStdString();
    const QColor warning = hintColor();
    EXPECT_GT(warning.red(), warning.green());
    EXPECT_NE(warning, normal);

    // On a dark palette the warning is a lighter red.
    QPalette dark = form.palette();
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, Qt::white);
    form.setPalette(dark);
    textBox()->setText(QStringLiteral("ABCDEFGHIJ"));
    EXPECT_GT(hintColor().lightness(), warning.lightness());
}

TEST_F(OuterTextDialogTest, SaveWritesExactlyTheRecordOverALongerFileAndReturnsToTheMainWindow) {
    const QString target = workFile(QStringLiteral("outer.seem"));
    writeAll(target, QByteArray(300, '\x77'));
    OuterTextDialog& form = open();
    textBox()->setText(QStringLiteral("  Hello  "));
    dialogs.saveFiles = {target};
    saveButton()->click();

    EXPECT_EQ(readAll(target), record(u"Hello"));
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, str(UiString::OuterTextSaveTitle));
    EXPECT_EQ(dialogs.fileRequests[0].options, FileDialogOption::ConfirmOverwrite);
    EXPECT_EQ(dialogs.fileRequests[0].presetFileName, QStringLiteral("0061_0001.seem"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(dialogs.messages[0].text, str(UiString::OuterTextSavedPrefix) +
                                            QStringLiteral(" [ ") + target + QStringLiteral(" ] ") +
                                            str(UiString::Succeeded));
    EXPECT_EQ(captionRestored, 1);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(OuterTextDialogTest, NameTypedWithoutExtensionIsSavedAsSeem) {
    open();
    textBox()->setText(QStringLiteral("ABC"));
    dialogs.saveFiles = {workFile(QStringLiteral("outer"))};
    saveButton()->click();
    EXPECT_EQ(readAll(workFile(QStringLiteral("outer.seem"))), record(u"ABC"));
    EXPECT_FALSE(QFile::exists(workFile(QStringLiteral("outer"))));
}

TEST_F(OuterTextDialogTest, CancelledSaveDialogWritesNothingAndStaysOpen) {
    OuterTextDialog& form = open();
    textBox()->setText(QStringLiteral("ABC"));
    dialogs.saveFiles = {std::nullopt};
    saveButton()->click();
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
    saveButton()->click();
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
    cancelButton()->click();
    EXPECT_EQ(captionRestored, 1);
    EXPECT_FALSE(form.isVisible());

    OuterTextDialog& again = open();
    again.close();
    EXPECT_EQ(captionRestored, 1);
    EXPECT_TRUE(dialogs.fileRequests.empty());
}
