// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/SeemFile.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

namespace vantrel {

// replaceFile for putting a recovery copy back: the copy itself guards an
// in-place write, and it is dropped once the file holds its bytes.
[[nodiscard]] FileWrite restoreFromCopy(const std::string& path,
                                        const std::vector<std::uint8_t>& bytes,
                                        const std::string& copy);

// A replaceFile split in two, so that a batch of files is flushed to the disk
// at once rather than file by file: the new bytes wait in an unnamed
// temporary file until putInPlace. Where that cannot be done (a file written
// in place, a file system without unnamed files) the whole replacement is
// done at once, and result() tells how it went.
class PreparedReplacement {
  public:
    PreparedReplacement();
    PreparedReplacement(PreparedReplacement&&) noexcept;
    PreparedReplacement& operator=(PreparedReplacement&&) noexcept;
    ~PreparedReplacement();

    // Still to be put in place.
    [[nodiscard]] bool pending() const { return m_pending != nullptr; }
    // The outcome, once not pending.
    [[nodiscard]] const FileWrite& result() const { return m_result; }

    struct Pending; // what putInPlace needs of it

  private:
    friend PreparedReplacement prepareReplacement(const std::string& path,
                                                  const std::vector<std::uint8_t>& bytes);
    friend void putInPlace(std::span<PreparedReplacement* const> batch);
    std::unique_ptr<Pending> m_pending;
    FileWrite m_result;
};

[[nodiscard]] PreparedReplacement prepareReplacement(const std::string& path,
                                                     const std::vector<std::uint8_t>& bytes);

// Flushes the pending replacements' bytes to the disk together, then gives
// each its file's name, in order. A process killed at any point leaves each
// file wholly old or wholly new, and never a temporary file behind.
void putInPlace(std::span<PreparedReplacement* const> batch);

} // namespace vantrel
