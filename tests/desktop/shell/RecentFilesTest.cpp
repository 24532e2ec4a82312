// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/shell/RecentFiles.h"

#include "core/settings/SettingsStore.h"

#include <gtest/gtest.h>

using namespace vantrel;

using Paths = std::vector<std::string>;

TEST(RecentFilesTest, TheNewestFiveAreKeptOldestFirst) {
    MemorySettingsStore settings;
    for (const char* path : {"A", "B", "C", "D", "E", "F"})
        addRecentFile(settings, path);
    EXPECT_EQ(readRecentFiles(settings), (Paths{"B", "C", "D", "E", "F"}));
    EXPECT_EQ(settings.read("FileCount", ""), "5");
    EXPECT_EQ(settings.read("File0", ""), "B");
}

TEST(RecentFilesTest, APathAddedAgainMovesToTheNewestPlace) {
    MemorySettingsStore settings;
    for (const char* path : {"A", "B", "C", "D", "E", "B"})
        addRecentFile(settings, path);
    EXPECT_EQ(readRecentFiles(settings), (Paths{"A", "C", "D", "E", "B"}));
    EXPECT_EQ(settings.read("FileCount", ""), "5");
}

TEST(RecentFilesTest, ACountThatIsNoWholeNumberCountsAsNone) {
    for (const char* count : {"x", "2.5", "-1", ""}) {
        MemorySettingsStore settings;
        settings.setValue("FileCount", count);
        settings.setValue("File0", "old");
        EXPECT_TRUE(readRecentFiles(settings).empty()) << count;
        addRecentFile(settings, "new");
        EXPECT_EQ(readRecentFiles(settings), Paths{"new"}) << count;
    }
}

TEST(RecentFilesTest, AnOversizedCountReadsFiveAndMissingEntriesReadEmpty) {
    MemorySettingsStore settings;
    settings.setValue("FileCount", "9");
    settings.setValue("file1", "one");
    EXPECT_EQ(readRecentFiles(settings), (Paths{"", "one", "", "", ""}));
    addRecentFile(settings, "new");
    EXPECT_EQ(readRecentFiles(settings), (Paths{"one", "", "", "", "new"}));
}

TEST(RecentFilesTest, CaptionsNumberFromOneAndShowAmpersandsAsWritten) {
    EXPECT_EQ(recentFileCaption(0, "/a/b.seem"), "&1. /a/b.seem");
    EXPECT_EQ(recentFileCaption(2, "/a/&3. b.seem"), "&3. /a/&&3. b.seem");
}
