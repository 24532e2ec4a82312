// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace vantrel {

// Owns a file descriptor and closes it on every way out.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    ~FileDescriptor();
    [[nodiscard]] int get() const { return m_fd; }
    [[nodiscard]] bool isOpen() const { return m_fd >= 0; }

  private:
    int m_fd;
};

// Which file a path named when it was read, to tell later whether another
// program has replaced or rewritten it since.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t mtimeNs = 0;
    bool operator==(const FileIdentity&) const = default;
};

struct RegularFileRead {
    bool ok = false;
    FileIdentity identity;
    std::string bytes;
    bool overLimit = false; // the file holds more than the limit; bytes stops there
    std::string reason;     // why it could not be read, in words
};

// Reads a regular file whole, or its first limit bytes and whether more follow.
// Never blocks on a FIFO and never opens a device or socket: anything but a
// regular file is refused with a reason that says what it is.
[[nodiscard]] RegularFileRead
readRegularFile(const std::string& path,
                std::size_t limit = std::numeric_limits<std::size_t>::max());

// The same for a file a folder listing has just found regular: name is taken
// in the open folder, and not looked at again before it is opened.
[[nodiscard]] RegularFileRead readListedRegularFile(int folder, const std::string& name,
                                                    std::size_t limit);

// The identity of the file path names now (symbolic links followed); none
// when it cannot be looked at.
[[nodiscard]] std::optional<FileIdentity> identityOf(const std::string& path);

// The identity of the file an fstat() or stat() described.
[[nodiscard]] FileIdentity identityOfStat(const struct stat& info);

// Why a path that stat() described by mode is not a regular file, or "" when it is.
[[nodiscard]] std::string notRegularReason(unsigned mode);

// The words for a failed open or stat: "the file does not exist", "too many
// levels of symbolic links", or the system's own.
[[nodiscard]] std::string openFailureReason(int error);

} // namespace vantrel
