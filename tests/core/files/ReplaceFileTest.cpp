// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file among crashes, links and leftovers of earlier saves.
#include "core/files/RecoveryCopy.h"
#include "core/files/SeemFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vantrel;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

SaveStep stepToDie = SaveStep::TemporaryWritten;

void dieAt(SaveStep step) {
    if (step == stepToDie)
        ::raise(SIGKILL);
}

class ReplaceFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("vantrel-replace-" + std::to_string(::getpid()));
        fs::create_directories(m_dir / "state");
        ::setenv("XDG_STATE_HOME", (m_dir / "state").c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("XDG_STATE_HOME");
        fs::remove_all(m_dir);
    }
    std::string file(const std::string& name, const Bytes& bytes) {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }
    static Bytes contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    int temporaryFiles() const {
        int count = 0;
        for (const auto& entry : fs::directory_iterator(m_dir))
            count += entry.path().filename().string().starts_with(".vantrel-");
        return count;
    }
    // Saves in a child process that is killed at step; true when it was.
    static bool killedSaving(const std::string& path, const Bytes& bytes, SaveStep step) {
        const pid_t child = ::fork();
        if (child == 0) {
            stepToDie = step;
            setSaveStepHook(dieAt);
            (void)replaceFile(path, bytes);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }
    fs::path m_dir;
};

} // namespace

TEST_F(ReplaceFileTest, AKilledSaveLeavesTheOldOrTheNewFileAndNoTemporary) {
    const Bytes oldBytes(120, 0x11);
    const Bytes newBytes(34, 0x22);
    for (const SaveStep step :
         {SaveStep::TemporaryWritten, SaveStep::TemporaryNamed, SaveStep::Renamed}) {
        const std::string path = file("renamed.seem", oldBytes);
        ASSERT_TRUE(killedSaving(path, newBytes, step));
        const Bytes now = contents(path);
        EXPECT_EQ(now, step == SaveStep::Renamed ? newBytes : oldBytes);
        EXPECT_FALSE(leftoverRecoveryCopy(path));
        // Only the moment between naming and renaming leaves a name, and
        // the next save clears it once it is a minute old.
        if (step == SaveStep::TemporaryNamed) {
            for (const auto& entry : fs::directory_iterator(m_dir))
                fs::last_write_time(entry.path(),
                                    fs::file_time_type::clock::now() - std::chrono::minutes(2));
            ASSERT_TRUE(replaceFile(path, newBytes).ok());
        }
        EXPECT_EQ(temporaryFiles(), 0) << static_cast<int>(step);
    }
}

TEST_F(ReplaceFileTest, AKilledInPlaceSaveKeepsARecoveryCopyThatPutsTheOldBytesBack) {
    const Bytes oldBytes(120, 0x11);
    const Bytes newBytes(34, 0x22);
    for (const SaveStep step : {SaveStep::RecoveryKept, SaveStep::WrittenInPlace,
                                SaveStep::Truncated, SaveStep::FlushedInPlace}) {
        const std::string path = file("linked.seem", oldBytes);
        // A second name makes the save write in place.
        fs::remove(m_dir / "other-name.seem");
        fs::create_hard_link(path, m_dir / "other-name.seem");
        ASSERT_TRUE(killedSaving(path, newBytes, step));
        EXPECT_EQ(temporaryFiles(), 0);
        const auto copy = leftoverRecoveryCopy(path);
        ASSERT_TRUE(copy) << static_cast<int>(step);
        EXPECT_EQ(contents(*copy), oldBytes);
        // Further saves would overwrite the only whole old content: refused.
        EXPECT_EQ(replaceFile(path, newBytes).outcome, FileWrite::Outcome::Unchanged);
        ASSERT_FALSE(restoreRecoveryCopy(path));
        EXPECT_EQ(contents(path), oldBytes);
        EXPECT_EQ(contents((m_dir / "other-name.seem").string()), oldBytes);
        EXPECT_FALSE(leftoverRecoveryCopy(path));
    }
    const std::string path = (m_dir / "linked.seem").string();
    ASSERT_TRUE(replaceFile(path, newBytes).ok());
    EXPECT_EQ(contents((m_dir / "other-name.seem").string()), newBytes);
    EXPECT_FALSE(leftoverRecoveryCopy(path));
}

TEST_F(ReplaceFileTest, OnlyOwnTemporariesOlderThanAMinuteAreCleared) {
    const auto aged = [&](const std::string& name, std::chrono::seconds age) {
        const std::string path = file(name, {1});
        fs::last_write_time(path, fs::file_time_type::clock::now() - age);
    };
    aged(".vantrel-Ab3dEf", std::chrono::seconds(120));
    aged(".vantrel-fresh1", std::chrono::seconds(5));
    aged(".vantrel-notours", std::chrono::seconds(120));
    aged("vantrel-Ab3dEf", std::chrono::seconds(120));
    ASSERT_TRUE(replaceFile(file("target.seem", {1}), {2}).ok());
    EXPECT_FALSE(fs::exists(m_dir / ".vantrel-Ab3dEf"));
    EXPECT_TRUE(fs::exists(m_dir / ".vantrel-fresh1"));
    EXPECT_TRUE(fs::exists(m_dir / ".vantrel-notours"));
    EXPECT_TRUE(fs::exists(m_dir / "vantrel-Ab3dEf"));
}

TEST_F(ReplaceFileTest, LinksAreFollowedToTheirTargetEvenWhenItIsNotThereYet) {
    fs::create_symlink("missing.seem", m_dir / "dangling");
    ASSERT_TRUE(replaceFile((m_dir / "dangling").string(), {7, 8}).ok());
    EXPECT_TRUE(fs::is_symlink(m_dir / "dangling"));
    EXPECT_EQ(contents((m_dir / "missing.seem").string()), (Bytes{7, 8}));

    fs::create_directories(m_dir / "folder");
    fs::create_symlink("folder", m_dir / "to-folder");
    fs::create_symlink("loop-b", m_dir / "loop-a");
    fs::create_symlink("loop-a", m_dir / "loop-b");
    const FileWrite folder = replaceFile((m_dir / "to-folder").string(), {1});
    const FileWrite loop = replaceFile((m_dir / "loop-a").string(), {1});
    EXPECT_NE(folder.reason.find("folder"), std::string::npos) << folder.reason;
    EXPECT_NE(loop.reason.find("symbolic links"), std::string::npos) << loop.reason;
    EXPECT_TRUE(fs::is_symlink(m_dir / "to-folder"));
    EXPECT_TRUE(fs::is_symlink(m_dir / "loop-a"));
}
