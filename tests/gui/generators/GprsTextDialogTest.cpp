// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/generators/GprsTextDialog.h"

#include "GeneratorFixture.h"
#include "core/i18n/BuiltinStrings.h"
#include "gui/NamedChild.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace vantrel;
using vantrel::testing::GeneratorFixture;
using vantrel::testing::namedChild;

namespace {

class GprsTextDialogTest : public GeneratorFixture {
  protected:
    GprsTextDialog& open() {
        window = std::make_unique<GprsTextDialog>(host());
        window->show();
        return *window;
    }

    QLineEdit* textBox() const { return namedChild<QLineEdit>(window.get(), "Text1"); }
    QLabel* textHint() const { return namedChild<QLabel>(window.get(), "Label1"); }
    QPushButton* saveButton() const { return namedChild<QPushButton>(window.get(), "Command1"); }
    QPushButton* cancelButton() const { return namedChild<QPushButton>(window.get(), "Command2"); }
    bool textShown() const { return textBox()->isVisible() && textHint()->isVisible(); }

    QByteArray saveTo(const QString& name) {
        const QString target = workFile(name);
        dialogs.saveFiles.push_back(target);
        saveButton()->click();
        return readAll(target);
    }

    static QByteArray zeroPadded(QByteArray bytes) {
        bytes.resize(26, '\0');
        return bytes;
    }

    std::unique_ptr<GprsTextDialog> window;
};

} // namespace

TEST_F(GprsTextDialogTest, OpensOnShowNothingWithTheCustomTextHidden) {
    openDocument("outertext", std::vector<std::uint8_t>(34, 0x41));
    GprsTextDialog& form = open();
    EXPECT_EQ(form.windowTitle(), str(UiString::GprsTitle));
    EXPECT_EQ(form.modeButton(GprsDisplayMode::AlwaysDate)->text(), str(UiString::GprsAlwaysDate));
    EXPECT_EQ(form.modeButton(GprsDisplayMode::ShowNothing)->text(), str(UiString::GprsNothing));
    EXPECT_EQ(form.modeButton(GprsDisplayMode::CustomText)->text(), str(UiString::GprsCustomText));
    EXPECT_EQ(saveButton()->text(), QStringLiteral("&Save"));
    EXPECT_EQ(form.mode(), GprsDisplayMode::ShowNothing);
    EXPECT_FALSE(textShown());

    form.modeButton(GprsDisplayMode::CustomText)->click();
    EXPECT_TRUE(textShown());
    EXPECT_EQ(form.focusWidget(), textBox());
    form.modeButton(GprsDisplayMode::AlwaysDate)->click();
    EXPECT_FALSE(textShown());
}

TEST_F(GprsTextDialogTest, PrefillsTheOpenGprsFilesSetting) {
    openDocument("gprs", std::vector<std::uint8_t>(26, 0x00));
    EXPECT_EQ(open().mode(), GprsDisplayMode::AlwaysDate);
    EXPECT_FALSE(textShown());
    EXPECT_TRUE(textBox()->text().isEmpty());

    openDocument("gprs", {0x00, 0x20, 0x00, 0x00});
    EXPECT_EQ(open().mode(), GprsDisplayMode::CustomText);
    EXPECT_TRUE(textShown());
    EXPECT_EQ(textBox()->text(), QStringLiteral(" "));

    openDocument("gprs", {0x00, 0x20});
    session.close();
    EXPECT_EQ(open().mode(), GprsDisplayMode::ShowNothing);
}

TEST_F(GprsTextDialogTest, SavesEachModeAsTheRecordOverALongerFile) {
    GprsTextDialog& form = open();
    form.modeButton(GprsDisplayMode::AlwaysDate)->click();
    EXPECT_EQ(saveTo(QStringLiteral("date.seem")), zeroPadded({}));
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, str(UiString::GprsSaveTitle));
    EXPECT_EQ(dialogs.fileRequests[0].options, FileDialogOption::None);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(captionRestored, 1);
    EXPECT_FALSE(form.isVisible());

    writeAll(workFile(QStringLiteral("custom.seem")), QByteArray(100, '\x55'));
    open().modeButton(GprsDisplayMode::CustomText)->click();
    QTest::keyClicks(textBox(), QStringLiteral(" AB"));
    EXPECT_EQ(saveTo(QStringLiteral("custom.seem")),
              zeroPadded(QByteArray("\x00\x20\x00\x41\x00\x42", 6)));

    open().modeButton(GprsDisplayMode::ShowNothing)->click();
    EXPECT_EQ(saveTo(QStringLiteral("nothing.seem")), zeroPadded(QByteArray("\x00\x20", 2)));
}

TEST_F(GprsTextDialogTest, TheTextBoxTakesThirteenUnits) {
    GprsTextDialog& form = open();
    form.modeButton(GprsDisplayMode::CustomText)->click();
    QTest::keyClicks(textBox(), QStringLiteral("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(textBox()->text(), QStringLiteral("ABCDEFGHIJKLM"));
}

TEST_F(GprsTextDialogTest, CancelledOrFailedSaveKeepsTheWindowOpen) {
    GprsTextDialog& form = open();
    dialogs.saveFiles = {std::nullopt};
    saveButton()->click();
    EXPECT_TRUE(QDir(work.path()).isEmpty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(form.isVisible());

    const QString target = workFile(QStringLiteral("gprs.seem"));
    dialogs.saveFiles = {target};
    lockWorkFolder(true);
    saveButton()->click();
    lockWorkFolder(false);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(dialogs.messages[0].text.contains(target));
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(captionRestored, 0);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(GprsTextDialogTest, CancelRestoresTheMainCaption) {
    GprsTextDialog& form = open();
    cancelButton()->click();
    EXPECT_EQ(captionRestored, 1);
    EXPECT_FALSE(form.isVisible());
}
