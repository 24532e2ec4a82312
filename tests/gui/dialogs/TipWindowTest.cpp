// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/TipWindow.h"

#include "WindowsFixture.h"
#include "core/i18n/BuiltinStrings.h"
#include "gui/NamedChild.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace vantrel;
using vantrel::testing::namedChild;
using vantrel::testing::WindowsFixture;

namespace {

class TipWindowTest : public WindowsFixture {
  protected:
    TipWindow* openTip() {
        auto* tip = new TipWindow(&owner, language, settings, &mnuShowTip);
        tip->showOverOwner();
        return tip;
    }

    void SetUp() override {
        WindowsFixture::SetUp();
        mnuShowTip.setCheckable(true);
    }

    QAction mnuShowTip{QStringLiteral("Show tips")};
};

} // namespace

TEST_F(TipWindowTest, UntickingFollowsInTheMenuAtOnceAndIsStoredOnOk) {
    showOwner();
    mnuShowTip.setChecked(true);
    TipWindow* tip = openTip();
    ASSERT_TRUE(tip->isVisible());
    EXPECT_TRUE(tip->isModal());
    EXPECT_EQ(tip->windowTitle().toStdString(), language.strings().get(UiString::TipTitle));
    EXPECT_TRUE(namedChild<QCheckBox>(tip, "Check1")->isChecked())
        << "ShowTip absent means tips on";

    QTest::mouseClick(namedChild<QCheckBox>(tip, "Check1"), Qt::LeftButton);
    EXPECT_FALSE(mnuShowTip.isChecked());
    EXPECT_FALSE(settings.value("ShowTip").has_value()) << "nothing stored before closing";

    const QPointer<TipWindow> alive(tip);
    QTest::mouseClick(namedChild<QPushButton>(tip, "Command1"), Qt::LeftButton);
    EXPECT_EQ(settings.value("ShowTip"), "0");
    EXPECT_TRUE(alive.isNull() || !alive->isVisible());
}

TEST_F(TipWindowTest, TickingAndTheCloseBoxStoreOne) {
    showOwner();
    settings.setValue("ShowTip", "0");
    TipWindow* tip = openTip();
    EXPECT_FALSE(namedChild<QCheckBox>(tip, "Check1")->isChecked());
    QTest::mouseClick(namedChild<QCheckBox>(tip, "Check1"), Qt::LeftButton);
    EXPECT_TRUE(mnuShowTip.isChecked());
    tip->close();
    EXPECT_EQ(settings.value("ShowTip"), "1");
}

TEST_F(TipWindowTest, ProgramEndWhileShownStillStoresTheChoice) {
    showOwner();
    TipWindow* tip = openTip();
    QTest::mouseClick(namedChild<QCheckBox>(tip, "Check1"), Qt::LeftButton);
    delete tip;
    EXPECT_EQ(settings.value("ShowTip"), "0");
}

TEST_F(TipWindowTest, WaitsForTheMainWindowAndAppearsCentredOnIt) {
    TipWindow* tip = openTip();
    QCoreApplication::processEvents();
    EXPECT_FALSE(tip->isVisible()) << "the main window is not on screen yet";

    showOwner();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tip->isVisible(); }, 2000));
    const QPoint offset = tip->geometry().center() - owner.geometry().center();
    EXPECT_LE(offset.manhattanLength(), 2)
        << offset.x() << ',' << offset.y() << ' ' << tip->width() << 'x' << tip->height();
}
