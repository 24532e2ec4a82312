// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a save flushes the new file before the rename and the folder after
// it. The test program's own fsync, rename and mkdir stand in for the
// system's: they count syncs, can refuse a rename as some file systems do, and
// refuse new folders as a read-only mount does.
#include "core/files/SeemFile.h"

#include "TempDir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

std::atomic<int> folderSyncs{0};
std::atomic<int> fileSyncs{0};
std::atomic<int> fileSyncsAtRename{-1};
std::atomic<int> fileSyncsAtLink{-1};
std::atomic<int> renameRefusal{0}; // the errno a rename fails with; 0: none
std::string readOnlyMount;         // no folder can be made below it; "": none

} // namespace

extern "C" int mkdir(const char* path, mode_t mode) {
    if (!readOnlyMount.empty() && std::string_view(path).starts_with(readOnlyMount)) {
        struct stat info {};
        errno = ::stat(path, &info) == 0 ? EEXIST : EROFS;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_mkdirat, AT_FDCWD, path, mode));
}

extern "C" int fsync(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode))
        ++folderSyncs;
    else
        ++fileSyncs;
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

extern "C" int link(const char* from, const char* to) {
    fileSyncsAtLink = fileSyncs.load();
    return static_cast<int>(::syscall(SYS_linkat, AT_FDCWD, from, AT_FDCWD, to, 0));
}

extern "C" int rename(const char* from, const char* to) {
    fileSyncsAtRename = fileSyncs.load();
    if (renameRefusal != 0) {
        errno = renameRefusal;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_renameat, AT_FDCWD, from, AT_FDCWD, to));
}

TEST(SeemFileSync, TheFolderIsFlushedAfterTheRename) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("vantrel-sync-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path path = dir / "synced.seem";
    std::ofstream(path) << "old";
    const int before = folderSyncs;
    const int fileSyncsBefore = fileSyncs;
    EXPECT_FALSE(vantrel::writeFileAtomically(path.string(), {1, 2}).has_value());
    EXPECT_GT(folderSyncs, before);
    EXPECT_GT(fileSyncsAtRename, fileSyncsBefore);
    fs::remove_all(dir);
}

TEST(SeemFileSync, ARefusedRenameFallsBackToWritingInPlace) {
    namespace fs = std::filesystem;
    const fs::path dir =
        fs::temp_directory_path() / ("vantrel-refused-" + std::to_string(::getpid()));
    fs::create_directories(dir / "state");
    ::setenv("XDG_STATE_HOME", (dir / "state").c_str(), 1);
    const fs::path path = dir / "target.seem";
    for (const int error : {EXDEV, EACCES, EPERM, EBUSY}) {
        std::ofstream(path) << "old content";
        renameRefusal = error;
        const auto failure = vantrel::writeFileAtomically(path.string(), {'n', 'e', 'w'});
        renameRefusal = 0;
        EXPECT_FALSE(failure.has_value()) << failure->message;
        std::ifstream in(path);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "new") << error;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
    }
    ::unsetenv("XDG_STATE_HOME");
    fs::remove_all(dir);
}

// The recovery copy is named only once its bytes are on disk.
TEST(SeemFileSync, TheRecoveryCopyIsFlushedBeforeItIsNamed) {
    namespace fs = std::filesystem;
    const fs::path dir =
        fs::temp_directory_path() / ("vantrel-copysync-" + std::to_string(::getpid()));
    fs::create_directories(dir / "state");
    ::setenv("XDG_STATE_HOME", (dir / "state").c_str(), 1);
    const fs::path path = dir / "linked.seem";
    std::ofstream(path) << "old";
    fs::create_hard_link(path, dir / "second.seem");
    const int before = fileSyncs;
    fileSyncsAtLink = -1;
    EXPECT_FALSE(vantrel::writeFileAtomically(path.string(), {1, 2, 3}).has_value());
    EXPECT_GT(fileSyncsAtLink, before);
    ::unsetenv("XDG_STATE_HOME");
    fs::remove_all(dir);
}

// Root may write anywhere a mode allows nothing, so the mount is the test's mkdir.
TEST(SeemFileSync, AStateFolderOnAReadOnlyMountIsSaidToBeReadOnly) {
    namespace fs = std::filesystem;
    const vantrel::testing::TempDir dir;
    fs::create_directories(dir.path() / "mount");
    const std::string state = dir / "mount/state";
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);
    const std::string path = dir.write("linked.seem", "old");
    fs::create_hard_link(path, dir / "second.seem");
    readOnlyMount = dir / "mount";
    const auto failure = vantrel::writeFileAtomically(path, {1, 2, 3});
    readOnlyMount.clear();
    ::unsetenv("XDG_STATE_HOME");
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(
        failure->message.find("the folder " + state + " cannot be made: Read-only file system"),
        std::string::npos)
        << failure->message;
    EXPECT_EQ(dir.read("linked.seem"), "old");
}
