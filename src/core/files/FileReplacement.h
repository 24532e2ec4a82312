// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/SeemFile.h"

#include <string>
#include <vector>

namespace vantrel {

// replaceFile for putting a recovery copy back: the copy itself guards an
// in-place write, and it is dropped once the file holds its bytes.
[[nodiscard]] FileWrite restoreFromCopy(const std::string& path,
                                        const std::vector<std::uint8_t>& bytes,
                                        const std::string& copy);

} // namespace vantrel
