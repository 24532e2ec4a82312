// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vantrel {

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

// For replaceFile: whether the folder is to be swept now (always, but once a batch).
[[nodiscard]] bool sweepDueInBatch(const std::string& folder);

// For replaceFile: the folder's entries flushed to the disk now, or when the
// open batch closes.
void syncFolderNowOrAtBatchEnd(const std::string& folder);

} // namespace vantrel
