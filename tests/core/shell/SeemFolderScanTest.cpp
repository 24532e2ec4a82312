// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/SeemFolderScan.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vantrel;
using vantrel::testing::TempDir;

namespace {

SeemTypeEntry entry(const std::string& type, std::int32_t size) {
    SeemTypeEntry e;
    e.type = type;
    e.size = size;
    return e;
}

class SeemFolderScanTest : public ::testing::Test {
  protected:
    std::string seemFile(const std::string& name, std::size_t size) {
        return folder.write(name, std::string(size, '\x5A'));
    }
    std::string seemFolder() const { return withTrailingSeparator(folder.path().string()); }

    TempDir folder;
    std::vector<SeemTypeEntry> catalog{entry("function", 10), entry("style", 20)};
};

} // namespace

TEST_F(SeemFolderScanTest, ExtensionIsTestedWithoutCaseAndTxtNeverCounts) {
    const std::string upper = seemFile("MAIN.SEEM", 10);
    seemFile("notes.txt", 20);
    const SeemFolderItems items = scanSeemFolder(seemFolder(), catalog);
    EXPECT_EQ(items.catalogIndex[0], 0u);
    EXPECT_FALSE(items.enabled(SeemFolderItem::Style));
    EXPECT_EQ(seemFolderItemPath(items, catalog, SeemFolderItem::Function), upper);
    EXPECT_EQ(catalog[1].matchedPath, "");
}

TEST_F(SeemFolderScanTest, OnlyTheExactSizeMatches) {
    catalog[0].matchedPath = "earlier";
    seemFile("longer.seem", 11);
    seemFile("other.bin", 7);
    const SeemFolderItems items = scanSeemFolder(seemFolder(), catalog);
    for (const SeemFolderItem item : kSeemFolderItems)
        EXPECT_FALSE(items.enabled(item)) << seemFolderItemName(item);
    EXPECT_EQ(catalog[0].matchedPath, "earlier");
}

TEST_F(SeemFolderScanTest, EveryEntryOfTheSizeTakesThePathAndTheHighestOfAKindWins) {
    catalog = {entry("function", 10), entry("volume", 10), entry("function", 10),
               entry("unknown", 10)};
    const std::string path = seemFile("a.sch", 10);
    const SeemFolderItems items = scanSeemFolder(seemFolder(), catalog);
    EXPECT_EQ(items.catalogIndex[static_cast<int>(SeemFolderItem::Function)], 2u);
    EXPECT_EQ(items.catalogIndex[static_cast<int>(SeemFolderItem::Volume)], 1u);
    EXPECT_EQ(seemFolderItemPath(items, catalog, SeemFolderItem::Volume), path);
    EXPECT_EQ(seemFolderItemPath(items, catalog, SeemFolderItem::Function), path);
    EXPECT_EQ(catalog[3].matchedPath, path);
}

TEST_F(SeemFolderScanTest, HiddenFilesFoldersAndSpecialFilesAreLeftOut) {
    seemFile(".hidden.seem", 10);
    std::filesystem::create_directory(folder / "folder.seem");
    ASSERT_EQ(::mkfifo((folder / "pipe.seem").c_str(), 0600), 0);
    const SeemFolderItems items = scanSeemFolder(seemFolder(), catalog);
    EXPECT_FALSE(items.enabled(SeemFolderItem::Function));
    EXPECT_EQ(catalog[0].matchedPath, "");
}

TEST_F(SeemFolderScanTest, AMissingOrEmptyFolderDisablesEverythingAndKeepsOldPaths) {
    seemFile("main.seem", 10);
    ASSERT_TRUE(scanSeemFolder(seemFolder(), catalog).enabled(SeemFolderItem::Function));
    const TempDir empty;
    const std::string missing = withTrailingSeparator(empty / "gone");
    for (const std::string& other :
         {withTrailingSeparator(empty.path().string()), missing, std::string()}) {
        const SeemFolderItems items = scanSeemFolder(other, catalog);
        EXPECT_FALSE(items.enabled(SeemFolderItem::Function)) << other;
        EXPECT_FALSE(seemFolderItemPath(items, catalog, SeemFolderItem::Function)) << other;
    }
    EXPECT_EQ(catalog[0].matchedPath, folder / "main.seem");
}

TEST(SeemFolderPathTest, TrailingSeparatorIsAddedOnce) {
    EXPECT_EQ(withTrailingSeparator("/x/seem"), "/x/seem/");
    EXPECT_EQ(withTrailingSeparator("/x/seem/"), "/x/seem/");
    EXPECT_EQ(withTrailingSeparator("/"), "/");
}
