// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vantrel {

// An advisory lock (flock) on the file a path names, held for a whole
// read-modify-write so that cooperating processes take their turns. A save
// replaces the file by a new one, so the lock is taken again until it is on
// the file the path names once it is held.
class FileLock {
  public:
    // Waits for the lock. A path that names no regular file gets no lock; the
    // open that follows reports why.
    explicit FileLock(const std::string& path);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();
    [[nodiscard]] bool isLocked() const { return m_fd >= 0; }

  private:
    int m_fd = -1;
};

} // namespace vantrel
