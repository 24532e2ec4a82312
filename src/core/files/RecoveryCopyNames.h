// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/RegularFile.h"

#include <optional>
#include <string>

namespace vantrel {

// A recovery copy is named for the path it was kept for and the identity
// (device, inode, size, time) the file had then, so recover can tell whether
// the file there now is still that one.
[[nodiscard]] std::string copyName(const std::string& target, const FileIdentity& identity);

struct CopyName {
    std::string prefix;
    FileIdentity identity;
};

[[nodiscard]] std::optional<CopyName> parseCopyName(const std::string& name);

// The copy kept for target by its path, else one kept for the same file
// (device and inode) under another of its names.
[[nodiscard]] std::optional<std::string> findCopy(const std::string& folder,
                                                  const std::string& target,
                                                  const std::optional<FileIdentity>& current);

} // namespace vantrel
