// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// The old bytes of a file being overwritten in place, kept in the user's state
// folder until the new bytes are safely on disk, so that a crash half way
// through never leaves a file that is neither old nor new.

// $XDG_STATE_HOME/vantrel/recovery (or ~/.local/state/vantrel/recovery).
[[nodiscard]] std::string recoveryFolder();

// Where the copy for target lives; target is an absolute, resolved path.
[[nodiscard]] std::string recoveryCopyPath(const std::string& target);

// Writes and flushes the copy; returns why it could not. A copy left from an
// interrupted save is never replaced.
std::optional<std::string> keepRecoveryCopy(const std::string& target,
                                            const std::vector<std::uint8_t>& bytes);
void dropRecoveryCopy(const std::string& target);

// The path of a copy left behind for the file path names, if there is one.
[[nodiscard]] std::optional<std::string> leftoverRecoveryCopy(const std::string& path);

// Puts a leftover copy back over the file and drops it; returns why it could not.
std::optional<std::string> restoreRecoveryCopy(const std::string& path);

} // namespace vantrel
