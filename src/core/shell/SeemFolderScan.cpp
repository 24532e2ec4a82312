// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/SeemFolderScan.h"

#include "core/files/RegularFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

namespace vantrel {

namespace fs = std::filesystem;

std::vector<SeemFolderFile> listSeemFolder(const std::string& folder) {
    return listSeemFolderWithSkipped(folder).files;
}

SeemFolderListing listSeemFolderWithSkipped(const std::string& folder) {
    SeemFolderListing listing;
    std::error_code error;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    listing.readable = !error;
    const std::string prefix = withTrailingSeparator(folder);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || isHiddenFileName(name))
            continue;
        // Follows symbolic links: a link to a seem file counts, a FIFO or a device never does.
        struct stat info {};
        if (::stat((prefix + name).c_str(), &info) != 0) {
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
