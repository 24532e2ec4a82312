// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

inline constexpr std::size_t kMaxSeemFileSize = 5000;

struct SeemFileRead {
    enum class Status { Ok, TooLarge, Empty, Failed };
    Status status = Status::Failed;
    std::vector<std::uint8_t> bytes;
    std::string reason; // why the read failed, in words
};

// Reads a whole seem file, refusing files over kMaxSeemFileSize bytes and
// empty ones before anything else is done with them.
[[nodiscard]] SeemFileRead readSeemFile(const std::string& path);

// The length of the seem file at path from one look at its inode, without
// opening it: what matching a type needs. Status Ok with bytes left empty, or
// the refusal reading the file would give (not a regular file, too large,
// empty, missing).
struct SeemFileSize {
    SeemFileRead::Status status = SeemFileRead::Status::Failed;
    std::size_t length = 0;
    std::string reason;
};
[[nodiscard]] SeemFileSize probeSeemFileSize(const std::string& path);

// Replaces the file at path by bytes, all or nothing: the bytes go to a
// temporary file beside it that is renamed over the old one only when
// complete. Returns why it failed; the old file is then untouched.
std::optional<std::string> writeFileAtomically(const std::string& path,
                                               const std::vector<std::uint8_t>& bytes);

} // namespace vantrel
