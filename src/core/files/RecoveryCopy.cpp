// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/RecoveryCopy.h"

#include "core/files/ClaimedFile.h"
#include "core/files/FileLock.h"
#include "core/files/FileReplacement.h"
#include "core/files/RecoveryCopyNames.h"
#include "core/files/SeemFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kPartialSuffix = ".partial";
// A copy larger than this was not made by a save of ours.
constexpr std::size_t kLargestCopy = 16 * 1024 * 1024;

std::string modeText(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

// Refuses what another user could have put there or could change, as ssh
// refuses such a ~/.ssh.
std::string ownershipRefusal(const std::string& path, const struct stat& info, const char* what) {
    if (info.st_uid != ::geteuid())
        return std::string(what) + " " + path + " belongs to another user";
    if ((info.st_mode & 022) != 0)
        return std::string(what) + " " + path + " may be written by other users (mode " +
               modeText(info.st_mode) + ")";
    return {};
}

// Makes every missing folder of path, each 0700; "" or why not.
std::string makeFolders(const fs::path& path) {
    fs::path partial;
    for (const fs::path& part : path) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) == 0 || errno == EEXIST)
            continue;
        const int error = errno;
        struct stat info {};
        if (::stat(partial.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
            continue;
        return "the folder " + partial.string() + " cannot be made: " + std::strerror(error);
    }
    return {};
}

// What an entry found for a file is to a save or to recover.
enum class EntryState {
    Gone,     // no longer there (dropped meanwhile, or set aside): look again
    Held,     // a living save holds it: in use, no leftover
    Usable,   // a leftover that recover can put back
    Unusable, // a leftover recover will not use: why and what to do is said
    SetAside, // held nothing a save keeps and was moved out of the way
};

struct Entry {
    Entry(EntryState entryState = EntryState::Gone, std::string why = {}, std::string movedTo = {})
        : state(entryState), unusable(std::move(why)), setAsideAs(std::move(movedTo)) {}
    EntryState state;
    std::string unusable; // Unusable and SetAside: why (and for Unusable, what to do)
    std::string setAsideAs;
    FileDescriptor lock{-1}; // Usable: the entry, open with the lock asked for
};

bool sameInode(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Renames the entry within the folder to a name no copy has, so nothing is lost.
Entry setAside(const std::string& path, const std::string& why) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string moved =
            path + ".set-aside" + (attempt == 0 ? "" : "-" + std::to_string(attempt + 1));
        struct stat taken {};
        if (::lstat(moved.c_str(), &taken) == 0 || errno != ENOENT)
            continue;
        if (::rename(path.c_str(), moved.c_str()) == 0)
            return Entry{EntryState::SetAside, why, moved};
        return Entry{EntryState::Unusable, why + ", and it cannot be set aside (" +
                                               std::strerror(errno) + "); move it out of " +
                                               fs::path(path).parent_path().string()};
    }
    return Entry{EntryState::Unusable,
                 why + "; move it out of " + fs::path(path).parent_path().string()};
}

