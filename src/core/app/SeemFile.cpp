#include "core/app/SeemFile.h"

#include "core/app/RegularFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

std::string systemReason(int error) {
    return std::strerror(error);
}

SeemFileRead failed(std::string reason) {
    SeemFileRead result;
    result.status = SeemFileRead::Status::Failed;
    result.reason = std::move(reason);
    return result;
}

// Read-only marks are honoured even for users (root) whom the system would let through.
std::optional<std::string> refuseReadOnly(const fs::path& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            return "it is a folder";
        if ((info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
            return "the file is read-only";
    }
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    if (::stat(folder.c_str(), &info) != 0)
        return "the folder " + folder.string() + " does not exist";
    if (!S_ISDIR(info.st_mode))
        return folder.string() + " is not a folder";
    if ((info.st_mode & 0222) == 0 || ::access(folder.c_str(), W_OK) != 0)
        return "the folder " + folder.string() + " is read-only";
    return std::nullopt;
}

mode_t modeForNewFile(const fs::path& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0)
        return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
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

std::optional<std::string> writeFileAtomically(const std::string& path,
                                               const std::vector<std::uint8_t>& bytes) {
    std::error_code error;
    fs::path target = fs::weakly_canonical(fs::absolute(path), error);
    if (error)
        target = fs::absolute(path);
    if (auto refusal = refuseReadOnly(target))
        return refusal;

    std::string tempName = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX"));
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0)
        return systemReason(errno);
    const mode_t mode = modeForNewFile(target);
    const bool ok = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !ok) {
        ::unlink(tempName.c_str());
        return systemReason(ok ? errno : writeError);
    }
    if (::rename(tempName.c_str(), target.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(tempName.c_str());
        return systemReason(renameError);
    }
    return std::nullopt;
}

} // namespace vantrel
