// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file all or nothing: a temporary file renamed over it, or an
// in-place write guarded by a recovery copy.
#include "core/files/FileReplacement.h"

#include "core/Failure.h"
#include "core/files/ClaimedFile.h"
#include "core/files/RecoveryCopy.h"
#include "core/files/RegularFile.h"
#include "core/files/SaveBatch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

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

FileWrite unchanged(std::string reason) {
    return {FileWrite::Outcome::Unchanged, std::move(reason), {}};
}

// Used where the folder will not take a temporary file or a rename, and for
// files with several names, which a rename would split apart. The old bytes
// go to a recovery copy first, so that an interruption anywhere leaves them
// somewhere whole; they are written back if the new ones cannot all be written.
// With guard, a recovery copy being put back, that copy already holds the bytes.
FileWrite writeInPlace(const fs::path& target, const std::vector<std::uint8_t>& bytes,
                       const std::string* guard) {
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
    std::string copy;
    // Held until the copy is dropped or, the write having failed, left for recover.
    FileDescriptor copyHolder(-1);
    if (guard != nullptr) {
        copy = *guard;
    } else {
        if (!readAllAt(file.get(), old))
            return unchanged("its old content cannot be read: " + systemReason(errno));
        KeptCopy kept = keepRecoveryCopy(target.string(), identityOfStat(info), old);
        if (!kept.failure.empty())
            return unchanged(kept.failure);
        copy = kept.path;
        copyHolder = std::move(kept.holder);
    }
    reachSaveStep(SaveStep::RecoveryKept);

    bool ok = writeAllAt(file.get(), bytes.data(), bytes.size());
    if (ok) {
        reachSaveStep(SaveStep::WrittenInPlace);
        ok = ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) == 0;
    }
    if (ok) {
        reachSaveStep(SaveStep::Truncated);
        ok = ::fsync(file.get()) == 0;
    }
    if (ok) {
        reachSaveStep(SaveStep::FlushedInPlace);
        dropRecoveryCopy(copy);
        return {};
    }
    const std::string reason = systemReason(errno);
    if (guard == nullptr && overwrite(file.get(), old)) {
        dropRecoveryCopy(copy);
        return {FileWrite::Outcome::Restored, reason, {}};
    }
    return {FileWrite::Outcome::NotRestored, reason, copy};
}

std::optional<Failure> writeTemporary(int fd, const struct stat* old,
                                      const std::vector<std::uint8_t>& bytes) {
    // Owner first: a change of owner clears the set-id bits the mode may carry.
    if (old && ::fchown(fd, old->st_uid, old->st_gid) != 0 && errno != EPERM)
        return Failure{systemReason(errno)};
    const mode_t mode = old ? (old->st_mode & 07777) : modeForNewFile();
    if (::fchmod(fd, mode) != 0 || !writeAllAt(fd, bytes.data(), bytes.size()) || ::fsync(fd) != 0)
        return Failure{systemReason(errno)};
    reachSaveStep(SaveStep::TemporaryWritten);
    return std::nullopt;
}

// Short, so that it fits wherever the target's own name fits.
constexpr const char* kTemporaryPrefix = ".vantrel-";
constexpr std::size_t kTemporaryNameLength = 15; // the prefix and six characters

// Named temporary files of ours that a killed save left behind: a save that
// is still running holds the lock of its own.
void removeAbandonedTemporaries(const fs::path& folder) {
    if (!sweepDueInBatch(folder.string()))
        return;
    removeAbandonedFiles(folder.string(), [](const std::string& name) {
        return name.size() == kTemporaryNameLength && name.starts_with(kTemporaryPrefix);
    });
}

// A temporary file beside the target, by the name it has for the rename and
// open (so claimed) until then, or why there is none. unsupported: the file
// system has no unnamed files.
struct Temporary {
    std::string name;
    std::optional<Failure> failure;
    bool unsupported = false;
    int error = 0;
    FileDescriptor file{-1};
};

