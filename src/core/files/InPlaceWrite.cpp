// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a file over its own content, its old bytes kept aside until the new
// ones are on the disk.
#include "core/files/InPlaceWrite.h"

#include "core/files/RecoveryCopy.h"
#include "core/files/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

// A file this large is not copied aside to be written back after a failed
// in-place write; it is refused instead.
constexpr off_t kMaxInPlaceBackup = 16 * 1024 * 1024;

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

} // namespace

std::string systemReason(int error) {
    return std::strerror(error);
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

FileWrite unchangedFile(std::string reason) {
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
        return unchangedFile(openFailureReason(errno));
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return unchangedFile(systemReason(errno));
    if (auto reason = notRegularReason(info.st_mode); !reason.empty())
        return unchangedFile(reason);
    if (info.st_size > kMaxInPlaceBackup)
        return unchangedFile(
            "the folder allows no safe replacement and the file is too large to write in place");
    std::vector<std::uint8_t> old;
    std::string copy;
    // Held until the copy is dropped or, the write having failed, left for recover.
    FileDescriptor copyHolder(-1);
    if (guard != nullptr) {
        copy = *guard;
    } else {
        if (!readAllAt(file.get(), old))
            return unchangedFile("its old content cannot be read: " + systemReason(errno));
        KeptCopy kept = keepRecoveryCopy(target.string(), identityOfStat(info), old);
        if (!kept.failure.empty())
            return unchangedFile(kept.failure);
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

} // namespace vantrel
