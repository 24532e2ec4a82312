// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/SeemDocument.h"

#include "core/base/BitHelpers.h"
#include "core/definitions/SeemTypeCatalog.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/settings/SettingsStore.h"

#include <optional>
#include <string_view>

namespace vantrel {

namespace {

std::optional<std::uint32_t> cellValue(std::string_view text) {
    if (text.empty() || text.size() > 2)
        return std::nullopt;
    return parseHex(text);
}

// "0a" and "0A" (or "A" and "0A") are the same byte: changing one into the
// other does not make the file differ from what is on disk.
bool sameCell(std::string_view a, std::string_view b) {
    if (a == b)
        return true;
    const auto valueA = cellValue(a);
    return valueA && valueA == cellValue(b);
}

} // namespace

SeemDocument::SeemDocument() : m_definitions(std::make_unique<XmlDocument>()) {
    m_gridConnection = m_grid.addListener([this](int index) { onCellChanged(index); });
    // Typing in a cell ends when the focus or a border moves: the next digit,
    // wherever it goes, starts a step of its own.
    m_focusConnection = m_grid.addFocusListener([this](int) { m_history.seal(); });
    startTracking();
}

SeemDocument::~SeemDocument() = default;

XmlLoadResult SeemDocument::loadDefinitions(const std::string& path) {
    auto loaded = std::make_unique<XmlDocument>();
    XmlLoadResult result = loaded->load(path);
    if (result.ok)
        useDefinitions(std::move(loaded));
    return result;
}

void SeemDocument::useDefinitions(std::unique_ptr<XmlDocument> definitions) {
    m_definitions = std::move(definitions);
    m_type = m_hasFile ? findSeemType(m_definitions->root(), m_savedBytes.size()) : XmlElement();
    notifyState({.type = true});
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
    endGesture();
    m_hasFile = true;
    m_path = path;
    m_savedBytes = std::move(read.bytes);
    m_identity = read.identity;
    m_type = findSeemType(m_definitions->root(), m_savedBytes.size());
    m_loading = true;
    m_grid.load(m_savedBytes);
    m_loading = false;
    startTracking();
    notifyEverything();
    return {OpenOutcome::Status::Opened, {}};
}

void SeemDocument::close() {
    endGesture();
    m_hasFile = false;
    m_path.clear();
    m_savedBytes.clear();
    m_identity = {};
    m_type = XmlElement();
    m_loading = true;
    m_grid.rebuild(0);
    m_loading = false;
    startTracking();
    notifyEverything();
}

OpenOutcome SeemDocument::openBytes(const std::string& name, std::vector<std::uint8_t> bytes) {
    SeemFileRead read;
    read.status = bytes.size() > kMaxSeemFileSize ? SeemFileRead::Status::TooLarge
                  : bytes.empty()                 ? SeemFileRead::Status::Empty
                                                  : SeemFileRead::Status::Ok;
    if (read.status == SeemFileRead::Status::Ok)
        read.bytes = std::move(bytes);
    return accept(name, std::move(read));
}

XmlLoadResult SeemDocument::loadDefinitionsText(std::string_view text) {
    auto loaded = std::make_unique<XmlDocument>();
    XmlLoadResult result = loaded->loadFromString(text);
    if (result.ok)
        useDefinitions(std::move(loaded));
    return result;
}

std::optional<int> SeemDocument::bytesToSave(std::vector<std::uint8_t>& bytes) const {
    if (const auto invalid = m_grid.firstInvalidCell())
        return invalid;
    bytes = m_grid.bytes();
    return std::nullopt;
}

void SeemDocument::markSaved(std::vector<std::uint8_t> bytes, const std::string& name) {
    endGesture();
    if (!name.empty())
        m_path = name;
    m_savedBytes = std::move(bytes);
    m_cleanTexts = m_knownTexts;
    m_differingCells = 0;
    // Typing on after a save is a step of its own, so Undo stops at the saved state.
    m_history.seal();
    notifyState({.modified = true, .file = true});
}

std::string SeemDocument::typeName() const {
    return toLowerAscii(m_type.attribute("type").value_or(""));
}

void SeemDocument::beginEdit(UiString label) {
    if (m_editDepth++ > 0)
        return;
    // An action of another kind (a reset by its shortcut while a slider has
    // the keys) is no part of the gesture.
    if (m_inGesture && label != m_gestureLabel)
        endGesture();
    // A gesture's scopes join one step, which stays in the history, so Undo
    // is offered while the gesture lasts.
    m_history.begin(label, m_inGesture ? "gesture " + std::to_string(m_gestureCount) : "");
}

void SeemDocument::endEdit() {
    if (m_editDepth == 0 || --m_editDepth > 0)
        return;
    m_history.end();
    notifyState({.history = true});
}

void SeemDocument::beginGesture(UiString label) {
    if (m_inGesture)
        return;
    m_inGesture = true;
    m_gestureLabel = label;
    ++m_gestureCount;
}

void SeemDocument::endGesture() {
    m_inGesture = false;
}

void SeemDocument::undo() {
    endGesture(); // what the gesture still does is a step of its own
    if (m_editDepth > 0)
        return; // inside a step: its cells would no longer match what it recorded
    if (const EditStep* step = m_history.takeUndo())
        applyStep(*step, false);
}

void SeemDocument::redo() {
    endGesture();
    if (m_editDepth > 0)
        return;
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
    notifyState({.history = true});
}

ListenerConnection SeemDocument::addStateListener(StateListener listener) {
    return m_stateListeners.add(std::move(listener));
}

void SeemDocument::notifyState(DocumentChange change) {
    change.modified = change.modified || isModified() != m_wasModified;
    m_wasModified = isModified();
    m_stateListeners.notify(change);
}

void SeemDocument::onCellChanged(int index) {
    if (index < 0 || index >= static_cast<int>(m_knownTexts.size())) {
        // Rebuilt behind the document's back: what was recorded no longer fits the cells.
        if (!m_loading) {
            startTracking();
            notifyEverything();
        }
        return;
    }
    const std::string& text = m_grid.text(index);
    if (text == m_knownTexts.at(static_cast<std::size_t>(index)))
        return;
    if (m_applyingStep) {
        trackText(index, text);
        return;
    }
    // Typing joins the last step while that is the same cell's typing and
    // nothing has happened since (EditHistory's seal).
    const bool typing = m_editDepth == 0;
    if (typing) {
        m_history.begin(UiString::UndoTyping, "cell " + std::to_string(index));
        ++m_editDepth;
    }
    m_history.record(index, std::string(m_knownTexts.at(static_cast<std::size_t>(index))), text);
    trackText(index, text);
    if (typing)
        endEdit();
}

void SeemDocument::trackText(int index, const std::string& text) {
    const auto i = static_cast<std::size_t>(index);
    const bool differed = !sameCell(m_knownTexts.at(i), m_cleanTexts.at(i));
    const bool differs = !sameCell(text, m_cleanTexts.at(i));
    m_differingCells += static_cast<int>(differs) - static_cast<int>(differed);
    m_knownTexts.set(i, text);
}

// The cells as they are now become the clean point, with nothing to undo.
void SeemDocument::startTracking() {
    m_knownTexts.resize(static_cast<std::size_t>(m_grid.cellCount()));
    for (int i = 0; i < m_grid.cellCount(); ++i)
        m_knownTexts.set(static_cast<std::size_t>(i), m_grid.text(i));
    m_cleanTexts = m_knownTexts;
    m_differingCells = 0;
    m_history.clear();
    m_editDepth = 0;
    m_inGesture = false;
    m_wasModified = false;
}

} // namespace vantrel
