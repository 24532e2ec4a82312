// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/SeemDocument.h"

#include "core/definitions/SeemTypeCatalog.h"
#include "core/settings/SettingsStore.h"
#include "core/document/BitHelpers.h"
#include "core/i18n/BuiltinStrings.h"

#include <optional>

namespace vantrel {

namespace {

std::optional<std::uint32_t> cellValue(const std::string& text) {
    if (text.empty() || text.size() > 2)
        return std::nullopt;
    return parseHex(text);
}

// "0a" and "0A" (or "A" and "0A") are the same byte: changing one into the
// other does not make the file differ from what is on disk.
bool sameCell(const std::string& a, const std::string& b) {
    if (a == b)
        return true;
    const auto valueA = cellValue(a);
    return valueA && valueA == cellValue(b);
}

SaveOutcome saveOutcome(SaveOutcome::Status status, int invalidCell = -1, std::string reason = {}) {
    SaveOutcome outcome;
    outcome.status = status;
    outcome.invalidCell = invalidCell;
    outcome.reason = std::move(reason);
    return outcome;
}

} // namespace

SeemDocument::SeemDocument() : m_definitions(std::make_unique<XmlDocument>()) {
    m_gridConnection = m_grid.addListener([this](int index) { onCellChanged(index); });
    startTracking();
}

SeemDocument::~SeemDocument() = default;

XmlLoadResult SeemDocument::loadDefinitions(const std::string& path) {
    auto loaded = std::make_unique<XmlDocument>();
    XmlLoadResult result = loaded->load(path);
    if (!result.ok)
        return result;
    m_definitions = std::move(loaded);
    m_type =
        m_path.empty() ? XmlElement() : findSeemType(m_definitions->root(), m_savedBytes.size());
    notifyState();
    return result;
}

OpenOutcome SeemDocument::open(const std::string& path) {
    return accept(path, readSeemFile(path));
}

OpenOutcome SeemDocument::accept(const std::string& path, SeemFileRead read) {
    switch (read.status) {
    case SeemFileRead::Status::TooLarge:
        return {OpenOutcome::Status::TooLarge, {}};
    case SeemFileRead::Status::Empty:
        return {OpenOutcome::Status::Empty, {}};
    case SeemFileRead::Status::Failed:
        return {OpenOutcome::Status::Failed, read.reason};
    case SeemFileRead::Status::Ok:
        break;
    }
    m_path = path;
    m_savedBytes = std::move(read.bytes);
    m_identity = read.identity;
    m_type = findSeemType(m_definitions->root(), m_savedBytes.size());
    m_loading = true;
    m_grid.load(m_savedBytes);
    m_loading = false;
    startTracking();
    notifyState();
    return {OpenOutcome::Status::Opened, {}};
}

OpenOutcome SeemDocument::reload() {
    if (m_path.empty())
        return {OpenOutcome::Status::Failed, "no file is open"};
    const std::string path = m_path; // open() may replace m_path
    return open(path);
}

void SeemDocument::close() {
    m_path.clear();
    m_savedBytes.clear();
    m_identity = {};
    m_type = XmlElement();
    m_loading = true;
    m_grid.rebuild(0);
    m_loading = false;
    startTracking();
    notifyState();
}

SaveOutcome SeemDocument::save(bool overwriteChanges) {
    if (m_path.empty())
        return saveOutcome(SaveOutcome::Status::WriteFailed, -1, "no file is open");
    const std::string path = m_path;
    return saveTo(path, overwriteChanges);
}

SaveOutcome SeemDocument::saveAs(const std::string& path, bool overwriteChanges) {
    return saveTo(path, overwriteChanges);
}

DiskState SeemDocument::diskState() const {
    if (m_path.empty())
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
    if (m_path.empty())
        return false;
    if (path == m_path)
        return true;
    const auto other = identityOf(path);
    return other && other->device == m_identity.device && other->inode == m_identity.inode;
}

SaveOutcome SeemDocument::saveTo(const std::string& path, bool overwriteChanges) {
    if (const auto invalid = m_grid.firstInvalidCell())
        return saveOutcome(SaveOutcome::Status::InvalidCell, *invalid);
    if (!overwriteChanges && isOwnFile(path) && diskState() != DiskState::Same)
        return saveOutcome(SaveOutcome::Status::ChangedOnDisk);
    std::vector<std::uint8_t> bytes = m_grid.bytes();
    FileWrite written = replaceFile(path, bytes);
    if (!written.ok())
        return {SaveOutcome::Status::WriteFailed, -1, std::move(written.reason), written.outcome,
                std::move(written.recoveryPath)};
    m_path = path;
    m_savedBytes = std::move(bytes);
    m_identity = identityOf(path).value_or(FileIdentity{});
    m_cleanTexts = m_knownTexts;
    m_differingCells = 0;
    // Typing on after a save is a step of its own, so Undo stops at the saved state.
    m_history.seal();
    notifyState();
    return saveOutcome(SaveOutcome::Status::Saved);
}

std::string SeemDocument::typeName() const {
    return toLowerAscii(m_type.attribute("type").value_or(""));
}

void SeemDocument::beginEdit(UiString label, std::string mergeKey) {
    if (m_editDepth++ == 0)
        m_history.begin(label, std::move(mergeKey));
}

void SeemDocument::endEdit() {
    if (m_editDepth == 0 || --m_editDepth > 0)
        return;
    m_history.end();
    notifyState();
}

void SeemDocument::undo() {
    if (const EditStep* step = m_history.takeUndo())
        applyStep(*step, false);
}

void SeemDocument::redo() {
    if (const EditStep* step = m_history.takeRedo())
        applyStep(*step, true);
}

void SeemDocument::applyStep(const EditStep& step, bool forward) {
    m_applyingStep = true;
    if (forward) {
        for (const CellEdit& edit : step.cells)
            m_grid.setText(edit.index, edit.after);
    } else {
        for (auto edit = step.cells.rbegin(); edit != step.cells.rend(); ++edit)
            m_grid.setText(edit->index, edit->before);
    }
    m_applyingStep = false;
    notifyState();
}

ListenerConnection SeemDocument::addStateListener(std::function<void()> listener) {
    return m_stateListeners.add(std::move(listener));
}

void SeemDocument::onCellChanged(int index) {
    if (index < 0 || index >= static_cast<int>(m_knownTexts.size())) {
        // Rebuilt behind the document's back: what was recorded no longer fits the cells.
        if (!m_loading) {
            startTracking();
            notifyState();
        }
        return;
    }
    const std::string& text = m_grid.text(index);
    if (text == m_knownTexts[static_cast<std::size_t>(index)])
        return; // only the border changed
    if (m_applyingStep) {
        trackText(index, text);
        return;
    }
    const bool typing = m_editDepth == 0;
    if (typing)
        beginEdit(UiString::UndoTyping, "cell " + std::to_string(index));
    m_history.record(index, m_knownTexts[static_cast<std::size_t>(index)], text);
    trackText(index, text);
    if (typing)
        endEdit();
}

void SeemDocument::trackText(int index, const std::string& text) {
    const auto i = static_cast<std::size_t>(index);
    const bool differed = !sameCell(m_knownTexts[i], m_cleanTexts[i]);
    const bool differs = !sameCell(text, m_cleanTexts[i]);
    m_differingCells += static_cast<int>(differs) - static_cast<int>(differed);
    m_knownTexts[i] = text;
}

// The cells as they are now become the clean point, with nothing to undo.
void SeemDocument::startTracking() {
    m_knownTexts.resize(static_cast<std::size_t>(m_grid.cellCount()));
    for (int i = 0; i < m_grid.cellCount(); ++i)
        m_knownTexts[static_cast<std::size_t>(i)] = m_grid.text(i);
    m_cleanTexts = m_knownTexts;
    m_differingCells = 0;
    m_history.clear();
    m_editDepth = 0;
}

} // namespace vantrel
