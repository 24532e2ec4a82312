// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/SeemFolderScan.h"

#include <filesystem>

namespace vantrel {

namespace fs = std::filesystem;

std::vector<SeemFolderFile> listSeemFolder(const std::string& folder) {
    std::vector<SeemFolderFile> files;
    std::error_code error;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code entryError;
        // Follows symbolic links: a link to a seem file counts, a FIFO or a device never does.
        if (name.empty() || isHiddenFileName(name) || !it->is_regular_file(entryError))
            continue;
        const std::uintmax_t size = it->file_size(entryError);
        if (!entryError)
            files.push_back({name, size});
    }
    return files;
}

SeemFolderItems scanSeemFolder(const std::string& seemFolder, std::vector<SeemTypeEntry>& catalog) {
    if (seemFolder.empty())
        return {};
    return matchSeemFolder(seemFolder, listSeemFolder(seemFolder), catalog);
}

} // namespace vantrel
