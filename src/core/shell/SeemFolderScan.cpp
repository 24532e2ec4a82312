// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/SeemFolderScan.h"

#include "core/files/RegularFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <memory>

namespace vantrel {

std::vector<SeemFolderFile> listSeemFolder(const std::string& folder) {
    return listSeemFolderWithSkipped(folder).files;
}

SeemFolderListing listSeemFolderWithSkipped(const std::string& folder, ListedSizes sizes) {
    SeemFolderListing listing;
    // Each entry is looked at relative to the open folder: a backup holds
    // thousands, and a whole path walked for each is most of a listing's time.
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    listing.readable = dir != nullptr;
    if (!dir)
        return listing;
    const int folderFd = ::dirfd(dir.get());
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name.empty() || isHiddenFileName(name))
            continue;
        if (sizes == ListedSizes::NotWanted && entry->d_type == DT_REG) {
            listing.files.push_back({name, 0});
            continue;
        }
        // Follows symbolic links: a link to a seem file counts, a FIFO or a device never does.
        struct stat info {};
        if (::fstatat(folderFd, name.c_str(), &info, 0) != 0) {
            const int failure = errno;
            if (isSeemFolderCandidate(name))
                listing.skipped.push_back({name, failure == ENOENT
                                                     ? std::string("it is a link to nothing")
                                                     : openFailureReason(failure)});
            continue;
        }
        if (S_ISREG(info.st_mode))
            listing.files.push_back({name, static_cast<std::uintmax_t>(info.st_size)});
        else if (isSeemFolderCandidate(name))
            listing.skipped.push_back({name, notRegularReason(info.st_mode)});
    }
    return listing;
}

SeemFolderItems scanSeemFolder(const std::string& seemFolder, std::vector<SeemTypeEntry>& catalog) {
    if (seemFolder.empty())
        return {};
    return matchSeemFolder(seemFolder, listSeemFolder(seemFolder), catalog);
}

} // namespace vantrel
