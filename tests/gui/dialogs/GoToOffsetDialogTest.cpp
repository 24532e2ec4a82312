// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/GoToOffsetDialog.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"
#include "core/settings/SettingsStore.h"
#include "gui/dialogs/ScriptedDialogs.h"
#include "gui/dialogs/StandardDialog.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class GoToOffsetDialogTest : public ::testing::Test {
  protected:
    GoToOffsetDialogTest() { StandardDialog::setAnswerer(&dialogs); }

    // Types text into a fresh dialog over a 42-byte file and presses Enter.
    std::optional<int> goTo(const QString& text, bool decimal = false) {
        GoToOffsetDialog dialog(strings, settings, 42);
        (decimal ? dialog.decimalChoice() : dialog.hexadecimalChoice())->setChecked(true);
        dialog.show();
        QTest::keyClicks(dialog.offsetEdit(), text);
        QTest::keyClick(dialog.offsetEdit(), Qt::Key_Return);
        EXPECT_EQ(dialog.result(), dialog.offset() ? QDialog::Accepted : QDialog::Rejected);
        return dialog.offset();
    }

    UiStrings strings;
    MemorySettingsStore settings;
    ScriptedDialogs dialogs;
};

TEST_F(GoToOffsetDialogTest, ReadsHexadecimalOrTheRememberedDecimal) {
    EXPECT_EQ(goTo("1A"), 26);
    EXPECT_EQ(goTo("0x1A"), 26);
    EXPECT_EQ(goTo("26", true), 26);
    EXPECT_EQ(settings.value("GoToDecimal"), "1");
    const GoToOffsetDialog again(strings, settings, 42);
    EXPECT_TRUE(again.decimalChoice()->isChecked());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GoToOffsetDialogTest, AnOffsetPastTheEndIsRefusedAndTheDialogStays) {
    EXPECT_EQ(goTo("2A"), std::nullopt);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.toStdString(),
              strings.format(UiString::OffsetBeyondEnd, {"2A", "41", "29"}));
    EXPECT_EQ(goTo("1A", true), std::nullopt); // not decimal
    EXPECT_EQ(dialogs.messages.back().text.toStdString(),
              strings.format(UiString::OffsetNotDecimal, {"1A"}));
}

} // namespace
} // namespace vantrel
