// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/RecoveryCopy.h"

#include "core/files/RegularFile.h"
#include "core/files/SeemFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

// A folder of one program's copies: a plain hash of the path keeps names of
// equal files in different folders apart.
std::uint64_t pathHash(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
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

std::string recoveryFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    fs::path base;
    if (state != nullptr && *state == '/')
        base = state;
    else {
        const char* home = std::getenv("HOME");
        base = fs::path(home != nullptr && *home != '\0' ? home : "/tmp") / ".local" / "state";
    }
    return (base / "vantrel" / "recovery").string();
}

std::string recoveryCopyPath(const std::string& target) {
    // The name stays well under 255 bytes whatever the target's name is.
    const std::string name = fs::path(target).filename().string().substr(0, 100);
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(pathHash(target)));
    return (fs::path(recoveryFolder()) / (name + "." + hash)).string();
}

std::optional<std::string> keepRecoveryCopy(const std::string& target,
                                            const std::vector<std::uint8_t>& bytes) {
    std::error_code ignored; // a folder that cannot be made fails the open below
    fs::create_directories(recoveryFolder(), ignored);
    const std::string path = recoveryCopyPath(target);
    // A copy left by an interrupted save holds the only whole old content:
    // the link that names the new copy refuses to replace it.
    const std::string partial = path + ".partial";
    const FileDescriptor file(
        ::open(partial.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600));
    const bool written = file.isOpen() && writeAll(file.get(), bytes) && ::fsync(file.get()) == 0;
    const int error = errno;
    const bool named = written && ::link(partial.c_str(), path.c_str()) == 0;
    const int linkError = errno;
    ::unlink(partial.c_str());
    if (!written)
        return "no recovery copy could be kept in " + recoveryFolder() + ": " +
               std::strerror(error);
    if (!named && linkError == EEXIST)
        return "an earlier save was interrupted and its recovery copy " + path +
               " has not been restored or removed";
    if (!named)
        return "no recovery copy could be kept in " + recoveryFolder() + ": " +
               std::strerror(linkError);
    const FileDescriptor folder(
        ::open(recoveryFolder().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.isOpen())
        ::fsync(folder.get());
    return std::nullopt;
}

void dropRecoveryCopy(const std::string& target) {
    ::unlink(recoveryCopyPath(target).c_str());
}

std::optional<std::string> leftoverRecoveryCopy(const std::string& path) {
    const std::string copy = recoveryCopyPath(resolveSaveTarget(path).path);
    struct stat info {};
    if (::lstat(copy.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return copy;
}

std::optional<std::string> restoreRecoveryCopy(const std::string& path) {
    const auto copy = leftoverRecoveryCopy(path);
    if (!copy)
        return "there is no recovery copy of it in " + recoveryFolder();
    const RegularFileRead read = readRegularFile(*copy);
    if (!read.ok)
        return *copy + ": " + read.reason;
    // Set aside, so that the in-place write's own copy of the current content
    // cannot take its place.
    const std::string setAside = *copy + ".restoring";
    if (::rename(copy->c_str(), setAside.c_str()) != 0)
        return *copy + ": " + std::strerror(errno);
    const FileWrite written =
        replaceFile(path, std::vector<std::uint8_t>(read.bytes.begin(), read.bytes.end()));
    if (!written.ok()) {
        ::rename(setAside.c_str(), copy->c_str());
        return written.describe();
    }
    ::unlink(setAside.c_str());
    return std::nullopt;
}

} // namespace vantrel
