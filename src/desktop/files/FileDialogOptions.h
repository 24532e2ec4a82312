// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace vantrel {

// What a file dialog is asked for besides a name, as bits a caller combines:
// FileDialogOption::MustExist | FileDialogOption::HideReadOnly.
enum class FileDialogOption : std::uint8_t {
    None = 0,
    ConfirmOverwrite = 1 << 0, // Save: ask before replacing a file
    HideReadOnly = 1 << 1,     // no read-only check box
    MustExist = 1 << 2,        // Open: only existing files
};

[[nodiscard]] constexpr FileDialogOption operator|(FileDialogOption first,
                                                   FileDialogOption second) {
    return static_cast<FileDialogOption>(static_cast<std::uint8_t>(first) |
                                         static_cast<std::uint8_t>(second));
}

// Every bit of wanted is among options.
[[nodiscard]] constexpr bool hasOption(FileDialogOption options, FileDialogOption wanted) {
    return (static_cast<std::uint8_t>(options) & static_cast<std::uint8_t>(wanted)) ==
           static_cast<std::uint8_t>(wanted);
}

static_assert(hasOption(FileDialogOption::MustExist | FileDialogOption::HideReadOnly,
                        FileDialogOption::MustExist));
static_assert(!hasOption(FileDialogOption::HideReadOnly, FileDialogOption::ConfirmOverwrite));

} // namespace vantrel