// Looks at an entry of the recovery folder found for a file. lockKind is
// LOCK_SH to look, LOCK_EX to take the copy for putting it back; either fails
// at once while the save that kept it holds it.
Entry examineEntry(const std::string& path, int lockKind) {
    struct stat named {};
    if (::lstat(path.c_str(), &named) != 0)
        return {};
    const std::string folder = fs::path(path).parent_path().string();
    if (S_ISLNK(named.st_mode))
        return setAside(path, "it is a symbolic link, not a copy");
    if (auto reason = notRegularReason(named.st_mode); !reason.empty())
        return setAside(path, reason);
    if (static_cast<std::uint64_t>(named.st_size) > kLargestCopy)
        return setAside(path, "it holds more than any save keeps (16 MB)");
    FileDescriptor file(
        ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    int error = file.isOpen() ? 0 : errno;
    if (error == ENOENT)
        return {};
    if (file.isOpen()) {
        int locked;
        do
            locked = ::flock(file.get(), lockKind | LOCK_NB);
        while (locked != 0 && errno == EINTR);
        error = locked == 0 ? 0 : errno;
        if (error == EWOULDBLOCK)
            return Entry{EntryState::Held};
    }
    // Dropped by its save between the look and the lock: the name leads elsewhere or nowhere.
    struct stat opened {};
    if (file.isOpen() && (::fstat(file.get(), &opened) != 0 || opened.st_nlink == 0 ||
                          ::lstat(path.c_str(), &named) != 0 || !sameInode(opened, named)))
        return {};
    const std::string moveOut = "move it out of " + folder + " to edit the file again";
    if (named.st_uid != ::geteuid())
        return Entry{EntryState::Unusable, "it belongs to another user; " + moveOut};
    if ((named.st_mode & 022) != 0)
        return Entry{EntryState::Unusable,
                     "others may write to it (mode " + modeText(named.st_mode) +
                         "); if it holds the file's old content, \"chmod 600 " + path +
                         "\" lets recover put it back, else " + moveOut};
    if (error != 0)
        return Entry{EntryState::Unusable,
                     std::string("it cannot be read: ") + std::strerror(error) + "; " + moveOut};
    Entry entry(EntryState::Usable);
    entry.lock = std::move(file);
    return entry;
}

// The entry found for target: a copy held by a save, one left behind (put
// in lock when lockKind is LOCK_EX), or none. Entries set aside on the way are
// noted in setAsideNote.
struct FoundEntry {
    std::optional<std::string> path;
    Entry entry;
};

FoundEntry findEntry(const std::string& folder, const std::string& target,
                     const std::optional<FileIdentity>& identity, int lockKind,
                     std::optional<LeftoverCopy>& setAsideNote) {
    // Bounded: each round either decides or saw an entry go away.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const auto path = findCopy(folder, target, identity);
        if (!path)
            return {};
        Entry entry = examineEntry(*path, lockKind);
        if (entry.state == EntryState::SetAside) {
            setAsideNote = LeftoverCopy{*path, entry.unusable, entry.setAsideAs};
            continue;
        }
        if (entry.state != EntryState::Gone)
            return {path, std::move(entry)};
    }
    return {};
}

} // namespace

RecoveryFolder recoveryFolder(bool create) {
    fs::path base;
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    if (state != nullptr && *state == '/')
        base = state;
    else if (home != nullptr && *home == '/')
        base = fs::path(home) / ".local" / "state";
    else
        return {{},
                "there is no state folder for recovery copies: neither XDG_STATE_HOME nor HOME "
                "names one"};
    const fs::path own = base / "vantrel";
    const fs::path folder = own / "recovery";
    struct stat existing {};
    if (!create && ::lstat(folder.c_str(), &existing) != 0 && errno == ENOENT)
        return {folder.string(), {}, true};
    RecoveryFolder result{folder.string(), makeFolders(folder)};
    if (!result.refusal.empty())
        return result;
    for (const fs::path& checked : {own, folder}) {
        struct stat info {};
        if (::lstat(checked.c_str(), &info) != 0)
            result.refusal = "the folder " + checked.string() + ": " + std::strerror(errno);
        else if (!S_ISDIR(info.st_mode))
            result.refusal = checked.string() + " is not a folder";
        else
            result.refusal = ownershipRefusal(checked.string(), info, "the folder");
        if (!result.refusal.empty())
            return result;
    }
    return result;
}

