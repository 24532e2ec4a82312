// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/RegularFile.h"

#include <sys/types.h>

#include <functional>
#include <string>

namespace vantrel {

// Files a save makes on the side (temporary files, recovery copies being
// written) carry a lock for as long as their writer has them open. One left
// by a writer that died is therefore recognisable at once: nobody holds it.

// Creates path, which must not exist yet (no link is followed), with mode
// and holds its lock. Not open (errno set) when it cannot be made.
[[nodiscard]] FileDescriptor createClaimedFile(const std::string& path, mode_t mode);

// Takes the lock of an already open file that nobody knows by name yet.
bool claimOpenFile(int fd);

// Removes the regular files in folder that belong to this user, whose names
// isOurs accepts and which no living writer holds.
void removeAbandonedFiles(const std::string& folder,
                          const std::function<bool(const std::string& name)>& isOurs);

} // namespace vantrel
