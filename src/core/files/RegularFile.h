// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <limits>
#include <string>

namespace vantrel {

// Owns a file descriptor and closes it on every way out.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();
    [[nodiscard]] int get() const { return m_fd; }
    [[nodiscard]] bool isOpen() const { return m_fd >= 0; }

  private:
    int m_fd;
};

struct RegularFileRead {
    bool ok = false;
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

// Why a path that stat() described by mode is not a regular file, or "" when it is.
[[nodiscard]] std::string notRegularReason(unsigned mode);

// The words for a failed open or stat: "the file does not exist", "too many
// levels of symbolic links", or the system's own.
[[nodiscard]] std::string openFailureReason(int error);

} // namespace vantrel
