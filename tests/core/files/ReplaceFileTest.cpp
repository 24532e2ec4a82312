// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file among crashes, links and leftovers of earlier saves.
#include "TempDir.h"
#include "core/files/ClaimedFile.h"
#include "core/files/FileReplacement.h"
#include "core/files/RecoveryCopy.h"
#include "core/files/SaveBatch.h"
#include "core/files/SeemFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

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
        m_dir = vantrel::testing::makeTempFolder("vantrel-replace-");
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
    static int filesIn(const fs::path& folder) {
        return static_cast<int>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
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
        // Only the moment between naming and renaming leaves a name; no
        // writer holds it any more, so the next save clears it at once.
        if (step == SaveStep::TemporaryNamed) {
            ASSERT_TRUE(replaceFile((m_dir / "other.seem").string(), newBytes).ok());
        }
        EXPECT_EQ(temporaryFiles(), 0) << static_cast<int>(step);
    }
}

TEST_F(ReplaceFileTest, AKilledInPlaceSaveKeepsARecoveryCopyThatPutsTheOldBytesBack) {
    const Bytes oldBytes(120, 0x11);
    const Bytes newBytes(120, 0x22);
    for (const SaveStep step :
         {SaveStep::RecoveryWritten, SaveStep::RecoveryKept, SaveStep::WrittenInPlace,
          SaveStep::Truncated, SaveStep::FlushedInPlace}) {
        const std::string path = file("linked.seem", oldBytes);
        // A second name makes the save write in place.
        fs::remove(m_dir / "other-name.seem");
        fs::create_hard_link(path, m_dir / "other-name.seem");
        ASSERT_TRUE(killedSaving(path, newBytes, step));
        EXPECT_EQ(temporaryFiles(), 0);
        if (step == SaveStep::RecoveryWritten) {
            // The copy had no name yet: the file is untouched, and the next
            // save clears the half-made copy.
            EXPECT_EQ(contents(path), oldBytes);
            EXPECT_FALSE(leftoverRecoveryCopy(path));
            EXPECT_EQ(filesIn(m_dir / "state/vantrel/recovery"), 1);
            ASSERT_TRUE(replaceFile(path, oldBytes).ok());
            EXPECT_EQ(filesIn(m_dir / "state/vantrel/recovery"), 0);
            continue;
        }
        // Found through the file's other name too.
        EXPECT_EQ(leftoverRecoveryCopy((m_dir / "other-name.seem").string()),
                  leftoverRecoveryCopy(path));
        const auto copy = leftoverRecoveryCopy(path);
        ASSERT_TRUE(copy) << static_cast<int>(step);
        EXPECT_EQ(contents(copy->path), oldBytes);
        // Further saves, by either name, would overwrite the only whole old content: refused.
        EXPECT_EQ(replaceFile(path, newBytes).outcome, FileWrite::Outcome::Unchanged);
        EXPECT_EQ(replaceFile((m_dir / "other-name.seem").string(), newBytes).outcome,
                  FileWrite::Outcome::Unchanged);
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

TEST_F(ReplaceFileTest, OnlyOwnTemporariesNoWriterHoldsAreCleared) {
    file(".vantrel-Ab3dEf", {1});
    const FileDescriptor held = createClaimedFile((m_dir / ".vantrel-held01").string(), 0600);
    ASSERT_TRUE(held.isOpen());
    file(".vantrel-notours", {1});
    file("vantrel-Ab3dEf", {1});
    ASSERT_TRUE(replaceFile(file("target.seem", {1}), {2}).ok());
    EXPECT_FALSE(fs::exists(m_dir / ".vantrel-Ab3dEf"));
    EXPECT_TRUE(fs::exists(m_dir / ".vantrel-held01"));
    EXPECT_TRUE(fs::exists(m_dir / ".vantrel-notours"));
    EXPECT_TRUE(fs::exists(m_dir / "vantrel-Ab3dEf"));
}

// A batch of saves lists a folder for abandoned temporaries once, at its first
// save; the next save after the batch sweeps again.
TEST_F(ReplaceFileTest, ABatchSweepsEachFolderOnce) {
    const std::string target = file("target.seem", {1});
    {
        const SaveBatch batch;
        ASSERT_TRUE(replaceFile(target, {2}).ok());
        file(".vantrel-Ab3dEf", {1});
        ASSERT_TRUE(replaceFile(target, {3}).ok());
        EXPECT_TRUE(fs::exists(m_dir / ".vantrel-Ab3dEf"));
    }
    ASSERT_TRUE(replaceFile(target, {4}).ok());
    EXPECT_FALSE(fs::exists(m_dir / ".vantrel-Ab3dEf"));
}

// A name planted where a save will make its file, a link or a file of any
// content, is neither followed nor taken over.
TEST_F(ReplaceFileTest, AClaimedFileIsMadeNewAndNeverThroughALink) {
    fs::create_symlink(m_dir / "elsewhere", m_dir / "dangling");
    const std::string existing = file("existing", {5});
    fs::create_symlink(existing, m_dir / "to-existing");
    file("planted", {6});
    for (const char* name : {"dangling", "to-existing", "planted"}) {
        errno = 0;
        EXPECT_FALSE(createClaimedFile((m_dir / name).string(), 0600).isOpen()) << name;
        EXPECT_EQ(errno, EEXIST) << name;
    }
    EXPECT_FALSE(fs::exists(m_dir / "elsewhere"));
    EXPECT_EQ(contents(existing), Bytes{5});
    EXPECT_EQ(contents((m_dir / "planted").string()), Bytes{6});
}

// Where the file system has unnamed files, the new bytes are written before
// anything in the folder has a name.
TEST_F(ReplaceFileTest, TheTemporaryFileHasNoNameWhileItIsWritten) {
    const FileDescriptor probe(::open(m_dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (!probe.isOpen())
        GTEST_SKIP() << "no unnamed files here";
    static int namedWhileWriting = -1;
    static fs::path folder;
    folder = m_dir;
    setSaveStepHook([](SaveStep step) {
        if (step != SaveStep::TemporaryWritten)
            return;
        namedWhileWriting = 0;
        for (const auto& entry : fs::directory_iterator(folder))
            namedWhileWriting += entry.path().filename().string().starts_with(".vantrel-");
    });
    const bool ok = replaceFile(file("target.seem", {1}), {2}).ok();
    setSaveStepHook(nullptr);
    ASSERT_TRUE(ok);
    EXPECT_EQ(namedWhileWriting, 0);
}

// A copy a living save holds is in use, not left behind: nothing takes it for
// a leftover, puts it back under the save, or refuses another save as if one
// had been interrupted.
TEST_F(ReplaceFileTest, ACopyASaveHoldsIsInUseNotLeftBehind) {
    static std::string target;
    static std::string otherName;
    static std::optional<LeftoverCopy> leftover;
    static std::optional<Failure> restored;
    static FileWrite otherSave;
    target = file("linked.seem", Bytes(120, 0x11));
    otherName = (m_dir / "other-name.seem").string();
    fs::create_hard_link(target, otherName);
    setSaveStepHook([](SaveStep step) {
        if (step != SaveStep::FlushedInPlace)
            return;
        setSaveStepHook(nullptr);
        leftover = leftoverRecoveryCopy(target);
        restored = restoreRecoveryCopy(otherName);
        otherSave = replaceFile(otherName, Bytes(120, 0x33));
    });
    const bool saved = replaceFile(target, Bytes(120, 0x22)).ok();
    setSaveStepHook(nullptr);
    ASSERT_TRUE(saved);
    EXPECT_FALSE(leftover);
    ASSERT_TRUE(restored);
    EXPECT_NE(restored->message.find("under way"), std::string::npos) << restored->message;
    EXPECT_EQ(otherSave.outcome, FileWrite::Outcome::Unchanged);
    EXPECT_NE(otherSave.reason.find("under way"), std::string::npos) << otherSave.reason;
    EXPECT_EQ(contents(target), Bytes(120, 0x22));
    EXPECT_FALSE(leftoverRecoveryCopy(target));
}

// What recover cannot put back never stops edits for good: an entry that holds
// nothing a save keeps is set aside, any other is named with what to do.
TEST_F(ReplaceFileTest, ARecoveryEntryRecoverCannotUseIsSetAsideOrNamed) {
    const Bytes oldBytes(120, 0x11);
    const std::string path = file("linked.seem", oldBytes);
    fs::create_hard_link(path, m_dir / "other-name.seem");
    const std::string entry =
        keepRecoveryCopy(fs::canonical(path).string(), *identityOf(path), oldBytes).path;
    fs::remove(entry);
    const std::function<void()> noCopies[] = {
        [&] { fs::create_symlink(path, entry); },
        [&] { ASSERT_EQ(::mkfifo(entry.c_str(), 0600), 0); },
        [&] { fs::create_directory(entry); },
        [&] {
            file(fs::relative(entry, m_dir).string(), {});
            fs::resize_file(entry, 16 * 1024 * 1024 + 1);
        },
    };
    for (const auto& make : noCopies) {
        make();
        const auto leftover = leftoverRecoveryCopy(path);
        ASSERT_TRUE(leftover);
        EXPECT_FALSE(leftover->setAsideAs.empty()) << leftover->unusable;
        EXPECT_FALSE(fs::exists(fs::symlink_status(entry)));
        EXPECT_TRUE(fs::exists(fs::symlink_status(leftover->setAsideAs)));
        EXPECT_FALSE(leftoverRecoveryCopy(path));
        EXPECT_TRUE(replaceFile(path, oldBytes).ok());
    }

    // A copy others may write to might still hold the old bytes: named, with the way out.
    file(fs::relative(entry, m_dir).string(), oldBytes);
    fs::permissions(entry, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_write |
                               fs::perms::others_write);
    const auto leftover = leftoverRecoveryCopy(path);
    ASSERT_TRUE(leftover);
    EXPECT_NE(leftover->unusable.find("chmod 600 " + entry), std::string::npos)
        << leftover->unusable;
    EXPECT_NE(replaceFile(path, Bytes(120, 0x22)).reason.find("chmod 600"), std::string::npos);
    const auto refused = restoreRecoveryCopy(path);
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->message.find("chmod 600"), std::string::npos) << refused->message;
    fs::permissions(entry, fs::perms::owner_read | fs::perms::owner_write);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(entry.c_str(), 65534, 65534), 0);
        EXPECT_NE(leftoverRecoveryCopy(path)->unusable.find("another user"), std::string::npos);
        ASSERT_EQ(::chown(entry.c_str(), 0, 0), 0);
    }
    EXPECT_FALSE(restoreRecoveryCopy(path));
}

TEST_F(ReplaceFileTest, ACopyIsPutBackOnlyOverTheFileItWasKeptFor) {
    const Bytes oldBytes(120, 0x11);
    const std::string path = file("kept.seem", oldBytes);
    const auto identity = identityOf(path);
    KeptCopy kept = keepRecoveryCopy(fs::canonical(path).string(), *identity, oldBytes);
    ASSERT_TRUE(kept.failure.empty()) << kept.failure;
    kept.holder = FileDescriptor(-1); // as a save that died would
    const fs::path folder = m_dir / "state/vantrel/recovery";
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(fs::status(kept.path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    // Another file now has the name, and the inode number too (as a file made
    // after the old one was removed may get): refused, and put back only with force.
    file("kept.seem", Bytes(7, 0x22));
    const auto refusal = restoreRecoveryCopy(path);
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->message.find("holds 7 bytes"), std::string::npos) << refusal->message;
    EXPECT_NE(refusal->message.find("--force"), std::string::npos);
    EXPECT_EQ(contents(path), Bytes(7, 0x22));
    ASSERT_FALSE(restoreRecoveryCopy(path, true));
    EXPECT_EQ(contents(path), oldBytes);
    EXPECT_FALSE(leftoverRecoveryCopy(path));
}

TEST_F(ReplaceFileTest, ACopyLargerThanASeemFileIsNotPutBackUnforced) {
    const Bytes large(6000, 0x33);
    const std::string path = file("large.seem", large);
    ASSERT_TRUE(
        keepRecoveryCopy(fs::canonical(path).string(), *identityOf(path), large).failure.empty());
    const auto refusal = restoreRecoveryCopy(path);
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->message.find("more than a seem file"), std::string::npos)
        << refusal->message;
}

TEST_F(ReplaceFileTest, ARecoveryFolderOthersCanWriteOrOwnIsRefused) {
    const Bytes oldBytes(12, 0x11);
    const std::string path = file("shared.seem", oldBytes);
    const fs::path own = m_dir / "state/vantrel";
    fs::create_directories(own / "recovery");
    fs::permissions(own, fs::perms::all);
    const auto refusedWith = [&](const std::string& words) {
        const RecoveryFolder folder = recoveryFolder();
        EXPECT_NE(folder.refusal.find(words), std::string::npos) << folder.refusal;
        const KeptCopy kept =
            keepRecoveryCopy(fs::canonical(path).string(), *identityOf(path), oldBytes);
        EXPECT_NE(kept.failure.find(words), std::string::npos) << kept.failure;
        EXPECT_TRUE(kept.path.empty());
    };
    refusedWith("may be written by other users");
    // Its group writing to it is as bad as everyone.
    for (const auto mode : {fs::perms::owner_all | fs::perms::group_all,
                            fs::perms::owner_all | fs::perms::group_write}) {
        fs::permissions(own, mode);
        refusedWith("may be written by other users");
    }
    fs::permissions(own, fs::perms::owner_all);
    if (::geteuid() == 0) {
        // As a folder another user made.
        ASSERT_EQ(::chown((own / "recovery").c_str(), 65534, 65534), 0);
        refusedWith("belongs to another user");
        ASSERT_EQ(::chown((own / "recovery").c_str(), 0, 0), 0);
    }
    EXPECT_TRUE(recoveryFolder().refusal.empty());

    const char* home = std::getenv("HOME");
    const std::string savedHome = home != nullptr ? home : "";
    // A relative XDG_STATE_HOME is ignored, as the base directory rules say:
    // the copies would land wherever the program happened to start.
    ::setenv("XDG_STATE_HOME", "state", 1);
    ::setenv("HOME", (m_dir / "home").c_str(), 1);
    EXPECT_EQ(recoveryFolder(false).path, (m_dir / "home/.local/state/vantrel/recovery").string());
    ::unsetenv("XDG_STATE_HOME");
    ::unsetenv("HOME");
    EXPECT_NE(recoveryFolder().refusal.find("no state folder"), std::string::npos);
    if (!savedHome.empty())
        ::setenv("HOME", savedHome.c_str(), 1);
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

namespace {

int renamesBeforeKill = 0;

void dieAtSecondRename(SaveStep step) {
    if (step == SaveStep::Renamed && ++renamesBeforeKill == 2)
        ::raise(SIGKILL);
}

std::vector<PreparedReplacement> prepareAll(const std::vector<std::string>& paths,
                                            const Bytes& bytes) {
    std::vector<PreparedReplacement> prepared;
    for (const std::string& path : paths)
        prepared.push_back(prepareReplacement(path, bytes));
    return prepared;
}

void putAllInPlace(std::vector<PreparedReplacement>& prepared) {
    std::vector<PreparedReplacement*> batch;
    for (PreparedReplacement& each : prepared)
        batch.push_back(&each);
    putInPlace(batch);
}

} // namespace

// A batch's new bytes wait without a name until they are put in place
// together; a kill half way leaves each file old or new, and nothing else.
TEST_F(ReplaceFileTest, ABatchTakesItsNamesTogetherAndAKillLeavesOldOrNewFiles) {
    const Bytes oldBytes(40, 0x11);
    const Bytes newBytes(12, 0x22);
    std::vector<std::string> paths;
    for (const char* name : {"a.seem", "b.seem", "c.seem"})
        paths.push_back(file(name, oldBytes));
    const pid_t child = ::fork();
    if (child == 0) {
        setSaveStepHook(dieAtSecondRename);
        auto prepared = prepareAll(paths, newBytes);
        putAllInPlace(prepared);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(contents(paths[0]), newBytes);
    EXPECT_EQ(contents(paths[1]), newBytes);
    EXPECT_EQ(contents(paths[2]), oldBytes);
    EXPECT_EQ(temporaryFiles(), 0);

    const Bytes newest(7, 0x33);
    auto prepared = prepareAll(paths, newest);
    EXPECT_EQ(contents(paths[2]), oldBytes);
    EXPECT_EQ(temporaryFiles(), 0);
    putAllInPlace(prepared);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        EXPECT_TRUE(prepared[i].result().ok()) << prepared[i].result().reason;
        EXPECT_EQ(contents(paths[i]), newest);
    }
    EXPECT_EQ(filesIn(m_dir), 4); // the three files and the state folder
}
