// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/compare/SeemComparison.h"
#include "core/files/SeemFile.h"
#include "core/shell/SeemFolderScan.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Two folders of seem files (two backups of one phone) compared file by file:
// files are paired by name, ignoring case, among the ".seem", ".bin" and
// ".sch" files; each pair is compared setting by setting.
namespace vantrel {

enum class FolderSide { Ours, Theirs };

// One pair whose bytes differ. The files are valid only during the call that
// hands them over: at most two files are held at a time.
struct ChangedPair {
    std::string oursName;
    std::string theirsName;
    const ComparedFile& ours;
    const ComparedFile& theirs;
    const SeemComparison& comparison;
};

class FolderComparisonVisitor {
  public:
    virtual ~FolderComparisonVisitor() = default;
    virtual void onlyIn(FolderSide side, const std::string& name) = 0;
    virtual void changed(const ChangedPair& pair) = 0;
    virtual void same(const std::string& /*name*/) {}
    // A file that could not be read, with the reason.
    virtual void unreadable(const std::string& path, const std::string& reason) = 0;
    // An entry named as a seem file that is no file to read (a FIFO, a device,
    // a folder), left unopened; in name order among the rest.
    virtual void skipped(const std::string& path, const std::string& reason) = 0;
};

struct FolderFailure {
    std::string folder;
    std::string reason;
};

// A folder's files as the comparison reads them: from the disk
// (FolderComparisonFiles.cpp), or from memory where there is no file system to
// read (a web page's chosen folder).
class SeemFolderSource {
  public:
    virtual ~SeemFolderSource() = default;
    // The folder as messages name it.
    [[nodiscard]] virtual std::string folder() const = 0;
    // Its regular files that are not hidden, and the entries named as seem
    // files that are no files; nothing when it cannot be read.
    [[nodiscard]] virtual std::optional<SeemFolderListing> listing() const = 0;
    // A file's bytes, or the refusal readSeemFile would give.
    [[nodiscard]] virtual SeemFileRead read(const std::string& name) const = 0;
};

// Files handed over with their bytes; hidden names are left out.
struct SeemFolderEntry {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

class MemorySeemFolder : public SeemFolderSource {
  public:
    MemorySeemFolder(std::string folder, std::vector<SeemFolderEntry> files);
    [[nodiscard]] std::string folder() const override { return m_folder; }
    [[nodiscard]] std::optional<SeemFolderListing> listing() const override;
    [[nodiscard]] SeemFileRead read(const std::string& name) const override;

  private:
    std::string m_folder;
    std::vector<SeemFolderEntry> m_files;
};

// Visits the pairs in the order of their names, ignoring case. Types are
// matched in definitionsRoot. Returns a failure when a folder cannot be read.
[[nodiscard]] std::optional<FolderFailure> compareSeemFolders(const std::string& oursFolder,
                                                              const std::string& theirsFolder,
                                                              const XmlElement& definitionsRoot,
                                                              const UiStrings& strings,
                                                              FolderComparisonVisitor& visitor);

// The comparison of one folder pair kept whole, for the window's list.
struct FolderChange {
    std::string oursName;
    std::string theirsName;
    SeemComparison comparison;
};

struct FolderComparisonResult {
    std::vector<std::string> onlyInOurs;
    std::vector<std::string> onlyInTheirs;
    std::vector<FolderChange> changed;
    std::vector<std::string> unreadable; // "path: reason"
    std::vector<std::string> skipped;    // "path: reason"
    std::size_t same = 0;

    [[nodiscard]] bool equal() const {
        return onlyInOurs.empty() && onlyInTheirs.empty() && changed.empty() &&
               unreadable.empty() && skipped.empty();
    }
};

[[nodiscard]] std::optional<FolderFailure> compareSeemFolders(const std::string& oursFolder,
                                                              const std::string& theirsFolder,
                                                              const XmlElement& definitionsRoot,
                                                              const UiStrings& strings,
                                                              FolderComparisonResult& result);

// The same for folders that need not be on disk.
[[nodiscard]] std::optional<FolderFailure> compareSeemFolders(const SeemFolderSource& ours,
                                                              const SeemFolderSource& theirs,
                                                              const XmlElement& definitionsRoot,
                                                              const UiStrings& strings,
                                                              FolderComparisonVisitor& visitor);
[[nodiscard]] std::optional<FolderFailure> compareSeemFolders(const SeemFolderSource& ours,
                                                              const SeemFolderSource& theirs,
                                                              const XmlElement& definitionsRoot,
                                                              const UiStrings& strings,
                                                              FolderComparisonResult& result);

} // namespace vantrel
