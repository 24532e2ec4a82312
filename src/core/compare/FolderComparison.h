// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/compare/SeemComparison.h"

#include <functional>
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

} // namespace vantrel