KeptCopy keepRecoveryCopy(const std::string& target, const FileIdentity& old,
                          const std::vector<std::uint8_t>& bytes) {
    const RecoveryFolder folder = recoveryFolder();
    if (!folder.refusal.empty())
        return {{}, "no recovery copy can be kept: " + folder.refusal};
    std::optional<LeftoverCopy> setAsideNote;
    const FoundEntry existing = findEntry(folder.path, target, old, LOCK_SH, setAsideNote);
    switch (existing.entry.state) {
    case EntryState::Held:
        return {{},
                "another save of this file is under way and holds its recovery copy " +
                    *existing.path + "; try again once it has finished"};
    case EntryState::Usable:
        return {{},
                "an earlier save was interrupted and its recovery copy " + *existing.path +
                    " has not been restored or removed"};
    case EntryState::Unusable:
        return {{},
                "the recovery folder holds " + *existing.path +
                    " for this file, which recover will not put back: " + existing.entry.unusable};
    case EntryState::Gone:
    case EntryState::SetAside:
        break;
    }
    removeAbandonedFiles(folder.path,
                         [](const std::string& name) { return name.ends_with(kPartialSuffix); });
    const std::string path = (fs::path(folder.path) / copyName(target, old)).string();
    const std::string partial = path + kPartialSuffix;
    FileDescriptor file = createClaimedFile(partial, 0600);
    const auto failed = [&](int error) {
        return KeptCopy{
            {}, "no recovery copy could be kept in " + folder.path + ": " + std::strerror(error)};
    };
    if (!file.isOpen())
        return failed(errno);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(file.get(), bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::unlink(partial.c_str());
            return failed(error);
        }
        written += static_cast<std::size_t>(n);
    }
    reachSaveStep(SaveStep::RecoveryWritten);
    // On disk before it is named: a named copy is whole.
    if (::fsync(file.get()) != 0 || ::link(partial.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(partial.c_str());
        return failed(error);
    }
    ::unlink(partial.c_str());
    const FileDescriptor dir(::open(folder.path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.isOpen())
        ::fsync(dir.get());
    // The lock taken on the half-made copy stays on it under its name.
    return {path, {}, std::move(file)};
}

void dropRecoveryCopy(const std::string& copy) {
    ::unlink(copy.c_str());
}

std::optional<LeftoverCopy> leftoverRecoveryCopy(const std::string& path) {
    if (path.empty())
        return std::nullopt;
    const RecoveryFolder folder = recoveryFolder(false);
    if (!folder.refusal.empty() || folder.missing)
        return std::nullopt;
    const SaveTarget target = resolveSaveTarget(path);
    std::optional<LeftoverCopy> setAsideNote;
    const FoundEntry found =
        findEntry(folder.path, target.path, identityOf(target.path), LOCK_SH, setAsideNote);
    if (found.entry.state == EntryState::Usable || found.entry.state == EntryState::Unusable)
        return LeftoverCopy{*found.path, found.entry.unusable, {}};
    return setAsideNote;
}

std::optional<Failure> restoreRecoveryCopy(const std::string& path, bool force) {
    const RecoveryFolder folder = recoveryFolder(false);
    if (!folder.refusal.empty())
        return Failure{folder.refusal};
    if (folder.missing)
        return Failure{"there is no recovery copy of it in " + folder.path};
    const SaveTarget target = resolveSaveTarget(path);
    if (!target.refusal.empty())
        return Failure{target.refusal};
    // A save that holds the file's lock finishes (and drops its copy) first.
    const FileLock lock(target.path);
    const auto current = identityOf(target.path);
    std::optional<LeftoverCopy> setAsideNote;
    const FoundEntry found = findEntry(folder.path, target.path, current, LOCK_EX, setAsideNote);
    const auto& copy = found.path;
    switch (found.entry.state) {
    case EntryState::Held:
        return Failure{"a save of it is under way and holds the recovery copy " + *copy +
                       "; it is left to that save"};
    case EntryState::Unusable:
        return Failure{"the recovery copy " + *copy + " is not put back: " + found.entry.unusable};
    case EntryState::Gone:
    case EntryState::SetAside:
        return Failure{"there is no recovery copy of it in " + folder.path +
                       (setAsideNote ? " (" + setAsideNote->path +
                                           " was no copy: " + setAsideNote->unusable +
                                           "; it is set aside as " + setAsideNote->setAsideAs + ")"
                                     : "")};
    case EntryState::Usable:
        break;
    }
    const RegularFileRead read = readRegularFile(*copy, kLargestCopy);
    if (!read.ok)
        return Failure{*copy + ": " + read.reason};
    if (read.overLimit)
        return Failure{*copy + ": too large to be a copy of a seem file"};

    const FileIdentity kept = parseCopyName(fs::path(*copy).filename().string())->identity;
    std::string differences;
    const auto differs = [&](const std::string& text) {
        differences += (differences.empty() ? "" : "; ") + text;
    };
    if (!current)
        differs("no file is there now");
    else if (current->device != kept.device || current->inode != kept.inode)
        differs("the file there now is not the one the copy was kept for");
    // An in-place save never changes a seem file's length, which is its type;
    // another file that took the name (and perhaps the inode number) does.
    else if (current->size != kept.size)
        differs("the file now holds " + std::to_string(current->size) +
                " bytes, the one the copy was kept for held " + std::to_string(kept.size));
    if (static_cast<std::int64_t>(read.bytes.size()) != kept.size)
        differs("the copy holds " + std::to_string(read.bytes.size()) + " bytes, the file held " +
                std::to_string(kept.size));
    if (read.bytes.size() > kMaxSeemFileSize)
        differs("the copy holds " + std::to_string(read.bytes.size()) +
                " bytes, more than a seem file");
    if (!differences.empty() && !force)
        return Failure{"the recovery copy " + *copy + " does not fit: " + differences +
                       " (--force puts it back anyway)"};
    const FileWrite written = restoreFromCopy(
        path, std::vector<std::uint8_t>(read.bytes.begin(), read.bytes.end()), *copy);
    if (!written.ok())
        return Failure{written.describe()};
    return std::nullopt;
}

} // namespace vantrel
