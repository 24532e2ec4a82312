// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/find/FolderSearch.h"

#include "TempDir.h"
#include "core/definitions/SeemTypeCatalog.h"
#include "core/session/EditingSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace vantrel;
namespace fs = std::filesystem;

namespace {

const std::string kSamples = std::string(VANTREL_DATA_DIR) + "/samples/";

TEST(FolderSearchTest, EachFileWithItsSettingsUnreadableOnesNamedAndALineOpensItsSetting) {
    LanguageFile language;
    MemorySettingsStore settings;
    EditingSession session(language, settings);
    ASSERT_FALSE(session.loadDefinitions(std::string(VANTREL_DATA_DIR) + "/seem_en.xml"));
    vantrel::testing::TempDir dir;
    for (const char* name : {"0032_0001.seem", "004a_0001.seem", "0a1c_0001.seem"})
        fs::copy_file(kSamples + name, dir.path() / name);
    std::ofstream(dir / "huge.seem") << std::string(6000, 'x');
    fs::create_directory(dir.path() / "folder.seem");

    const FolderSearchResult result = findInSeemFolder(
        dir.path().string(), session.document().definitions().root(), "SHORT tone");
    ASSERT_TRUE(result.readable);
    ASSERT_EQ(result.files.size(), 1u);
    const FileSettingMatches& found = result.files.front();
    ASSERT_FALSE(found.matches.empty());
    EXPECT_EQ(folderMatchLine(session.strings(), found.name, found.matches.front()),
              "0032_0001 · Keys/Sound: on");
    ASSERT_EQ(result.unreadable.size(), 1u);
    EXPECT_NE(result.unreadable.front().find("huge.seem"), std::string::npos);
    ASSERT_EQ(result.skipped.size(), 1u);

    // The line's file opens as any file does, and its key picks the setting.
    ASSERT_TRUE(session.open(found.path).opened);
    EXPECT_NE(session.model().switchByKey(found.matches.front().key), nullptr);
}

// Files of one type share what matches, but each has its own values.
TEST(FolderSearchTest, EachFileOfATypeHasItsOwnValues) {
    XmlDocument definitions;
    ASSERT_TRUE(definitions.load(std::string(VANTREL_DATA_DIR) + "/seem_en.xml").ok);
    std::ifstream in(kSamples + "0032_0001.seem", std::ios::binary);
    std::vector<std::uint8_t> first{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::uint8_t> second = first;
    second.at(0x1A) ^= 1; // Keys/Sound
    SettingFinder finder(definitions.root(), "sound");
    const auto valueOf = [](const std::vector<SettingMatch>& matches) {
        const auto sound = std::find_if(matches.begin(), matches.end(), [](const SettingMatch& m) {
            return m.path == "Keys/Sound";
        });
        return sound == matches.end() ? std::string() : sound->value;
    };
    EXPECT_EQ(valueOf(finder.find(first)), "on");
    EXPECT_EQ(valueOf(finder.find(second)), "off");
    EXPECT_EQ(valueOf(finder.find(first)), "on");
}

TEST(FolderSearchTest, OnlyTypesWhoseDefinitionsMentionTheTextAreDecoded) {
    XmlDocument definitions;
    ASSERT_TRUE(definitions.load(std::string(VANTREL_DATA_DIR) + "/seem_en.xml").ok);
    const XmlElement function = findSeemType(definitions.root(), 120);
    EXPECT_TRUE(typeMentions(function, "key"));
    EXPECT_FALSE(typeMentions(function, "microphone"));
    SettingFinder finder(definitions.root(), "microphone");
    std::ifstream in(kSamples + "0a1c_0001.seem", std::ios::binary);
    const std::vector<std::uint8_t> volume{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(finder.find(volume).size(), 1u);
    EXPECT_TRUE(finder.find(std::vector<std::uint8_t>(120, 0)).empty());
}

} // namespace
