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

// While one lives, the abandoned temporary files a killed save may have left
// are swept from each folder once, at its first save, not at every save: a
// batch of saves into a folder of thousands would list it once for each file.
// Each folder's renames are also flushed to the disk once, when it closes.
class SaveBatch {
  public:
    SaveBatch();
    ~SaveBatch();
    SaveBatch(const SaveBatch&) = delete;
    SaveBatch& operator=(const SaveBatch&) = delete;
};

} // namespace vantrel
