// SPDX-License-Identifier: GPL-3.0-or-later
// What a session does with files on disk; a browser's session keeps its
// document in memory and stores the bytes itself.
#include "core/session/EditingSession.h"

#include "core/document/SaveFailureMessage.h"
#include "core/files/SeemFile.h"
#include "core/session/SessionBatch.h"

namespace vantrel {

OpenResult EditingSession::open(const std::string& path, OpenReason reason) {
    return accept(path, readSeemFile(path), reason);
}

OpenResult EditingSession::reload(OpenReason reason) {
    return open(m_document.path(), reason);
}

// A save ends the step being made: what follows it is a step of its own.
SaveResult EditingSession::save() {
    const SessionBatch batch(*this);
    endGesture();
    m_askingForSaveAs = false;
    return saveOutcome(m_document.save(false), m_document.path());
}

SaveResult EditingSession::prepareSave(PreparedReplacement& replacement) {
    const SessionBatch batch(*this);
    endGesture();
    m_askingForSaveAs = false;
    PreparedSave prepared = m_document.prepareSave();
    replacement = std::move(prepared.replacement);
    return saveOutcome(prepared.outcome, m_document.path());
}

SaveResult EditingSession::saveAs(const std::string& path) {
    const SessionBatch batch(*this);
    endGesture();
    SaveResult result = saveOutcome(m_document.saveAs(path, false), path);
    m_askingForSaveAs = result.status == SaveResult::Status::Asked;
    m_namedBySaveAs |= result.status == SaveResult::Status::Saved;
    return result;
}

SaveResult EditingSession::answerSave(const std::string& path, Answer answer) {
    if (answer != Answer::Overwrite && answer != Answer::Save)
        return SaveResult{SaveResult::Status::Cancelled, {}, -1, std::nullopt, {}};
    const SessionBatch batch(*this);
    endGesture();
    const bool own = path == m_document.path();
    SaveResult result =
        saveOutcome(own ? m_document.save(true) : m_document.saveAs(path, true), path);
    m_namedBySaveAs |= result.status == SaveResult::Status::Saved && (m_askingForSaveAs || !own);
    return result;
}

SaveResult EditingSession::saveOutcome(const SaveOutcome& outcome, const std::string& path) {
    SaveResult result;
    switch (outcome.status) {
    case SaveOutcome::Status::Saved:
        result.status = SaveResult::Status::Saved;
        m_pending.file = true;
        break;
    case SaveOutcome::Status::InvalidCell:
        result.status = SaveResult::Status::InvalidCell;
        result.invalidCell = outcome.invalidCell;
        result.message = invalidCellMessage(outcome.invalidCell).text(strings());
        result.detail = invalidCellDetail(outcome.invalidCell);
        m_cursor.focus(outcome.invalidCell);
        break;
    case SaveOutcome::Status::WriteFailed:
        result.status = SaveResult::Status::Failed;
        result.message = saveFailureMessage(strings(), path, outcome);
        result.detail =
            FileWrite{outcome.fileOutcome, outcome.reason, outcome.recoveryPath}.describe();
        break;
    case SaveOutcome::Status::ChangedOnDisk:
        result.status = SaveResult::Status::Asked;
        result.question = diskChangeQuestion(m_document.diskState());
        result.detail = "another program changed the file after it was read; nothing was written";
        break;
    }
    return result;
}

} // namespace vantrel
