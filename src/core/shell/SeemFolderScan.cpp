// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/SeemFolderScan.h"

#include "core/document/BitHelpers.h"
#include "core/files/RegularFile.h"
#include "core/settings/SettingsStore.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, kSeemFolderItemCount> kTypes = {
    "function", "style", "outertext", "gprs", "volume", "color"};
constexpr std::array<std::string_view, kSeemFolderItemCount> kNames = {
    "mnuFunction", "mnuStyle", "mnuOuterText", "mnuGPRS", "mnuVolume", "mnuColor"};

std::optional<std::size_t> itemOfType(const std::string& type) {
    for (std::size_t i = 0; i < kTypes.size(); ++i) {
        if (kTypes[i] == type)
            return i;
    }
    return std::nullopt;
}

} // namespace

bool isSeemFolderCandidate(const std::string& name) {
    const std::string extension = toLowerAscii(fileExtension(name));
    return extension == "seem" || extension == "bin" || extension == "sch";
}

std::string_view seemFolderItemType(SeemFolderItem item) {
    return kTypes[static_cast<std::size_t>(item)];
}

std::string_view seemFolderItemName(SeemFolderItem item) {
    return kNames[static_cast<std::size_t>(item)];
}

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
        if (name.empty() || name.front() == '.')
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

SeemFolderItems matchSeemFolder(const std::string& folder, const std::vector<SeemFolderFile>& files,
                                std::vector<SeemTypeEntry>& catalog) {
    SeemFolderItems items;
    const std::string prefix = withTrailingSeparator(folder);
    for (const SeemFolderFile& file : files) {
        if (!isSeemFolderCandidate(file.name))
            continue;
        for (std::size_t i = 0; i < catalog.size(); ++i) {
            SeemTypeEntry& entry = catalog[i];
            if (entry.size < 0 || static_cast<std::uintmax_t>(entry.size) != file.size)
                continue;
            entry.matchedPath = prefix + file.name;
            if (const auto item = itemOfType(entry.type))
                items.catalogIndex[*item] = i;
        }
    }
    return items;
}

SeemFolderItems scanSeemFolder(const std::string& seemFolder, std::vector<SeemTypeEntry>& catalog) {
    if (seemFolder.empty())
        return {};
    return matchSeemFolder(seemFolder, listSeemFolder(seemFolder), catalog);
}

std::optional<std::string> seemFolderItemPath(const SeemFolderItems& items,
                                              const std::vector<SeemTypeEntry>& catalog,
                                              SeemFolderItem item) {
    const auto index = items.catalogIndex[static_cast<std::size_t>(item)];
    if (!index || *index >= catalog.size())
        return std::nullopt;
    return catalog[*index].matchedPath;
}

std::string withTrailingSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace vantrel
