// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/SeemFile.h"

#include "core/files/RegularFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

// A file this large is not copied aside to be written back after a failed
// in-place write; it is refused instead.
constexpr off_t kMaxInPlaceBackup = 16 * 1024 * 1024;

std::string systemReason(int error) {
    return std::strerror(error);
}

SeemFileRead failed(std::string reason) {
    SeemFileRead result;
    result.status = SeemFileRead::Status::Failed;
    result.reason = std::move(reason);
    return result;
}

bool markedReadOnly(const char* path, const struct stat& info) {
    // Read-only marks are honoured even for users (root) whom the system would let through.
    return (info.st_mode & 0222) == 0 || ::access(path, W_OK) != 0;
}

// Errors by which a folder refuses a new file or a rename while the file
// itself may still be writable (shared folders, some phone mounts).
bool folderRefuses(int error) {
    return error == EACCES || error == EPERM || error == EROFS || error == EBUSY || error == EXDEV;
}

mode_t modeForNewFile() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAllAt(int fd, const std::uint8_t* data, std::size_t size) {
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = ::pwrite(fd, data + written, size - written, static_cast<off_t>(written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

bool readAllAt(int fd, std::vector<std::uint8_t>& bytes) {
    std::uint8_t buffer[16384];
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, static_cast<off_t>(bytes.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
}

// The whole content of fd becomes bytes, flushed to the disk.
bool overwrite(int fd, const std::vector<std::uint8_t>& bytes) {
    return writeAllAt(fd, bytes.data(), bytes.size()) &&
           ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// Used where the folder will not take a temporary file or a rename, and for
// files with several names, which a rename would split apart. The old bytes
// are read first and written back if the new ones cannot all be written.
std::optional<std::string> writeInPlace(const fs::path& target,
                                        const std::vector<std::uint8_t>& bytes) {
    const FileDescriptor file(::open(target.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.isOpen())
        return openFailureReason(errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return systemReason(errno);
    if (auto reason = notRegularReason(info.st_mode); !reason.empty())
        return reason;
    if (info.st_size > kMaxInPlaceBackup)
        return "the folder allows no safe replacement and the file is too large to write in place";
    std::vector<std::uint8_t> old;
    if (!readAllAt(file.get(), old))
        return "its old content cannot be read: " + systemReason(errno);

    if (overwrite(file.get(), bytes))
        return std::nullopt;
    const std::string reason = systemReason(errno);
    if (overwrite(file.get(), old))
        return reason + "; the old content was restored";
    return reason + "; the old content could not be restored";
}

void syncFolder(const fs::path& folder) {
    const FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.isOpen())
        ::fsync(dir.get());
}

std::optional<std::string> writeTemporary(int fd, const struct stat* old,
                                          const std::vector<std::uint8_t>& bytes) {
    // Owner first: a change of owner clears the set-id bits the mode may carry.
    if (old && ::fchown(fd, old->st_uid, old->st_gid) != 0 && errno != EPERM)
        return systemReason(errno);
    const mode_t mode = old ? (old->st_mode & 07777) : modeForNewFile();
    if (::fchmod(fd, mode) != 0 || !writeAllAt(fd, bytes.data(), bytes.size()) || ::fsync(fd) != 0)
        return systemReason(errno);
    return std::nullopt;
}

// The bytes go to a temporary file beside the target, renamed over it only
// when complete. Falls back to an in-place write of an existing file when
// the folder refuses the temporary file or the rename.
std::optional<std::string> replaceByRename(const fs::path& target, const fs::path& folder,
                                           const struct stat* old,
                                           const std::vector<std::uint8_t>& bytes) {
    // Short, so that it fits wherever the target's own name fits.
    std::string tempName = (folder / ".vantrel-XXXXXX").string();
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0) {
        const int error = errno;
        if (old && folderRefuses(error))
            return writeInPlace(target, bytes);
        return systemReason(error);
    }
    auto failure = writeTemporary(fd, old, bytes);
    if (::close(fd) != 0 && !failure)
        failure = systemReason(errno);
    if (failure) {
        ::unlink(tempName.c_str());
        return failure;
    }
    if (::rename(tempName.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(tempName.c_str());
        if (old && folderRefuses(error))
            return writeInPlace(target, bytes);
        return systemReason(error);
    }
    // The rename itself lives in the folder; without this a power cut may undo it.
    syncFolder(folder);
    return std::nullopt;
}

} // namespace

SeemFileRead readSeemFile(const std::string& path) {
    const RegularFileRead read = readRegularFile(path, kMaxSeemFileSize);
    if (!read.ok)
        return failed(read.reason);
    SeemFileRead result;
    if (read.overLimit)
        result.status = SeemFileRead::Status::TooLarge;
    else if (read.bytes.empty())
        result.status = SeemFileRead::Status::Empty;
    else {
        result.status = SeemFileRead::Status::Ok;
        result.bytes.assign(read.bytes.begin(), read.bytes.end());
    }
    return result;
}

SeemFileSize probeSeemFileSize(const std::string& path) {
    SeemFileSize result;
    struct stat info {};
    if (::fstatat(AT_FDCWD, path.c_str(), &info, 0) != 0) {
        result.reason = openFailureReason(errno);
        return result;
    }
    if (result.reason = notRegularReason(info.st_mode); !result.reason.empty())
        return result;
    result.length = static_cast<std::size_t>(info.st_size);
    result.status = result.length > kMaxSeemFileSize ? SeemFileRead::Status::TooLarge
                    : result.length == 0             ? SeemFileRead::Status::Empty
                                                     : SeemFileRead::Status::Ok;
    return result;
}

std::optional<std::string> writeFileAtomically(const std::string& path,
                                               const std::vector<std::uint8_t>& bytes) {
    std::error_code error;
    fs::path target = fs::weakly_canonical(fs::absolute(path), error);
    if (error)
        target = fs::absolute(path);

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        return openFailureReason(errno);
    if (exists) {
        // Replacing a FIFO or a device by a regular file would break whatever uses it.
        if (auto reason = notRegularReason(old.st_mode); !reason.empty())
            return reason;
        if (markedReadOnly(target.c_str(), old))
            return "the file is read-only";
    }

    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0)
        return "the folder " + folder.string() + " does not exist";
    if (!S_ISDIR(folderInfo.st_mode))
        return folder.string() + " is not a folder";
    const bool folderReadOnly = markedReadOnly(folder.c_str(), folderInfo);
    if (exists && (folderReadOnly || old.st_nlink > 1))
        return writeInPlace(target, bytes);
    if (folderReadOnly)
        return "the folder " + folder.string() + " is read-only";
    return replaceByRename(target, folder, exists ? &old : nullptr, bytes);
}

} // namespace vantrel
