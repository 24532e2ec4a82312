// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vantrel {

namespace {

RegularFileRead failure(std::string reason) {
    RegularFileRead result;
    result.reason = std::move(reason);
    return result;
}

} // namespace

FileIdentity identityOfStat(const struct stat& info) {
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::int64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

std::optional<FileIdentity> identityOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return identityOfStat(info);
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

FileDescriptor::~FileDescriptor() {
    if (m_fd >= 0)
        ::close(m_fd);
}

std::string notRegularReason(unsigned mode) {
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return "it is a folder, not a file";
    if (S_ISFIFO(mode))
        return "it is a FIFO, not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a regular file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a regular file";
    return "it is not a regular file";
}

std::string openFailureReason(int error) {
    if (error == ENOENT)
        return "the file does not exist";
    if (error == ELOOP)
        return "too many levels of symbolic links";
    return std::strerror(error);
}

namespace {

// path is relative to folder (or AT_FDCWD); look: whether to look at it before opening.
RegularFileRead readRegularFileAt(int folder, const std::string& path, std::size_t limit,
                                  bool look) {
    // Look before opening: opening some devices already does something.
    struct stat info {};
    if (look) {
        if (::fstatat(folder, path.c_str(), &info, 0) != 0)
            return failure(openFailureReason(errno));
        if (auto reason = notRegularReason(info.st_mode); !reason.empty())
            return failure(reason);
    }

    // Without blocking, in case the path was swapped for a FIFO since the look.
    const FileDescriptor file(
        ::openat(folder, path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0)
        return failure(openFailureReason(errno));
    if (::fstat(file.get(), &info) != 0)
        return failure(std::strerror(errno));
    if (auto reason = notRegularReason(info.st_mode); !reason.empty())
        return failure(reason);

    RegularFileRead result;
    result.identity = identityOfStat(info);
    char buffer[16384];
    while (result.bytes.size() <= limit) {
        // One byte past the limit tells whether more follows.
        const std::size_t remaining = limit - result.bytes.size();
        const std::size_t wanted = remaining >= sizeof buffer ? sizeof buffer : remaining + 1;
        const ssize_t n = ::read(file.get(), buffer, wanted);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failure(std::strerror(errno));
        if (n == 0)
            break;
        result.bytes.append(buffer, static_cast<std::size_t>(n));
        // A regular file's short read is its end: no second read to hear so.
        if (static_cast<std::size_t>(n) < wanted &&
            result.bytes.size() == static_cast<std::size_t>(info.st_size))
            break;
    }
    if (result.bytes.size() > limit) {
        result.bytes.resize(limit);
        result.overLimit = true;
    }
    result.ok = true;
    return result;
}

} // namespace

RegularFileRead readRegularFile(const std::string& path, std::size_t limit) {
    return readRegularFileAt(AT_FDCWD, path, limit, true);
}

RegularFileRead readListedRegularFile(int folder, const std::string& name, std::size_t limit) {
    return readRegularFileAt(folder, name, limit, false);
}

} // namespace vantrel
