// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/compare/FolderComparison.h"

#include "TempDir.h"
#include "core/xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

const fs::path dataDir{VANTREL_DATA_DIR};

class FolderComparisonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(definitions.load((dataDir / "seem_en.xml").string()).ok);
        fs::copy(dataDir / "samples", root / "a");
        fs::copy(dataDir / "samples", root / "b");
    }

    static void write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static void patch(const fs::path& path, std::streamoff offset, char byte) {
        std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
        file.seekp(offset);
        file.put(byte);
    }

    XmlDocument definitions;
    vantrel::testing::TempDir folders;
    fs::path root = folders.path();
};

TEST_F(FolderComparisonTest, ReportsAddedRemovedChangedAndRetypedFilesExactly) {
    fs::remove(root / "b" / "004a_0001.seem");                                // removed
    write(root / "b" / "0100_0001.seem", "new");                              // added
    fs::rename(root / "b" / "0061_0001.seem", root / "b" / "0061_0001.SEEM"); // same, other case
    write(root / "b" / "notes.txt", "not a seem file");
    patch(root / "b" / "0032_0001.seem", 0x1A, 0x00); // Keys/Sound and its neighbours off
    fs::copy_file(dataDir / "samples" / "01a8_0001.seem", root / "b" / "0a1c_0001.seem",
                  fs::copy_options::overwrite_existing); // a volume file now holds GPRS text

    FolderComparisonResult result;
    ASSERT_FALSE(compareSeemFolders((root / "a").string(), (root / "b").string(),
                                    definitions.root(), UiStrings(), result));
    EXPECT_EQ(result.onlyInOurs, std::vector<std::string>{"004a_0001.seem"});
    EXPECT_EQ(result.onlyInTheirs, std::vector<std::string>{"0100_0001.seem"});
    EXPECT_TRUE(result.unreadable.empty());
    EXPECT_EQ(result.same, 3u);
    ASSERT_EQ(result.changed.size(), 2u);
    const FolderChange& switches = result.changed[0];
    EXPECT_EQ(switches.oursName, "0032_0001.seem");
    ASSERT_TRUE(switches.comparison.bySettings);
    ASSERT_FALSE(switches.comparison.differences.empty());
    EXPECT_EQ(differenceLine(switches.comparison.differences[0]), "Keys/Sound: on → off");
    const FolderChange& retyped = result.changed[1];
    EXPECT_EQ(retyped.oursName, "0a1c_0001.seem");
    EXPECT_FALSE(retyped.comparison.bySettings);
    EXPECT_FALSE(retyped.comparison.reason.empty());
}

TEST_F(FolderComparisonTest, AnExactNamePairsBeforeOneThatDiffersOnlyInCase) {
    fs::copy_file(root / "a" / "0032_0001.seem", root / "a" / "0032_0001.SEEM");
    patch(root / "a" / "0032_0001.SEEM", 0x1A, 0x00);
    FolderComparisonResult result;
    ASSERT_FALSE(compareSeemFolders((root / "a").string(), (root / "b").string(),
                                    definitions.root(), UiStrings(), result));
    EXPECT_EQ(result.onlyInOurs, std::vector<std::string>{"0032_0001.SEEM"});
    EXPECT_TRUE(result.changed.empty());
}

TEST_F(FolderComparisonTest, OddEntriesAreSkippedOrReportedAndMissingFoldersRefused) {
    fs::create_directory(root / "b" / "folder.seem");
    write(root / "b" / "0032_0001.seem", std::string(6000, 'x'));
    write(root / "a" / "0061_0001.seem", "");
    write(root / "b" / "0061_0001.seem", "");
    FolderComparisonResult result;
    ASSERT_FALSE(compareSeemFolders((root / "a").string(), (root / "b").string(),
                                    definitions.root(), UiStrings(), result));
    ASSERT_EQ(result.unreadable.size(), 3u);
    EXPECT_NE(result.unreadable[0].find("0032_0001.seem"), std::string::npos);
    EXPECT_EQ(result.unreadable[1],
              (root / "a" / "0061_0001.seem").string() + ": the file is empty");
    EXPECT_TRUE(result.onlyInTheirs.empty());
    EXPECT_EQ(result.skipped, std::vector<std::string>{(root / "b" / "folder.seem").string() +
                                                       ": skipped: it is a folder, not a file"});
    EXPECT_FALSE(result.equal());
    EXPECT_EQ(result.same, 4u);

    const auto failure = compareSeemFolders((root / "missing").string(), (root / "b").string(),
                                            definitions.root(), UiStrings(), result);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->folder, (root / "missing").string());
}

} // namespace
} // namespace vantrel
