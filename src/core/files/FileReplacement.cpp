// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file all or nothing: a temporary file renamed over it, or an
// in-place write guarded by a recovery copy.
#include "core/files/FileReplacement.h"

#include "core/Failure.h"
#include "core/files/ClaimedFile.h"
#include "core/files/InPlaceWrite.h"
#include "core/files/RecoveryCopy.h"
#include "core/files/RegularFile.h"
#include "core/files/SaveBatch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <span>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

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

SaveStepHook saveStepHook = nullptr;

// The new bytes, with the old file's owner and mode; not yet flushed.
std::optional<Failure> fillTemporary(int fd, const struct stat* old,
                                     const std::vector<std::uint8_t>& bytes) {
    // Owner first: a change of owner clears the set-id bits the mode may carry.
    if (old && ::fchown(fd, old->st_uid, old->st_gid) != 0 && errno != EPERM)
        return Failure{systemReason(errno)};
    const mode_t mode = old ? (old->st_mode & 07777) : modeForNewFile();
    if (::fchmod(fd, mode) != 0 || !writeAllAt(fd, bytes.data(), bytes.size()))
        return Failure{systemReason(errno)};
    return std::nullopt;
}

std::optional<Failure> flushTemporary(int fd) {
    if (::fsync(fd) != 0)
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

// A temporary file beside the target, open (so claimed) until the rename and
// named only for it, or why there is none. unsupported: the file system has
// no unnamed files.
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

// Without a name while it is written and flushed: nothing is left behind if
// the process dies then.
Temporary fillUnnamedTemporary(const fs::path& folder, const struct stat* old,
                               const std::vector<std::uint8_t>& bytes) {
    FileDescriptor file(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (!file.isOpen()) {
        const int error = errno;
        return temporaryFailure(systemReason(error),
                                error == EOPNOTSUPP || error == EISDIR || error == EINVAL, error);
    }
    // Claimed before it has a name, so that no sweep ever sees it unclaimed.
    claimOpenFile(file.get());
    if (auto failure = fillTemporary(file.get(), old, bytes))
        return temporaryFailure(failure->message, false, 0);
    Temporary result;
    result.file = std::move(file);
    return result;
}

// The unnamed file gets a name for the moment of the rename.
void nameTemporary(Temporary& temporary, const fs::path& folder) {
    const std::string procPath = "/proc/self/fd/" + std::to_string(temporary.file.get());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = temporaryName(folder);
        if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            reachSaveStep(SaveStep::TemporaryNamed);
            temporary.name = name;
            return;
        }
        if (errno != EEXIST)
            break;
    }
    // Without /proc, or where links are refused: the named temporary file still works.
    const int error = errno;
    temporary = temporaryFailure(systemReason(error), true, error);
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
        auto failure = fillTemporary(file.get(), old, bytes);
        if (!failure)
            failure = flushTemporary(file.get());
        if (failure) {
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

// Where a replacement goes, as checked before anything is written.
struct CheckedTarget {
    std::string refusal;
    fs::path target;
    fs::path folder;
    std::optional<struct stat> old; // the file being replaced, if there is one
    bool inPlace = false;           // no rename: the file is written over
};

CheckedTarget refusedTarget(std::string refusal) {
    CheckedTarget checked;
    checked.refusal = std::move(refusal);
    return checked;
}

CheckedTarget checkTarget(const std::string& path) {
    const SaveTarget resolved = resolveSaveTarget(path);
    if (!resolved.refusal.empty())
        return refusedTarget(resolved.refusal);
    CheckedTarget checked;
    checked.target = resolved.path;
    struct stat old {};
    if (::stat(checked.target.c_str(), &old) == 0) {
        // Replacing a FIFO or a device by a regular file would break whatever uses it.
        if (auto reason = notRegularReason(old.st_mode); !reason.empty())
            return refusedTarget(reason);
        if (markedReadOnly(checked.target.c_str(), old))
            return refusedTarget("the file is read-only");
        checked.old = old;
    } else if (errno != ENOENT) {
        return refusedTarget(openFailureReason(errno));
    }
    const fs::path parent = checked.target.parent_path();
    checked.folder = parent.empty() ? fs::path(".") : parent;
    struct stat folderInfo {};
    if (::stat(checked.folder.c_str(), &folderInfo) != 0)
        return refusedTarget("the folder " + checked.folder.string() + " does not exist");
    if (!S_ISDIR(folderInfo.st_mode))
        return refusedTarget(checked.folder.string() + " is not a folder");
    const bool folderReadOnly = markedReadOnly(checked.folder.c_str(), folderInfo);
    if (checked.old && (folderReadOnly || checked.old->st_nlink > 1))
        checked.inPlace = true;
    else if (folderReadOnly)
        return refusedTarget("the folder " + checked.folder.string() + " is read-only");
    return checked;
}

// The flushed temporary file takes the target's name. Falls back to a named
// temporary file where an unnamed one cannot be named, and to an in-place
// write of an existing file when the folder refuses the temporary file or
// the rename.
FileWrite putTemporaryInPlace(Temporary temporary, const CheckedTarget& checked,
                              const std::vector<std::uint8_t>& bytes, const std::string* guard) {
    const struct stat* old = checked.old ? &*checked.old : nullptr;
    if (!temporary.failure && temporary.name.empty())
        nameTemporary(temporary, checked.folder);
    if (temporary.unsupported)
        temporary = writeNamedTemporary(checked.folder, old, bytes);
    if (temporary.failure) {
        if (old && folderRefuses(temporary.error))
            return writeInPlace(checked.target, bytes, guard);
        return unchangedFile(temporary.failure->message);
    }
    if (::rename(temporary.name.c_str(), checked.target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.name.c_str());
        if (old && folderRefuses(error))
            return writeInPlace(checked.target, bytes, guard);
        return unchangedFile(systemReason(error));
    }
    reachSaveStep(SaveStep::Renamed);
    // The rename itself lives in the folder; without this a power cut may undo it.
    syncFolderNowOrAtBatchEnd(checked.folder.string());
    return {};
}

// The new bytes in an unnamed temporary file beside the target, not yet flushed.
Temporary startTemporary(const CheckedTarget& checked, const std::vector<std::uint8_t>& bytes) {
    removeAbandonedTemporaries(checked.folder);
    return fillUnnamedTemporary(checked.folder, checked.old ? &*checked.old : nullptr, bytes);
}

Temporary writeTemporary(const CheckedTarget& checked, const std::vector<std::uint8_t>& bytes) {
    Temporary temporary = startTemporary(checked, bytes);
    if (temporary.failure)
        return temporary;
    if (auto failure = flushTemporary(temporary.file.get()))
        return temporaryFailure(failure->message, false, 0);
    return temporary;
}

FileWrite replace(const std::string& path, const std::vector<std::uint8_t>& bytes,
                  const std::string* guard) {
    const CheckedTarget checked = checkTarget(path);
    if (!checked.refusal.empty())
        return unchangedFile(checked.refusal);
    if (checked.inPlace)
        return writeInPlace(checked.target, bytes, guard);
    FileWrite written = putTemporaryInPlace(writeTemporary(checked, bytes), checked, bytes, guard);
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

struct PreparedReplacement::Pending {
    CheckedTarget checked;
    std::vector<std::uint8_t> bytes;
    Temporary temporary;
};

PreparedReplacement::PreparedReplacement() = default;
PreparedReplacement::PreparedReplacement(PreparedReplacement&&) noexcept = default;
PreparedReplacement& PreparedReplacement::operator=(PreparedReplacement&&) noexcept = default;
PreparedReplacement::~PreparedReplacement() = default;

PreparedReplacement prepareReplacement(const std::string& path,
                                       const std::vector<std::uint8_t>& bytes) {
    PreparedReplacement prepared;
    CheckedTarget checked = checkTarget(path);
    if (!checked.refusal.empty()) {
        prepared.m_result = unchangedFile(checked.refusal);
        return prepared;
    }
    if (checked.inPlace) {
        prepared.m_result = writeInPlace(checked.target, bytes, nullptr);
        return prepared;
    }
    Temporary temporary = startTemporary(checked, bytes);
    if (temporary.failure) {
        // Named temporary files and in-place writes are not batched.
        prepared.m_result = putTemporaryInPlace(std::move(temporary), checked, bytes, nullptr);
        return prepared;
    }
    prepared.m_pending = std::make_unique<PreparedReplacement::Pending>(
        PreparedReplacement::Pending{std::move(checked), bytes, std::move(temporary)});
    return prepared;
}

namespace {

bool flushFileSystem([[maybe_unused]] int fd) {
#ifdef __linux__
    return ::syncfs(fd) == 0;
#else
    return false;
#endif
}

// One flush of the whole file system for each file system holding several
// of the files, instead of one per file; each file flushed alone where that
// fails or it is the only one there.
void flushTemporaries(std::span<PreparedReplacement::Pending* const> pending) {
    std::map<dev_t, std::vector<PreparedReplacement::Pending*>> byDevice;
    for (PreparedReplacement::Pending* each : pending) {
        struct stat info {};
        const dev_t device = ::fstat(each->temporary.file.get(), &info) == 0 ? info.st_dev : 0;
        byDevice[device].push_back(each);
    }
    for (auto& [device, files] : byDevice) {
        const bool together =
            files.size() > 1 && flushFileSystem(files.front()->temporary.file.get());
        for (PreparedReplacement::Pending* each : files) {
            if (together) {
                reachSaveStep(SaveStep::TemporaryWritten);
            } else if (auto failure = flushTemporary(each->temporary.file.get())) {
                each->temporary = temporaryFailure(failure->message, false, 0);
            }
        }
    }
}

} // namespace

void putInPlace(std::span<PreparedReplacement* const> batch) {
    std::vector<PreparedReplacement::Pending*> pending;
    for (PreparedReplacement* each : batch) {
        if (each->m_pending)
            pending.push_back(each->m_pending.get());
    }
    flushTemporaries(pending);
    for (PreparedReplacement* each : batch) {
        if (!each->m_pending)
            continue;
        PreparedReplacement::Pending& item = *each->m_pending;
        each->m_result =
            putTemporaryInPlace(std::move(item.temporary), item.checked, item.bytes, nullptr);
        each->m_pending.reset();
    }
}

} // namespace vantrel
