// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "gui/ModalAnswer.h"
#include "gui/NamedChild.h"
#include "gui/dialogs/TipWindow.h"
#include "gui/editors/FunctionTreeEditor.h"
#include "gui/generators/GprsTextDialog.h"
#include "gui/generators/OuterTextDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace vantrel;
using vantrel::testing::MainWindowFixture;
using vantrel::testing::ModalAnswer;
using vantrel::testing::namedChild;

namespace {

constexpr const char* kDefinitions = R"(<seems>
  <f ID="0032_0001" size="120" tip="Functions" type="function" alert="First line.\nSecond line."/>
  <s ID="plain" size="40" tip="Styles" type="style"/>
  <o ID="outer" size="34" tip="Outer" type="outertext" alert="never shown"/>
  <g ID="gprs" size="26" tip="GPRS" type="gprs" alert="never shown"/>
</seems>)";

class MainWindowTip : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        writeAppFile(QStringLiteral("seem_en.xml"), kDefinitions);
        start();
        ASSERT_TRUE(loaded);
    }

    // Opens a file of length bytes and returns the tip it brought up, if any.
    TipWindow* openAndFindTip(int length) {
        const QString path =
            writeSeem(QStringLiteral("f%1.seem").arg(++m_files), QByteArray(length, '\0'));
        mainWindow->openFile(path);
        EXPECT_EQ(probe().fileName(), path);
        for (TipWindow* tip : mainWindow->findChildren<TipWindow*>()) {
            if (QTest::qWaitFor([tip] { return tip->isVisible(); }, 2000))
                return tip;
        }
        return nullptr;
    }

  private:
    int m_files = 0;
};

} // namespace

TEST_F(MainWindowTip, FirstAlertShowsTheTipOverTheWindowWithItsIdAndLines) {
    TipWindow* tip = openAndFindTip(120);
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->isModal());
    EXPECT_TRUE(namedChild<QCheckBox>(tip, "Check1")->isChecked());
    EXPECT_EQ(namedChild<QLabel>(tip, "Label2")->text(), QStringLiteral("0032_0001"));
    EXPECT_EQ(namedChild<QLabel>(tip, "lblTip")->text().split(QLatin1Char('\n')),
              (QStringList{QStringLiteral("First line."), QStringLiteral("Second line.")}));
    EXPECT_TRUE(dialogs.messages.empty()) << "no message box besides the tip";
}

TEST_F(MainWindowTip, UntickedTipTurnsTipsOffUntilTheMenuTurnsThemOnAgain) {
    TipWindow* tip = openAndFindTip(120);
    ASSERT_NE(tip, nullptr);
    QTest::mouseClick(namedChild<QCheckBox>(tip, "Check1"), Qt::LeftButton);
    EXPECT_FALSE(action("mnuShowTip")->isChecked()) << "the menu follows at once";
    QTest::mouseClick(namedChild<QPushButton>(tip, "Command1"), Qt::LeftButton);
    EXPECT_EQ(settings.value("ShowTip"), "0");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(openAndFindTip(120), nullptr);

    action("mnuShowTip")->trigger();
    EXPECT_EQ(settings.value("ShowTip"), "1") << "stored at once";
    EXPECT_NE(openAndFindTip(120), nullptr);
}

TEST_F(MainWindowTip, AfterTheTipTheKeysGoToTheEditor) {
    showActive();
    TipWindow* tip = openAndFindTip(120);
    ASSERT_NE(tip, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(tip));
    QTest::keyClick(tip, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow.get()));
    EXPECT_EQ(QApplication::focusWidget(), mainWindow->findChild<FunctionTreeEditor*>("tvwFuct"));
}

TEST_F(MainWindowTip, TypesWithoutAnEditorOrAnAlertShowNoTip) {
    {
        // The generator window is the only one that comes up.
        ModalAnswer<OuterTextDialog> answer([](OuterTextDialog& window) { window.reject(); });
        EXPECT_EQ(openAndFindTip(34), nullptr) << "outer text";
    }
    {
        ModalAnswer<GprsTextDialog> answer([](GprsTextDialog& window) { window.reject(); });
        EXPECT_EQ(openAndFindTip(26), nullptr) << "GPRS";
    }
    EXPECT_EQ(openAndFindTip(40), nullptr) << "no alert";
}
