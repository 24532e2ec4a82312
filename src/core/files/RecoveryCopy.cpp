// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/RecoveryCopy.h"

#include "core/files/ClaimedFile.h"
#include "core/files/FileReplacement.h"
#include "core/files/SeemFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
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

// A plain hash of the path keeps copies of equal names in different folders apart.
std::uint64_t pathHash(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(value));
    return text;
}

// "<name>.<hash of the path>.", the start of every copy kept for that path.
std::string pathPrefix(const std::string& target) {
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(pathHash(target)));
    // The whole name stays well under 255 bytes whatever the target's name is.
    return fs::path(target).filename().string().substr(0, 100) + "." + hash + ".";
}

std::string copyName(const std::string& target, const FileIdentity& identity) {
    return pathPrefix(target) + hex(identity.device) + "-" + hex(identity.inode) + "-" +
           hex(static_cast<std::uint64_t>(identity.size)) + "-" +
           hex(static_cast<std::uint64_t>(identity.mtimeNs));
}

struct CopyName {
    std::string prefix;
    FileIdentity identity;
};

std::optional<CopyName> parseCopyName(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return std::nullopt;
    std::uint64_t fields[4] = {};
    const char* at = name.data() + dot + 1;
    const char* end = name.data() + name.size();
    for (int i = 0; i < 4; ++i) {
        const auto [next, error] = std::from_chars(at, end, fields[i], 16);
        if (error != std::errc() || (i < 3 && (next == end || *next != '-')) ||
            (i == 3 && next != end))
            return std::nullopt;
        at = next + 1;
    }
    return CopyName{name.substr(0, dot + 1),
                    {fields[0], fields[1], static_cast<std::int64_t>(fields[2]),
                     static_cast<std::int64_t>(fields[3])}};
}

// The copy kept for target by its path, else one kept for the same file
// (device and inode) under another of its names.
std::optional<std::string> findCopy(const std::string& folder, const std::string& target,
                                    const std::optional<FileIdentity>& current) {
    const std::string prefix = pathPrefix(target);
    std::optional<std::string> sameFile;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        const auto parsed = parseCopyName(name);
        if (!parsed)
            continue;
        if (parsed->prefix == prefix)
            return it->path().string();
        if (current && parsed->identity.device == current->device &&
            parsed->identity.inode == current->inode)
            sameFile = it->path().string();
    }
    return sameFile;
}

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
    if (const auto existing = findCopy(folder.path, target, old))
        return {{},
                "an earlier save was interrupted and its recovery copy " + *existing +
                    " has not been restored or removed"};
    removeAbandonedFiles(folder.path,
                         [](const std::string& name) { return name.ends_with(kPartialSuffix); });
    const std::string path = (fs::path(folder.path) / copyName(target, old)).string();
    const std::string partial = path + kPartialSuffix;
    const FileDescriptor file = createClaimedFile(partial, 0600);
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
    return {path, {}};
}

void dropRecoveryCopy(const std::string& copy) {
    ::unlink(copy.c_str());
}

std::optional<std::string> leftoverRecoveryCopy(const std::string& path) {
    if (path.empty())
        return std::nullopt;
    const RecoveryFolder folder = recoveryFolder(false);
    if (!folder.refusal.empty() || folder.missing)
        return std::nullopt;
    const SaveTarget target = resolveSaveTarget(path);
    return findCopy(folder.path, target.path, identityOf(target.path));
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
    const auto current = identityOf(target.path);
    const auto copy = findCopy(folder.path, target.path, current);
    if (!copy)
        return Failure{"there is no recovery copy of it in " + folder.path};
    struct stat info {};
    if (::lstat(copy->c_str(), &info) != 0)
        return Failure{*copy + ": " + std::strerror(errno)};
    if (auto reason = notRegularReason(info.st_mode); !reason.empty())
        return Failure{*copy + ": " + reason};
    if (auto refusal = ownershipRefusal(*copy, info, "the recovery copy"); !refusal.empty())
        return Failure{refusal};
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
