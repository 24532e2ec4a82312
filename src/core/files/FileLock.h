// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace vantrel {

// An advisory lock (flock) on the file a path names, held for a whole
// read-modify-write so that cooperating processes take their turns. A save
// replaces the file by a new one, so the lock is taken again until it is on
// the file the path names once it is held.
//
// A lock on a file this process already holds (an edit's lock around the
// document's own save) is the same lock: it neither waits for itself nor
// lets go early.
class FileLock {
  public:
    // Waits for the lock. A path that names no regular file gets no lock; the
    // open that follows reports why.
    explicit FileLock(const std::string& path);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();
    [[nodiscard]] bool isLocked() const { return m_fd >= 0 || m_nested; }
    // This process holds the lock of the file the path names.
    [[nodiscard]] static bool isHeldHere(const std::string& path);

  private:
    int m_fd = -1;
    bool m_nested = false;
    std::pair<std::uint64_t, std::uint64_t> m_file{};
};

} // namespace vantrel
