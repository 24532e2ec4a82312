// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Failure.h"
#include "core/files/RegularFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

inline constexpr std::size_t kMaxSeemFileSize = 5000;

struct SeemFileRead {
    enum class Status { Ok, TooLarge, Empty, Failed };
    Status status = Status::Failed;
    std::vector<std::uint8_t> bytes;
    std::string reason;      // why the read failed, in words
    FileIdentity identity{}; // Ok: the file the bytes came from
};

// Reads a whole seem file, refusing files over kMaxSeemFileSize bytes and
// empty ones before anything else is done with them.
[[nodiscard]] SeemFileRead readSeemFile(const std::string& path);
// The same for a file a folder listing has just found regular, by its name in
// the open folder.
[[nodiscard]] SeemFileRead readListedSeemFile(int folder, const std::string& name);

// The length of the seem file at path from one look at its inode, without
// opening it: what matching a type needs. Status Ok with bytes left empty, or
// the refusal reading the file would give (not a regular file, too large,
// empty, missing).
struct SeemFileSize {
    SeemFileRead::Status status = SeemFileRead::Status::Failed;
    std::size_t length = 0;
    std::string reason;
};
[[nodiscard]] SeemFileSize probeSeemFileSize(const std::string& path);

// What a save would write to: symbolic links followed one at a time, so that
// a link to a file not yet there names that file. A link to a folder or a
// loop of links gives a refusal.
struct SaveTarget {
    std::string path; // absolute
    std::string refusal;
};
[[nodiscard]] SaveTarget resolveSaveTarget(const std::string& path);

// How a replacement of a file ended.
struct FileWrite {
    enum class Outcome {
        Written,    // the file holds the new bytes
        Unchanged,  // nothing was written; the file is as it was
        Restored,   // the in-place write failed and the old bytes were written back
        NotRestored // the in-place write failed half way; the old bytes are in recoveryPath
    };
    Outcome outcome = Outcome::Written;
    std::string reason;       // why it failed, in words
    std::string recoveryPath; // NotRestored: where the old bytes are kept
    [[nodiscard]] bool ok() const { return outcome == Outcome::Written; }
    // The reason followed by what became of the file.
    [[nodiscard]] std::string describe() const;
};

// Replaces the file at path by bytes, all or nothing: the bytes go to an
// unnamed temporary file in its folder that takes the file's name only when
// complete and flushed. Where the folder refuses that (or the file has other
// names a rename would split off) the file is written in place, its old bytes
// kept in a recovery copy until the new ones are on disk.
[[nodiscard]] FileWrite replaceFile(const std::string& path,
                                    const std::vector<std::uint8_t>& bytes);

// replaceFile, for callers that need only the words of a failure.
[[nodiscard]] std::optional<Failure> writeFileAtomically(const std::string& path,
                                                         const std::vector<std::uint8_t>& bytes);

// The points between the steps of a save, where a test can stop the process
// to check that every interruption leaves the old or the new file.
enum class SaveStep {
    Checked,          // the document found the file as it read it, under the file's lock
    TemporaryWritten, // the new bytes are flushed to the temporary file
    TemporaryNamed,   // the temporary file has a name beside the target
    Renamed,          // the new file took the target's name
    RecoveryWritten,  // in place: the recovery copy is written, not yet flushed and named
    RecoveryKept,     // in place: the old bytes are in the recovery copy
    WrittenInPlace,   // in place: the new bytes are written, not yet truncated
    Truncated,        // in place: the file has the new length, not yet flushed
    FlushedInPlace,   // in place: the new bytes are on disk, the copy not yet dropped
};
using SaveStepHook = void (*)(SaveStep);
void setSaveStepHook(SaveStepHook hook);
// Calls the hook, if one is set, at step.
void reachSaveStep(SaveStep step);

} // namespace vantrel
