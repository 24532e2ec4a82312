// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/SaveBatch.h"

#include "core/files/RegularFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <mutex>
#include <set>

namespace vantrel {

namespace {

// The folders swept while a batch of saves is open, and those whose renames
// are still to be flushed when it closes.
struct SweptFolders {
    std::mutex lock;
    int batches = 0;
    std::set<std::string> folders;
    std::set<std::string> unsynced;
};

SweptFolders& sweptFolders() {
    static SweptFolders swept;
    return swept;
}

// The rename itself lives in the folder; without this a power cut may undo it.
void syncFolder(const std::string& folder) {
    const FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.isOpen())
        ::fsync(dir.get());
}

} // namespace

SaveBatch::SaveBatch() {
    SweptFolders& swept = sweptFolders();
    const std::lock_guard guard(swept.lock);
    ++swept.batches;
}

SaveBatch::~SaveBatch() {
    std::set<std::string> unsynced;
    {
        SweptFolders& swept = sweptFolders();
        const std::lock_guard guard(swept.lock);
        if (--swept.batches != 0)
            return;
        swept.folders.clear();
        unsynced.swap(swept.unsynced);
    }
    for (const std::string& folder : unsynced)
        syncFolder(folder);
}

bool sweepDueInBatch(const std::string& folder) {
    SweptFolders& swept = sweptFolders();
    const std::lock_guard guard(swept.lock);
    return swept.batches == 0 || swept.folders.insert(folder).second;
}

// In a batch, the folder is flushed once when the batch closes rather than
// after each rename: each file is whole at every moment either way, and a
// power cut before then can only leave some files at their old bytes.
void syncFolderNowOrAtBatchEnd(const std::string& folder) {
    {
        SweptFolders& swept = sweptFolders();
        const std::lock_guard guard(swept.lock);
        if (swept.batches > 0) {
            swept.unsynced.insert(folder);
            return;
        }
    }
    syncFolder(folder);
}

} // namespace vantrel
