// SPDX-License-Identifier: GPL-3.0-or-later
// The document's file on disk: opening, reloading and saving by path. The
// WebAssembly build has no such file and leaves this out; there a document
// is opened from bytes and hands back the bytes to save.
#include "core/document/SeemDocument.h"

#include "core/files/FileLock.h"
#include "core/files/SeemFile.h"

namespace vantrel {

namespace {

SaveOutcome saveOutcome(SaveOutcome::Status status, int invalidCell = -1, std::string reason = {}) {
    SaveOutcome outcome;
    outcome.status = status;
    outcome.invalidCell = invalidCell;
    outcome.reason = std::move(reason);
    return outcome;
}

} // namespace

OpenOutcome SeemDocument::open(const std::string& path) {
    return accept(path, readSeemFile(path));
}

OpenOutcome SeemDocument::reload() {
    if (!m_hasFile)
        return {OpenOutcome::Status::Failed, "no file is open"};
    const std::string path = m_path; // open() may replace m_path
    return open(path);
}

SaveOutcome SeemDocument::save(bool overwriteChanges) {
    if (!m_hasFile)
        return saveOutcome(SaveOutcome::Status::WriteFailed, -1, "no file is open");
    const std::string path = m_path;
    return saveTo(path, overwriteChanges);
}

PreparedSave SeemDocument::prepareSave() {
    endGesture();
    if (!m_hasFile)
        return {saveOutcome(SaveOutcome::Status::WriteFailed, -1, "no file is open"), {}};
    const FileLock lock(m_path);
    if (auto refusal = saveRefusal(m_path, false))
        return {*refusal, {}};
    reachSaveStep(SaveStep::Checked);
    return {saveOutcome(SaveOutcome::Status::Saved), prepareReplacement(m_path, m_grid.bytes())};
}

SaveOutcome SeemDocument::saveAs(const std::string& path, bool overwriteChanges) {
    return saveTo(path, overwriteChanges);
}

DiskState SeemDocument::diskState() const {
    if (!m_hasFile)
        return DiskState::Same;
    const SeemFileRead read = readSeemFile(m_path);
    if (read.status == SeemFileRead::Status::Failed && !identityOf(m_path))
        return DiskState::Missing;
    // The bytes decide: a file rewritten with what it held is no change,
    // and a change within the clock's resolution still is one.
    return read.status == SeemFileRead::Status::Ok && read.bytes == m_savedBytes
               ? DiskState::Same
               : DiskState::Changed;
}

bool SeemDocument::isOwnFile(const std::string& path) const {
    if (!m_hasFile)
        return false;
    if (path == m_path)
        return true;
    // Another name of the same place (a link to it), even after another
    // program replaced the file there.
    const SaveTarget target = resolveSaveTarget(path);
    if (target.refusal.empty() && target.path == resolveSaveTarget(m_path).path)
        return true;
    const auto other = identityOf(path);
    return other && other->device == m_identity.device && other->inode == m_identity.inode;
}

// An invalid cell, or a file another program changed since it was read.
std::optional<SaveOutcome> SeemDocument::saveRefusal(const std::string& path,
                                                     bool overwriteChanges) const {
    if (const auto invalid = m_grid.firstInvalidCell())
        return saveOutcome(SaveOutcome::Status::InvalidCell, *invalid);
    if (!overwriteChanges && isOwnFile(path) && diskState() != DiskState::Same)
        return saveOutcome(SaveOutcome::Status::ChangedOnDisk);
    return std::nullopt;
}

SaveOutcome SeemDocument::saveTo(const std::string& path, bool overwriteChanges) {
    endGesture();
    // Other programs' edits of the file wait from before the check until the
    // new file is in place, so no change slips in between.
    const FileLock lock(path);
    if (auto refusal = saveRefusal(path, overwriteChanges))
        return *refusal;
    reachSaveStep(SaveStep::Checked);
    std::vector<std::uint8_t> bytes = m_grid.bytes();
    FileWrite written = replaceFile(path, bytes);
    if (!written.ok())
        return {SaveOutcome::Status::WriteFailed, -1, std::move(written.reason), written.outcome,
                std::move(written.recoveryPath)};
    m_hasFile = true;
    m_path = path;
    m_identity = identityOf(path).value_or(FileIdentity{});
    markSaved(std::move(bytes));
    return saveOutcome(SaveOutcome::Status::Saved);
}

} // namespace vantrel
