// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/windows/AboutWindow.h"

#include "WindowsFixture.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/dialogs/ScriptedDialogs.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QWindow>

#include <vector>

using namespace vantrel;
using vantrel::testing::WindowsFixture;

namespace {

class AboutWindowTest : public WindowsFixture {
  protected:
    void SetUp() override {
        WindowsFixture::SetUp();
        StandardDialog::setAnswerer(&desktop);
        showOwner();
        about = new AboutWindow(&owner, language);
        about->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about.data()));
    }

    void TearDown() override { StandardDialog::setAnswerer(nullptr); }

    QPointer<AboutWindow> about;
    ScriptedDialogs desktop; // stands in for the desktop that opens addresses
    std::vector<QUrl>& opened = desktop.openedUrls;
};

} // namespace

TEST_F(AboutWindowTest, LinkIsUnderlinedOnlyWhileThePointerIsOverIt) {
    QWindow* window = about->windowHandle();
    QTest::mouseMove(window, about->Label4->mapTo(about.data(), about->Label4->rect().center()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return about->Label4->font().underline(); }, 1000));
    QTest::mouseMove(window, QPoint(2, 2));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !about->Label4->font().underline(); }, 1000));
}

TEST_F(AboutWindowTest, ClickOnTheLinkOpensTheForumAndKeepsTheWindow) {
    QTest::mouseClick(about->Label4, Qt::LeftButton, {}, about->Label4->rect().center());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(QString::fromLatin1(AboutWindow::kForumAddress)));
    EXPECT_TRUE(opened[0].isValid());
    EXPECT_TRUE(about && about->isVisible());
}

TEST_F(AboutWindowTest, ClickElsewhereClosesTheWindow) {
    QTest::mouseClick(about->Label2, Qt::LeftButton);
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(about.isNull() || !about->isVisible());
}
