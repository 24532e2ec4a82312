// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file all or nothing: a temporary file renamed over it, or an
// in-place write guarded by a recovery copy.
#include "core/files/SeemFile.h"

#include "core/files/RecoveryCopy.h"
#include "core/files/RegularFile.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <random>

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

SaveStepHook saveStepHook = nullptr;

void reached(SaveStep step) {
    if (saveStepHook != nullptr)
        saveStepHook(step);
}

FileWrite unchanged(std::string reason) {
    return {FileWrite::Outcome::Unchanged, std::move(reason), {}};
}

// Used where the folder will not take a temporary file or a rename, and for
// files with several names, which a rename would split apart. The old bytes
// go to a recovery copy first, so that an interruption anywhere leaves them
// somewhere whole; they are written back if the new ones cannot all be written.
FileWrite writeInPlace(const fs::path& target, const std::vector<std::uint8_t>& bytes) {
    const FileDescriptor file(::open(target.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.isOpen())
        return unchanged(openFailureReason(errno));
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return unchanged(systemReason(errno));
    if (auto reason = notRegularReason(info.st_mode); !reason.empty())
        return unchanged(reason);
    if (info.st_size > kMaxInPlaceBackup)
        return unchanged(
            "the folder allows no safe replacement and the file is too large to write in place");
    std::vector<std::uint8_t> old;
    if (!readAllAt(file.get(), old))
        return unchanged("its old content cannot be read: " + systemReason(errno));
    if (auto failure = keepRecoveryCopy(target.string(), old))
        return unchanged(*failure);
    reached(SaveStep::RecoveryKept);

    bool ok = writeAllAt(file.get(), bytes.data(), bytes.size());
    if (ok) {
        reached(SaveStep::WrittenInPlace);
        ok = ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) == 0;
    }
    if (ok) {
        reached(SaveStep::Truncated);
        ok = ::fsync(file.get()) == 0;
    }
    if (ok) {
        reached(SaveStep::FlushedInPlace);
        dropRecoveryCopy(target.string());
        return {};
    }
    const std::string reason = systemReason(errno);
    if (overwrite(file.get(), old)) {
        dropRecoveryCopy(target.string());
        return {FileWrite::Outcome::Restored, reason, {}};
    }
    return {FileWrite::Outcome::NotRestored, reason, recoveryCopyPath(target.string())};
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
    reached(SaveStep::TemporaryWritten);
    return std::nullopt;
}

// Short, so that it fits wherever the target's own name fits.
constexpr const char* kTemporaryPrefix = ".vantrel-";
constexpr std::size_t kTemporaryNameLength = 15; // the prefix and six characters

// Named temporary files of ours that a killed save left behind, more than a
// minute old so that no save still running can own them.
void removeStaleTemporaries(const fs::path& folder) {
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() != kTemporaryNameLength || !name.starts_with(kTemporaryPrefix))
            continue;
        struct stat info {};
        if (::lstat(it->path().c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid())
            continue;
        std::error_code timeError;
        const auto modified = fs::last_write_time(it->path(), timeError);
        if (!timeError && now - modified > std::chrono::minutes(1))
            ::unlink(it->path().c_str());
    }
}

// A temporary file beside the target, by the name it has for the rename, or
// why there is none. unsupported: the file system has no unnamed files.
struct Temporary {
    std::string name;
    std::optional<std::string> failure;
    bool unsupported = false;
    int error = 0;
};

std::string temporaryName(const fs::path& folder) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 random{std::random_device{}()};
    std::string name = kTemporaryPrefix;
    for (int i = 0; i < 6; ++i)
        name += kLetters[random() % (sizeof kLetters - 1)];
    return (folder / name).string();
}

// Without a name while it is written: nothing is left behind if the process
// dies then. It gets a name only for the moment of the rename.
Temporary writeUnnamedTemporary(const fs::path& folder, const struct stat* old,
                                const std::vector<std::uint8_t>& bytes) {
    const FileDescriptor file(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (!file.isOpen()) {
        const int error = errno;
        Temporary result;
        result.unsupported = error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
        result.failure = systemReason(error);
        result.error = error;
        return result;
    }
    if (auto failure = writeTemporary(file.get(), old, bytes))
        return {{}, failure, false, 0};
    const std::string procPath = "/proc/self/fd/" + std::to_string(file.get());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = temporaryName(folder);
        if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            reached(SaveStep::TemporaryNamed);
            return {name, std::nullopt, false, 0};
        }
        if (errno != EEXIST)
            break;
    }
    const int error = errno;
    Temporary result;
    // Without /proc, or where links are refused: the named temporary file still works.
    result.unsupported = true;
    result.failure = systemReason(error);
    result.error = error;
    return result;
}

// The fallback where the file system has no unnamed files.
Temporary writeNamedTemporary(const fs::path& folder, const struct stat* old,
                              const std::vector<std::uint8_t>& bytes) {
    std::string name = (folder / (std::string(kTemporaryPrefix) + "XXXXXX")).string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return {{}, systemReason(errno), false, errno};
    auto failure = writeTemporary(fd, old, bytes);
    if (::close(fd) != 0 && !failure)
        failure = systemReason(errno);
    if (failure) {
        ::unlink(name.c_str());
        return {{}, failure, false, 0};
    }
    reached(SaveStep::TemporaryNamed);
    return {name, std::nullopt, false, 0};
}

// The new file takes the target's name only when complete. Falls back to an
// in-place write of an existing file when the folder refuses the temporary
// file or the rename.
FileWrite replaceByRename(const fs::path& target, const fs::path& folder, const struct stat* old,
                          const std::vector<std::uint8_t>& bytes) {
    Temporary temporary = writeUnnamedTemporary(folder, old, bytes);
    if (temporary.unsupported)
        temporary = writeNamedTemporary(folder, old, bytes);
    if (temporary.failure) {
        if (old && folderRefuses(temporary.error))
            return writeInPlace(target, bytes);
        return unchanged(*temporary.failure);
    }
    if (::rename(temporary.name.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.name.c_str());
        if (old && folderRefuses(error))
            return writeInPlace(target, bytes);
        return unchanged(systemReason(error));
    }
    reached(SaveStep::Renamed);
    // The rename itself lives in the folder; without this a power cut may undo it.
    syncFolder(folder);
    removeStaleTemporaries(folder);
    return {};
}

} // namespace

void setSaveStepHook(SaveStepHook hook) {
    saveStepHook = hook;
}

FileWrite replaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const SaveTarget resolved = resolveSaveTarget(path);
    if (!resolved.refusal.empty())
        return unchanged(resolved.refusal);
    const fs::path target = resolved.path;

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        return unchanged(openFailureReason(errno));
    if (exists) {
        // Replacing a FIFO or a device by a regular file would break whatever uses it.
        if (auto reason = notRegularReason(old.st_mode); !reason.empty())
            return unchanged(reason);
        if (markedReadOnly(target.c_str(), old))
            return unchanged("the file is read-only");
    }

    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0)
        return unchanged("the folder " + folder.string() + " does not exist");
    if (!S_ISDIR(folderInfo.st_mode))
        return unchanged(folder.string() + " is not a folder");
    const bool folderReadOnly = markedReadOnly(folder.c_str(), folderInfo);
    if (exists && (folderReadOnly || old.st_nlink > 1))
        return writeInPlace(target, bytes);
    if (folderReadOnly)
        return unchanged("the folder " + folder.string() + " is read-only");
    return replaceByRename(target, folder, exists ? &old : nullptr, bytes);
}

} // namespace vantrel
