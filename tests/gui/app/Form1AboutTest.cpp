// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1Fixture.h"

#include "gui/windows/AboutWindow.h"

using namespace vantrel;
using vantrel::testing::Form1Fixture;

using Form1About = Form1Fixture;

TEST_F(Form1About, HelpAboutShowsOneModalAboutWindow) {
    start();
    ASSERT_TRUE(loaded);
    action("mnuAbout")->trigger();
    action("mnuAbout")->trigger();
    const QList<AboutWindow*> windows = form->findChildren<AboutWindow*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows[0]->isVisible());
    EXPECT_TRUE(windows[0]->isModal());
}
