// SPDX-License-Identifier: GPL-3.0-or-later
// A folder's seem files read from the file system and searched.
#include "core/find/FolderSearch.h"

#include "core/files/SeemFile.h"
#include "core/shell/SeemFolderScan.h"

#include <fcntl.h>

namespace vantrel {

namespace {

std::string readFailure(const SeemFileRead& read) {
    switch (read.status) {
    case SeemFileRead::Status::TooLarge:
        return "larger than 5000 bytes, not a seem file";
    case SeemFileRead::Status::Empty:
        return "empty, not a seem file";
    default:
        return read.reason;
    }
}

} // namespace

bool readSeemFolder(const std::string& folder, const SeemFolderVisitor& visitor) {
    const SeemFolderListing listing = listSeemFolderWithSkipped(
        folder, visitor.wanted ? ListedSizes::Wanted : ListedSizes::NotWanted);
    const std::string prefix = withTrailingSeparator(folder);
    for (const SkippedEntry& entry : listing.skipped)
        visitor.failed(prefix + entry.name, entry.report(), true);
    // Each file is opened by its name in the folder: no walk down the folder's path each time.
    const FileDescriptor opened(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (const SeemFolderFile& file : listing.files) {
        if (!isSeemFolderCandidate(file.name) || (visitor.wanted && !visitor.wanted(file.size)))
            continue;
        const std::string path = prefix + file.name;
        const SeemFileRead read =
            opened.isOpen() ? readListedSeemFile(opened.get(), file.name) : readSeemFile(path);
        if (read.status == SeemFileRead::Status::Ok)
            visitor.file(file.name, path, read.bytes);
        else
            visitor.failed(path, readFailure(read), false);
    }
    return listing.readable;
}

FolderSearchResult findInSeemFolder(const std::string& folder, const XmlElement& definitionsRoot,
                                    std::string_view text) {
    FolderSearchResult result;
    SettingFinder finder(definitionsRoot, std::string(text));
    const SeemFolderVisitor visitor{
        [&finder](std::uintmax_t size) { return finder.mayMatchSize(size); },
        [&](const std::string& name, const std::string& path,
            const std::vector<std::uint8_t>& bytes) {
            auto matches = finder.find(bytes);
            if (!matches.empty())
                result.files.push_back({name, path, std::move(matches)});
        },
        [&](const std::string& path, const std::string& reason, bool skipped) {
            (skipped ? result.skipped : result.unreadable).push_back(path + ": " + reason);
        }};
    if (!text.empty())
        result.readable = readSeemFolder(folder, visitor);
    return result;
}

} // namespace vantrel
