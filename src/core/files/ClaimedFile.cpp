// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/ClaimedFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

bool claimOpenFile(int fd) {
    int result;
    do
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

FileDescriptor createClaimedFile(const std::string& path, mode_t mode) {
    FileDescriptor file(
        ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (!file.isOpen())
        return file;
    // Between the create and the lock a sweep may have taken the new file
    // for an abandoned one: then the name no longer leads to it.
    struct stat opened {};
    struct stat named {};
    if (!claimOpenFile(file.get()) || ::fstat(file.get(), &opened) != 0 ||
        ::lstat(path.c_str(), &named) != 0 || !sameFile(opened, named)) {
        errno = EEXIST;
        return FileDescriptor(-1);
    }
    return file;
}

void removeAbandonedFiles(const std::string& folder,
                          const std::function<bool(const std::string& name)>& isOurs) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!isOurs(name))
            continue;
        const std::string path = it->path().string();
        struct stat named {};
        if (::lstat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode) ||
            named.st_uid != ::geteuid())
            continue;
        const FileDescriptor file(
            ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        struct stat opened {};
        if (!file.isOpen() || !claimOpenFile(file.get()) || ::fstat(file.get(), &opened) != 0 ||
            !sameFile(opened, named))
            continue;
        // Holding its lock: no writer can be starting on it now, and a new one
        // cannot make a file of this name until it is gone.
        ::unlink(path.c_str());
    }
}

} // namespace vantrel
