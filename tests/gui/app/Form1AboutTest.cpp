// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1Fixture.h"

#include "gui/windows/frmAbout.h"

using namespace vantrel;
using vantrel::testing::Form1Fixture;

using Form1About = Form1Fixture;

TEST_F(Form1About, HelpAboutShowsOneModalAboutWindow) {
    start();
    ASSERT_TRUE(loaded);
    action("mnuAbout")->trigger();
    action("mnuAbout")->trigger();
    const QList<frmAbout*> windows = form->findChildren<frmAbout*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows[0]->isVisible());
    EXPECT_TRUE(windows[0]->isModal());
}
