// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/SeemFile.h"

#include "core/files/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

SeemFileRead failed(std::string reason) {
    SeemFileRead result;
    result.status = SeemFileRead::Status::Failed;
    result.reason = std::move(reason);
    return result;
}

SeemFileRead seemFileOf(const RegularFileRead& read) {
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
        result.identity = read.identity;
    }
    return result;
}

} // namespace

SeemFileRead readSeemFile(const std::string& path) {
    return seemFileOf(readRegularFile(path, kMaxSeemFileSize));
}

SeemFileRead readListedSeemFile(int folder, const std::string& name) {
    return seemFileOf(readListedRegularFile(folder, name, kMaxSeemFileSize));
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

SaveTarget resolveSaveTarget(const std::string& path) {
    if (path.empty())
        return {{}, "the file name is empty"};
    std::error_code error;
    fs::path current = fs::absolute(path, error);
    if (error)
        return {path, error.message()};
    for (int links = 0; links < 40; ++links) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno != ENOENT)
                return {current.string(), openFailureReason(errno)};
            const fs::path resolved = fs::weakly_canonical(current, error);
            return {error ? current.string() : resolved.string(), {}};
        }
        if (!S_ISLNK(info.st_mode)) {
            const fs::path resolved = fs::canonical(current, error);
            return {error ? current.string() : resolved.string(), {}};
        }
        const fs::path link = fs::read_symlink(current, error);
        if (error)
            return {current.string(), error.message()};
        current = (current.parent_path() / link).lexically_normal();
    }
    return {current.string(), openFailureReason(ELOOP)};
}

std::string FileWrite::describe() const {
    switch (outcome) {
    case Outcome::Written:
        return {};
    case Outcome::Unchanged:
        return reason;
    case Outcome::Restored:
        return reason + "; the old content was restored";
    case Outcome::NotRestored:
        break;
    }
    return reason + "; the old content could not be restored, a copy of it is kept in " +
           recoveryPath;
}

std::optional<Failure> writeFileAtomically(const std::string& path,
                                           const std::vector<std::uint8_t>& bytes) {
    const FileWrite written = replaceFile(path, bytes);
    if (written.ok())
        return std::nullopt;
    return Failure{written.describe()};
}

} // namespace vantrel
