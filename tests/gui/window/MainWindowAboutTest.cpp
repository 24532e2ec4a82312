// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "gui/dialogs/AboutWindow.h"

using namespace vantrel;
using vantrel::testing::MainWindowFixture;

using MainWindowAbout = MainWindowFixture;

TEST_F(MainWindowAbout, HelpAboutShowsOneModalAboutWindow) {
    start();
    ASSERT_TRUE(loaded);
    action("mnuAbout")->trigger();
    action("mnuAbout")->trigger();
    const QList<AboutWindow*> windows = mainWindow->findChildren<AboutWindow*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows[0]->isVisible());
    EXPECT_TRUE(windows[0]->isModal());
}
