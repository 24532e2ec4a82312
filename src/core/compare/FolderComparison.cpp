// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/compare/FolderComparison.h"

#include "core/Failure.h"
#include "core/definitions/SeemTypeCatalog.h"
#include "core/settings/SettingsStore.h"
#include "core/shell/SeemFolderScan.h"

#include <algorithm>

namespace vantrel {

namespace {

struct NamedFile {
    std::string key; // the name in lower case
    std::string name;
    std::optional<Failure> skipped; // why an entry that is no file is left unread, as told
};

std::optional<std::vector<NamedFile>> seemFiles(const SeemFolderSource& folder) {
    std::optional<SeemFolderListing> listing = folder.listing();
    if (!listing)
        return std::nullopt;
    std::vector<NamedFile> files;
    for (const SeemFolderFile& file : listing->files) {
        if (isSeemFolderCandidate(file.name))
            files.push_back({toLowerAscii(file.name), file.name, std::nullopt});
    }
    for (const SkippedEntry& entry : listing->skipped)
        files.push_back({toLowerAscii(entry.name), entry.name, Failure{entry.report()}});
    std::sort(files.begin(), files.end(), [](const NamedFile& a, const NamedFile& b) {
        return a.key != b.key ? a.key < b.key : a.name < b.name;
    });
    return files;
}

// Takes the file at index out of the comparison when it is no file to read.
bool skip(const std::string& prefix, const std::vector<NamedFile>& files, std::size_t& index,
          FolderComparisonVisitor& visitor) {
    if (!files[index].skipped)
        return false;
    visitor.skipped(prefix + files[index].name, files[index].skipped->message);
    ++index;
    return true;
}

std::optional<std::vector<std::uint8_t>> readSide(const SeemFolderSource& folder,
                                                  const std::string& name,
                                                  FolderComparisonVisitor& visitor) {
    SeemFileRead read = folder.read(name);
    const std::string path = withTrailingSeparator(folder.folder()) + name;
    switch (read.status) {
    case SeemFileRead::Status::Ok:
        return std::move(read.bytes);
    case SeemFileRead::Status::Empty:
        // As opening it alone says: no seem file is empty.
        visitor.unreadable(path, "the file is empty");
        return std::nullopt;
    case SeemFileRead::Status::TooLarge:
        visitor.unreadable(path, "larger than 5000 bytes, not a seem file");
        return std::nullopt;
    case SeemFileRead::Status::Failed:
        break;
    }
    visitor.unreadable(path, read.reason);
    return std::nullopt;
}

void comparePair(const SeemFolderSource& oursFolder, const SeemFolderSource& theirsFolder,
                 const NamedFile& ours, const NamedFile& theirs, const XmlElement& root,
                 const UiStrings& strings, FolderComparisonVisitor& visitor) {
    const auto oursBytes = readSide(oursFolder, ours.name, visitor);
    const auto theirsBytes = readSide(theirsFolder, theirs.name, visitor);
    if (!oursBytes || !theirsBytes)
        return;
    // Most files of two backups are the same: those never reach the editors.
    if (*oursBytes == *theirsBytes) {
        visitor.same(ours.name);
        return;
    }
    ByteGrid oursGrid;
    ByteGrid theirsGrid;
    oursGrid.load(*oursBytes);
    theirsGrid.load(*theirsBytes);
    const XmlElement oursType = findSeemType(root, oursBytes->size());
    const XmlElement theirsType = findSeemType(root, theirsBytes->size());
    const ComparedFile oursFile{oursType, toLowerAscii(oursType.attribute("type").value_or("")),
                                oursGrid};
    const ComparedFile theirsFile{
        theirsType, toLowerAscii(theirsType.attribute("type").value_or("")), theirsGrid};
    const SeemComparison comparison = compareSeemFiles(oursFile, theirsFile, strings);
    visitor.changed({ours.name, theirs.name, oursFile, theirsFile, comparison});
}

// Names that differ only in case: a file pairs with its exact name first, the
// rest in order, and what is left is in one folder only.
void comparePairs(const SeemFolderSource& oursFolder, const SeemFolderSource& theirsFolder,
                  std::vector<NamedFile> ours, std::vector<NamedFile> theirs,
                  const XmlElement& root, const UiStrings& strings,
                  FolderComparisonVisitor& visitor) {
    for (auto own = ours.begin(); own != ours.end();) {
        const auto exact = std::find_if(theirs.begin(), theirs.end(), [&](const NamedFile& other) {
            return other.name == own->name;
        });
        if (exact == theirs.end()) {
            ++own;
            continue;
        }
        comparePair(oursFolder, theirsFolder, *own, *exact, root, strings, visitor);
        theirs.erase(exact);
        own = ours.erase(own);
    }
    const std::size_t paired = std::min(ours.size(), theirs.size());
    for (std::size_t k = 0; k < paired; ++k)
        comparePair(oursFolder, theirsFolder, ours[k], theirs[k], root, strings, visitor);
    for (std::size_t k = paired; k < ours.size(); ++k)
        visitor.onlyIn(FolderSide::Ours, ours[k].name);
    for (std::size_t k = paired; k < theirs.size(); ++k)
        visitor.onlyIn(FolderSide::Theirs, theirs[k].name);
}

class Collector : public FolderComparisonVisitor {
  public:
    explicit Collector(FolderComparisonResult& result) : m_result(result) {}
    void onlyIn(FolderSide side, const std::string& name) override {
        (side == FolderSide::Ours ? m_result.onlyInOurs : m_result.onlyInTheirs).push_back(name);
    }
    void changed(const ChangedPair& pair) override {
        m_result.changed.push_back({pair.oursName, pair.theirsName, pair.comparison});
    }
    void same(const std::string&) override { ++m_result.same; }
    void unreadable(const std::string& path, const std::string& reason) override {
        m_result.unreadable.push_back(path + ": " + reason);
    }
    void skipped(const std::string& path, const std::string& reason) override {
        m_result.skipped.push_back(path + ": " + reason);
    }

