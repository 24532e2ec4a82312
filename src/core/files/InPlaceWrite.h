// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/SeemFile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vantrel {

// The system's words for an errno value.
[[nodiscard]] std::string systemReason(int error);

// The whole of data written at the start of fd; false with errno set.
[[nodiscard]] bool writeAllAt(int fd, const std::uint8_t* data, std::size_t size);

// A failed write that left the file as it was.
[[nodiscard]] FileWrite unchangedFile(std::string reason);

// Writes bytes over the file's own content, for where the folder will not take
// a temporary file or a rename, and for files with several names, which a
// rename would split apart. The old bytes go to a recovery copy first (or,
// with guard, a recovery copy being put back already holds them).
[[nodiscard]] FileWrite writeInPlace(const std::filesystem::path& target,
                                     const std::vector<std::uint8_t>& bytes,
                                     const std::string* guard);

} // namespace vantrel