Temporary temporaryFailure(std::string failure, bool unsupported, int error) {
    Temporary result;
    result.failure = Failure{std::move(failure)};
    result.unsupported = unsupported;
    result.error = error;
    return result;
}

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
    FileDescriptor file(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (!file.isOpen()) {
        const int error = errno;
        return temporaryFailure(systemReason(error),
                                error == EOPNOTSUPP || error == EISDIR || error == EINVAL, error);
    }
    // Claimed before it has a name, so that no sweep ever sees it unclaimed.
    claimOpenFile(file.get());
    if (auto failure = writeTemporary(file.get(), old, bytes))
        return temporaryFailure(failure->message, false, 0);
    const std::string procPath = "/proc/self/fd/" + std::to_string(file.get());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = temporaryName(folder);
        if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            reachSaveStep(SaveStep::TemporaryNamed);
            Temporary result;
            result.name = name;
            result.file = std::move(file);
            return result;
        }
        if (errno != EEXIST)
            break;
    }
    // Without /proc, or where links are refused: the named temporary file still works.
    const int error = errno;
    return temporaryFailure(systemReason(error), true, error);
}

// The fallback where the file system has no unnamed files.
Temporary writeNamedTemporary(const fs::path& folder, const struct stat* old,
                              const std::vector<std::uint8_t>& bytes) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = temporaryName(folder);
        FileDescriptor file = createClaimedFile(name, 0600);
        if (!file.isOpen() && errno == EEXIST)
            continue;
        if (!file.isOpen())
            return temporaryFailure(systemReason(errno), false, errno);
        if (auto failure = writeTemporary(file.get(), old, bytes)) {
            ::unlink(name.c_str());
            return temporaryFailure(failure->message, false, 0);
        }
        reachSaveStep(SaveStep::TemporaryNamed);
        Temporary result;
        result.name = name;
        result.file = std::move(file);
        return result;
    }
    return temporaryFailure(systemReason(EEXIST), false, EEXIST);
}

// The new file takes the target's name only when complete. Falls back to an
// in-place write of an existing file when the folder refuses the temporary
// file or the rename.
FileWrite replaceByRename(const fs::path& target, const fs::path& folder, const struct stat* old,
                          const std::vector<std::uint8_t>& bytes, const std::string* guard) {
    removeAbandonedTemporaries(folder);
    Temporary temporary = writeUnnamedTemporary(folder, old, bytes);
    if (temporary.unsupported)
        temporary = writeNamedTemporary(folder, old, bytes);
    if (temporary.failure) {
        if (old && folderRefuses(temporary.error))
            return writeInPlace(target, bytes, guard);
        return unchanged(temporary.failure->message);
    }
    if (::rename(temporary.name.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.name.c_str());
        if (old && folderRefuses(error))
            return writeInPlace(target, bytes, guard);
        return unchanged(systemReason(error));
    }
    reachSaveStep(SaveStep::Renamed);
    // The rename itself lives in the folder; without this a power cut may undo it.
    syncFolderNowOrAtBatchEnd(folder.string());
    return {};
}

FileWrite replace(const std::string& path, const std::vector<std::uint8_t>& bytes,
                  const std::string* guard) {
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
        return writeInPlace(target, bytes, guard);
    if (folderReadOnly)
        return unchanged("the folder " + folder.string() + " is read-only");
    FileWrite written = replaceByRename(target, folder, exists ? &old : nullptr, bytes, guard);
    if (written.ok() && guard != nullptr)
        dropRecoveryCopy(*guard);
    return written;
}

} // namespace

void setSaveStepHook(SaveStepHook hook) {
    saveStepHook = hook;
}

void reachSaveStep(SaveStep step) {
    if (saveStepHook != nullptr)
        saveStepHook(step);
}

FileWrite replaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    return replace(path, bytes, nullptr);
}

FileWrite restoreFromCopy(const std::string& path, const std::vector<std::uint8_t>& bytes,
                          const std::string& copy) {
    return replace(path, bytes, &copy);
}

} // namespace vantrel
