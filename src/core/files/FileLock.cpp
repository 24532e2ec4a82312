// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <set>

namespace vantrel {

namespace {

using FileKey = std::pair<std::uint64_t, std::uint64_t>;

// The files this process holds locks on: a second flock on a new descriptor
// of the same file would wait for the first forever.
std::mutex heldMutex;
std::set<FileKey>& heldFiles() {
    static std::set<FileKey> files;
    return files;
}

FileKey keyOf(const struct stat& info) {
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

bool isHeld(const FileKey& key) {
    const std::lock_guard guard(heldMutex);
    return heldFiles().count(key) > 0;
}

} // namespace

FileLock::FileLock(const std::string& path) {
    // Bounded, in case another program keeps replacing the file.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            return;
        struct stat locked {};
        if (::fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) {
            ::close(fd);
            return;
        }
        if (isHeld(keyOf(locked))) {
            ::close(fd);
            m_nested = true;
            return;
        }
        int result;
        do
            result = ::flock(fd, LOCK_EX);
        while (result != 0 && errno == EINTR);
        struct stat named {};
        if (result == 0 && ::stat(path.c_str(), &named) == 0 && named.st_dev == locked.st_dev &&
            named.st_ino == locked.st_ino) {
            m_fd = fd;
            m_file = keyOf(locked);
            const std::lock_guard guard(heldMutex);
            heldFiles().insert(m_file);
            return;
        }
        // The holder replaced the file while we waited: lock the new one.
        ::close(fd);
        if (result != 0)
            return;
    }
}

bool FileLock::isHeldHere(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && isHeld(keyOf(info));
}

FileLock::~FileLock() {
    if (m_fd < 0)
        return;
    {
        const std::lock_guard guard(heldMutex);
        heldFiles().erase(m_file);
    }
    ::close(m_fd);
}

} // namespace vantrel
