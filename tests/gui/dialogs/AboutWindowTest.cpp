// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/AboutWindow.h"

#include "WindowsFixture.h"
#include "core/ProjectInfo.h"
#include "gui/NamedChild.h"
#include "gui/dialogs/ScriptedDialogs.h"
#include "gui/dialogs/StandardDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <vector>

using namespace vantrel;
using vantrel::testing::namedChild;
using vantrel::testing::WindowsFixture;

namespace {

class AboutWindowTest : public WindowsFixture {
  protected:
    void SetUp() override {
        WindowsFixture::SetUp();
        StandardDialog::setAnswerer(&desktop);
        showOwner();
        about = new AboutWindow(&owner, language, addresses);
        about->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about.data()));
    }

    void TearDown() override { StandardDialog::setAnswerer(nullptr); }

    // The web site line, a link to the forum.
    QLabel* link() const { return namedChild<QLabel>(about.data(), "Label4"); }

    const ProjectAddresses addresses{QStringLiteral("https://vantrel.test/"),
                                     QStringLiteral("https://vantrel.test/forum")};
    QPointer<AboutWindow> about;
    ScriptedDialogs desktop; // stands in for the desktop that opens addresses
    std::vector<QUrl>& opened = desktop.openedUrls;
};

} // namespace

TEST_F(AboutWindowTest, LinkIsUnderlinedOnlyWhileThePointerIsOverIt) {
    QWindow* window = about->windowHandle();
    QTest::mouseMove(window, link()->mapTo(about.data(), link()->rect().center()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return link()->font().underline(); }, 1000));
    QTest::mouseMove(window, QPoint(2, 2));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !link()->font().underline(); }, 1000));
}

TEST_F(AboutWindowTest, ClickOnTheLinkOpensTheForumAndKeepsTheWindow) {
    QTest::mouseClick(link(), Qt::LeftButton, {}, link()->rect().center());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(addresses.forum));
    EXPECT_TRUE(opened[0].isValid());
    EXPECT_TRUE(about && about->isVisible());
}

TEST_F(AboutWindowTest, ClickElsewhereClosesTheWindow) {
    QTest::mouseClick(namedChild<QLabel>(about.data(), "Label2"), Qt::LeftButton);
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(about.isNull() || !about->isVisible());
}

TEST_F(AboutWindowTest, CloseButtonClosesTheWindow) {
    EXPECT_EQ(namedChild<QPushButton>(about.data(), "cmdClose")->text(), QStringLiteral("&Close"));
    namedChild<QPushButton>(about.data(), "cmdClose")->click();
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(about.isNull() || !about->isVisible());
}

TEST_F(AboutWindowTest, ShowsTheBuildsVersionAndNoLinkWithoutAWebSite) {
    EXPECT_EQ(namedChild<QLabel>(about.data(), "Label5")->text(),
              QStringLiteral("V ") + QString::fromUtf8(kProjectVersion.data()));
    EXPECT_TRUE(link()->text().endsWith(addresses.website));
    const AboutWindow withoutSite(&owner, language, {});
    EXPECT_TRUE(namedChild<QLabel>(&withoutSite, "Label4")->isHidden());
}
