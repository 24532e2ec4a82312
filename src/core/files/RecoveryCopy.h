// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Failure.h"
#include "core/files/RegularFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// The old bytes of a file being overwritten in place, kept in the user's state
// folder until the new bytes are safely on disk, so that a crash half way
// through never leaves a file that is neither old nor new. Each copy's name
// carries the identity of the file it protects (device, inode, size,
// modification time), so that it is found through any of the file's names
// and never put back over a different file.

// $XDG_STATE_HOME/vantrel/recovery (or ~/.local/state/vantrel/recovery),
// created 0700 where missing; refusal says why it cannot be used: no state
// folder, or one that another user owns or may write to.
// Without create, a missing folder is no refusal: it holds no copies.
struct RecoveryFolder {
    std::string path;
    std::string refusal;
    bool missing = false;
};
[[nodiscard]] RecoveryFolder recoveryFolder(bool create = true);

// A copy is in use while the save that kept it holds it open with its lock
// (flock): only a copy nobody holds was left behind.
struct KeptCopy {
    std::string path;          // the copy, once kept
    std::string failure;       // why none could be kept
    FileDescriptor holder{-1}; // the copy, open and locked until the save is done with it
};

// Writes and flushes the copy of bytes, the content of target (an absolute,
// resolved path) whose identity is old. A copy of the same file, by any of
// its names, that another save holds or that an interrupted save left is
// never replaced: that is a failure, which says which.
[[nodiscard]] KeptCopy keepRecoveryCopy(const std::string& target, const FileIdentity& old,
                                        const std::vector<std::uint8_t>& bytes);
void dropRecoveryCopy(const std::string& copy);

// An entry of the recovery folder kept for a file that no save holds.
struct LeftoverCopy {
    std::string path;
    // Why recover will not put it back and what to do instead; "" when it will.
    std::string unusable;
    // Where the entry was moved, when it was set aside: an entry that is no
    // regular file or is larger than any copy holds nothing a save kept, so it
    // is moved out of the way (renamed within the folder) and blocks nothing.
    std::string setAsideAs;
    bool operator==(const LeftoverCopy&) const = default;
};

// The entry left behind for the file path names (by this path, or the file's
// identity under another name), if there is one. A copy a living save holds
// is none.
[[nodiscard]] std::optional<LeftoverCopy> leftoverRecoveryCopy(const std::string& path);

// Puts a leftover copy back over the file and drops it; returns why it could
// not. It waits for the file's lock, as an edit does, and leaves alone a copy
// that a save holds. An entry recover cannot use is named with why and what
// to do instead. A copy kept for another file than the one now at path
// (another device or inode, or another length: an in-place save keeps the
// length), or larger than a seem file, is refused with what differs unless
// force is set.
std::optional<Failure> restoreRecoveryCopy(const std::string& path, bool force = false);

} // namespace vantrel
