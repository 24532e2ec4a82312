// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a save flushes the folder that holds the renamed file. The test
// program's own fsync stands in for the system's and counts folder syncs.
#include "core/files/SeemFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::atomic<int> folderSyncs{0};

} // namespace

extern "C" int fsync(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode))
        ++folderSyncs;
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

TEST(SeemFileSync, TheFolderIsFlushedAfterTheRename) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("vantrel-sync-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path path = dir / "synced.seem";
    std::ofstream(path) << "old";
    const int before = folderSyncs;
    EXPECT_FALSE(vantrel::writeFileAtomically(path.string(), {1, 2}).has_value());
    EXPECT_GT(folderSyncs, before);
    fs::remove_all(dir);
}