  private:
    FolderComparisonResult& m_result;
};

} // namespace

MemorySeemFolder::MemorySeemFolder(std::string folder, std::vector<SeemFolderEntry> files)
    : m_folder(std::move(folder)), m_files(std::move(files)) {}

std::optional<SeemFolderListing> MemorySeemFolder::listing() const {
    SeemFolderListing listing;
    listing.readable = true;
    for (const SeemFolderEntry& file : m_files) {
        if (!isHiddenFileName(file.name))
            listing.files.push_back({file.name, file.bytes.size()});
    }
    return listing;
}

SeemFileRead MemorySeemFolder::read(const std::string& name) const {
    SeemFileRead read;
    const auto file =
        std::find_if(m_files.begin(), m_files.end(),
                     [&](const SeemFolderEntry& entry) { return entry.name == name; });
    if (file == m_files.end()) {
        read.reason = "no such file";
    } else if (file->bytes.size() > kMaxSeemFileSize) {
        read.status = SeemFileRead::Status::TooLarge;
    } else if (file->bytes.empty()) {
        read.status = SeemFileRead::Status::Empty;
    } else {
        read.status = SeemFileRead::Status::Ok;
        read.bytes = file->bytes;
    }
    return read;
}

std::optional<FolderFailure> compareSeemFolders(const SeemFolderSource& oursFolder,
                                                const SeemFolderSource& theirsFolder,
                                                const XmlElement& definitionsRoot,
                                                const UiStrings& strings,
                                                FolderComparisonVisitor& visitor) {
    const auto ours = seemFiles(oursFolder);
    if (!ours)
        return FolderFailure{oursFolder.folder(), "not a folder that can be read"};
    const auto theirs = seemFiles(theirsFolder);
    if (!theirs)
        return FolderFailure{theirsFolder.folder(), "not a folder that can be read"};
    const std::string oursPrefix = withTrailingSeparator(oursFolder.folder());
    const std::string theirsPrefix = withTrailingSeparator(theirsFolder.folder());
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < ours->size() || j < theirs->size()) {
        const bool oursFirst =
            j == theirs->size() || (i < ours->size() && (*ours)[i].key <= (*theirs)[j].key);
        const bool theirsFirst =
            i == ours->size() || (j < theirs->size() && (*theirs)[j].key <= (*ours)[i].key);
        if ((oursFirst && skip(oursPrefix, *ours, i, visitor)) ||
            (theirsFirst && skip(theirsPrefix, *theirs, j, visitor)))
            continue;
        if (!theirsFirst) {
            visitor.onlyIn(FolderSide::Ours, (*ours)[i++].name);
        } else if (!oursFirst) {
            visitor.onlyIn(FolderSide::Theirs, (*theirs)[j++].name);
        } else {
            const std::string key = (*ours)[i].key;
            std::vector<NamedFile> oursRun;
            std::vector<NamedFile> theirsRun;
            while (i < ours->size() && (*ours)[i].key == key) {
                if (!skip(oursPrefix, *ours, i, visitor))
                    oursRun.push_back((*ours)[i++]);
            }
            while (j < theirs->size() && (*theirs)[j].key == key) {
                if (!skip(theirsPrefix, *theirs, j, visitor))
                    theirsRun.push_back((*theirs)[j++]);
            }
            comparePairs(oursFolder, theirsFolder, std::move(oursRun), std::move(theirsRun),
                         definitionsRoot, strings, visitor);
        }
    }
    return std::nullopt;
}

std::optional<FolderFailure> compareSeemFolders(const SeemFolderSource& oursFolder,
                                                const SeemFolderSource& theirsFolder,
                                                const XmlElement& definitionsRoot,
                                                const UiStrings& strings,
                                                FolderComparisonResult& result) {
    Collector collector(result);
    return compareSeemFolders(oursFolder, theirsFolder, definitionsRoot, strings, collector);
}

} // namespace vantrel
