// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/RecentFilesMenu.h"

#include "core/settings/SettingsStore.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class RecentFilesMenuTest : public ::testing::Test {
  protected:
    QMenu menu;
    QAction* exit = menu.addAction("Exit");
    MemorySettingsStore settings;
};

TEST_F(RecentFilesMenuTest, AnEmptyListIsOneDisabledItem) {
    settings.setValue("FileCount", "many");
    RecentFilesMenu recent(&menu, exit, settings);
    recent.setEmptyText("No recent files");
    ASSERT_EQ(recent.items().size(), 1u);
    EXPECT_FALSE(recent.items()[0]->isEnabled());
    EXPECT_EQ(recent.items()[0]->text(), "No recent files");
    EXPECT_EQ(menu.actions().back(), exit);
}

TEST_F(RecentFilesMenuTest, ItemsAreNumberedNewestFirstAndOpenTheirOwnPath) {
    RecentFilesMenu recent(&menu, exit, settings);
    const QString odd = "/tmp/&3. odd & end.seem";
    for (const QString& path : QStringList{"/a.seem", "/b.seem", odd})
        recent.addRecentFile(path);
    ASSERT_EQ(recent.items().size(), 3u);
    EXPECT_EQ(recent.items()[2]->text(), "&3. /a.seem");
    EXPECT_TRUE(recent.items()[2]->isEnabled());

    QSignalSpy chosen(&recent, &RecentFilesMenu::fileChosen);
    recent.items()[0]->trigger();
    recent.items()[2]->trigger();
    ASSERT_EQ(chosen.size(), 2);
    EXPECT_EQ(chosen[0][0].toString(), odd);
    EXPECT_EQ(chosen[1][0].toString(), "/a.seem");
    EXPECT_EQ(recent.paths(), QStringList({odd, "/b.seem", "/a.seem"}));

    // A path opened again moves to the top instead of showing twice.
    recent.addRecentFile("/a.seem");
    EXPECT_EQ(recent.paths(), QStringList({"/a.seem", odd, "/b.seem"}));
    EXPECT_EQ(recent.items()[0]->text(), "&1. /a.seem");
    EXPECT_EQ(menu.actions().size(), 4); // three entries before Exit
}

} // namespace
} // namespace vantrel
