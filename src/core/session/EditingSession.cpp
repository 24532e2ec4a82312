// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/session/EditingSession.h"

#include "core/definitions/DefinitionsFailure.h"
#include "core/definitions/SeemTypeCatalog.h"
#include "core/document/SaveFailureMessage.h"
#include "core/editors/SchemeTitle.h"
#include "core/generators/OuterTextRecord.h"
#include "core/i18n/Captions.h"
#include "core/recipe/RecipeSettings.h"
#include "core/session/SafeFileName.h"
#include "core/session/SessionBatch.h"
#include "core/settings/TipSetting.h"

#include <algorithm>
#include <filesystem>

namespace vantrel {

namespace {

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

} // namespace

UiString answerString(Answer answer) {
    switch (answer) {
    case Answer::Save:
        return UiString::ButtonSave;
    case Answer::Discard:
        return UiString::ButtonDiscard;
    case Answer::Reload:
        return UiString::ButtonReload;
    case Answer::Overwrite:
        return UiString::ButtonOverwrite;
    case Answer::Cancel:
        break;
    }
    return UiString::ButtonCancel;
}

EditingSession::EditingSession(const LanguageFile& language, SettingsStore& settings)
    : m_language(&language), m_settings(settings) {
    m_cellConnection = m_document.grid().addListener([this](int index) { onCell(index); });
    m_focusConnection = m_document.grid().addFocusListener([this](int) {
        m_pending.cursor = true;
        flush();
    });
    m_caretConnection = m_cursor.addCaretListener([this](int) {
        m_pending.cursor = true;
        flush();
    });
    m_stateConnection =
        m_document.addStateListener([this](const DocumentChange& change) { onState(change); });
}

EditingSession::~EditingSession() = default;

// What the faces show in words is told again, now in the new language.
void EditingSession::setLanguage(const LanguageFile& language) {
    m_language = &language;
    m_pending.history = true;
    m_pending.file = true;
    m_pending.cursor = true;
    m_pending.find = !m_find.text().empty();
    flush();
}

// The status line, told with the file's state, names keys or taps.
void EditingSession::setWithoutKeyboard(bool without) {
    if (without == m_withoutKeyboard)
        return;
    m_withoutKeyboard = without;
    m_pending.file = true;
    flush();
}

std::string EditingSession::caption(const std::string& window, const std::string& control) const {
    return captionFor(*m_language, window, control);
}

// -- definitions and files ---------------------------------------------------

std::optional<Failure> EditingSession::loadDefinitions(const std::string& path) {
    const XmlLoadResult result = loadDefinitionsFile(path);
    if (!result.ok)
        return Failure{definitionsFailureMessage(strings(), path, result)};
    return std::nullopt;
}

XmlLoadResult EditingSession::loadDefinitionsFile(const std::string& path) {
    const SessionBatch batch(*this);
    return m_document.loadDefinitions(path);
}

std::optional<Failure> EditingSession::loadDefinitionsText(std::string_view text,
                                                           const std::string& name, bool chosen) {
    const SessionBatch batch(*this);
    const XmlLoadResult result = m_document.loadDefinitionsText(text);
    if (!result.ok)
        return Failure{chosen ? definitionsCauseMessage(strings(), name, result)
                              : definitionsFailureMessage(strings(), name, result)};
    return std::nullopt;
}

OpenResult EditingSession::accept(const std::string& path, SeemFileRead read, OpenReason reason) {
    const SessionBatch batch(*this);
    endGesture();
    return opened(m_document.accept(path, std::move(read)), path, reason);
}

OpenResult EditingSession::openBytes(const std::string& name, std::vector<std::uint8_t> bytes,
                                     OpenReason reason) {
    const SessionBatch batch(*this);
    endGesture();
    return opened(m_document.openBytes(name, std::move(bytes)), name, reason);
}

std::optional<UiMessage> openRefusal(const OpenOutcome& outcome, const std::string& name) {
    switch (outcome.status) {
    case OpenOutcome::Status::Opened:
        break;
    case OpenOutcome::Status::TooLarge:
        return UiMessage{UiString::TooLarge, {}};
    case OpenOutcome::Status::Empty:
        return UiMessage{UiString::EmptyFile, {name}};
    case OpenOutcome::Status::Failed:
        return UiMessage{UiString::ReadFailed, {name, outcome.reason}};
    }
    return std::nullopt;
}

OpenResult EditingSession::opened(const OpenOutcome& outcome, const std::string& name,
                                  OpenReason reason) {
    OpenResult result;
    result.message = openRefusal(outcome, name);
    if (result.message)
        return result;
    result.opened = true;
    m_openedBytes = m_document.savedBytes();
    // The model is built now rather than when the batch ends: the result speaks of it.
    settleModel();
    m_cursor.setCaret(0);
    const XmlElement type = m_document.type();
    result.editor = m_model.kind;
    m_fileOpen = !isGenerator(result.editor);
    m_namedBySaveAs = false;
    m_pending.file = true;
    if (type && result.editor == EditorKind::None)
        result.message = UiMessage{UiString::TypeWithoutEditor, {}};
    else if (!m_model.complete)
        result.message = UiMessage{UiString::EditorIncomplete, {}};
    const std::string alert = type ? type.attribute("alert").value_or("") : std::string();
    if (isEditor(result.editor) && !alert.empty() && reason != OpenReason::QuietReload && tipsOn())
        result.tip = Tip{expandLineBreaks(alert), type.attribute("ID").value_or("")};
    return result;
}

void EditingSession::close() {
    const SessionBatch batch(*this);
    endGesture();
    m_fileOpen = false;
    m_namedBySaveAs = false;
    m_openedBytes.clear();
    m_document.close();
    m_pending.file = true;
}

UiMessage EditingSession::statusLine() const {
    if (!m_fileOpen)
        return {m_withoutKeyboard ? UiString::StatusNoFileTouch : UiString::StatusNoFile, {}};
    const std::string length = std::to_string(m_document.grid().cellCount());
    if (!m_document.type())
        return {UiString::StatusNoTypeMatches, {length}};
    if (m_model.kind == EditorKind::None)
        return {UiString::StatusNoEditor, {m_document.typeName(), length}};
    return {m_withoutKeyboard ? UiString::StatusFileOpenTouch : UiString::StatusFileOpen, {}};
}

std::string EditingSession::fileNameToSave() const {
    const std::string name = std::filesystem::path(m_document.path()).filename().string();
    if (!name.empty())
        return name;
    const XmlElement type = m_document.type();
    const std::string id = type ? type.attribute("ID").value_or("") : std::string();
    return (id.empty() ? std::string("vantrel") : id) + ".seem";
}

std::string EditingSession::generatedFileName(EditorKind kind) const {
    for (const XmlElement& type : m_document.definitions().root().children()) {
        const auto id = type.attribute("ID");
        if (id && !id->empty() &&
            editorKindOf(toLowerAscii(type.attribute("type").value_or(""))) == kind)
            return *id + ".seem";
    }
    return std::string(editorKindName(kind)) + ".seem";
}

std::string EditingSession::downloadFileName(std::string_view typed) const {
    return safeSeemFileName(typed.empty() ? fileNameToSave() : typed, fileNameToSave());
}

std::string EditingSession::undoCaption() const {
    const auto label = m_document.undoLabel();
    return trimmed(strings().format(UiString::UndoMenu, {label ? strings().get(*label) : ""}));
}

std::string EditingSession::redoCaption() const {
    const auto label = m_document.redoLabel();
    return trimmed(strings().format(UiString::RedoMenu, {label ? strings().get(*label) : ""}));
}

bool EditingSession::tipsOn() const {
    return tipsEnabled(m_settings);
}

void EditingSession::setTipsOn(bool on) {
    storeTipsEnabled(m_settings, on);
}

// -- the colour typed as text ------------------------------------------------

EditResult EditingSession::setColorText(std::string_view key, std::string_view text) {
    const std::optional<Rgb> color = rgbFromHexText(text);
    if (!color)
        return EditRefusal{"a colour is written #RRGGBB, not " + std::string(text),
                           UiMessage{UiString::ColorNotHex, {trimmed(text)}}};
    const ColorEntry* entry = m_model.colorByKey(key);
    if (entry) {
        const ColorRecord record = readColorRecord(m_document.grid(), entry->offset);
        // The colour it has already is no step of its own.
        if (*color == Rgb{record.red, record.green, record.blue})
            return std::nullopt;
    }
    return setColor(key, *color);
}

// -- the generators ------------------------------------------------------------

std::u16string EditingSession::outerTextPrefill() const {
    if (editorKindOf(m_document.typeName()) != EditorKind::OuterText ||
        m_document.savedBytes().empty())
        return {};
    return decodeOuterTextRecord(m_document.savedBytes());
}

GprsSetting EditingSession::gprsPrefill() const {
    if (!m_document.hasFile() || editorKindOf(m_document.typeName()) != EditorKind::Gprs)
        return {};
    return decodeGprsTextRecord(m_document.savedBytes());
}

// The hint only informs: a text that does not fit is still saved, cut to
// the record, and then the hint says what the file will hold.
GeneratedFile EditingSession::generateOuterText(std::u16string_view typed) const {
    GeneratedFile file{encodeOuterTextRecord(typed), generatedFileName(EditorKind::OuterText),
                       std::nullopt, false};
    if (outerTextIsCut(typed)) {
        file.hint = UiMessage{UiString::OuterTextStored, {utf16ToUtf8(outerTextStored(typed))}};
        file.warning = true;
    } else if (outerTextFitsScreen(typed)) {
        file.hint = UiMessage{UiString::OuterTextFits, {}};
    } else {
        file.hint = UiMessage{UiString::OuterTextTooLong, {}};
        file.warning = true;
    }
    return file;
}

GeneratedFile EditingSession::generateGprs(GprsDisplayMode mode, std::u16string_view typed) const {
    GeneratedFile file{encodeGprsTextRecord(mode, typed), generatedFileName(EditorKind::Gprs),
                       std::nullopt, false};
    if (mode == GprsDisplayMode::CustomText && typed.size() > kGprsTextUnits) {
        file.hint = UiMessage{UiString::GprsCustomTooLong, {}, MessageIcon::Warning};
        file.warning = true;
    }
    return file;
}

// -- questions and saving ------------------------------------------------------

std::optional<Question> EditingSession::questionBefore(Leaving leaving) const {
    if (!m_document.isModified())
        return std::nullopt;
    const std::string& path = m_document.path();
    if (leaving == Leaving::Reload)
        return Question{{UiString::AskReload, {path}, MessageIcon::Warning},
                        {Answer::Reload, Answer::Cancel},
                        Answer::Cancel,
                        Answer::Cancel};
    return Question{{UiString::AskSaveChanges, {path}, MessageIcon::Warning},
                    {Answer::Save, Answer::Discard, Answer::Cancel},
                    Answer::Save,
                    Answer::Cancel};
}

Question EditingSession::diskChangeQuestion(DiskState state) const {
    const std::string& path = m_document.path();
    if (state == DiskState::Missing)
        return Question{{UiString::AskSaveMissing, {path}, MessageIcon::Warning},
                        {Answer::Save, Answer::Cancel},
                        Answer::Save,
                        Answer::Cancel};
    return Question{{UiString::ChangedOnDiskQuestion, {path}, MessageIcon::Warning},
                    {Answer::Overwrite, Answer::Reload, Answer::Cancel},
                    Answer::Cancel,
                    Answer::Cancel};
}

SaveResult EditingSession::bytesToSave(std::vector<std::uint8_t>& bytes) const {
    SaveResult result;
    if (const auto invalid = m_document.bytesToSave(bytes)) {
        result.status = SaveResult::Status::InvalidCell;
        result.invalidCell = *invalid;
        result.message = invalidCellMessage(*invalid).text(strings());
        result.detail = invalidCellDetail(*invalid);
        return result;
    }
    result.status = SaveResult::Status::Saved;
    return result;
}

void EditingSession::markSaved(std::vector<std::uint8_t> bytes, const std::string& name) {
    const SessionBatch batch(*this);
    endGesture();
    m_document.markSaved(std::move(bytes), name);
}

// -- listening -------------------------------------------------------------------

ListenerConnection EditingSession::addListener(Listener listener) {
    return m_listeners.add(std::move(listener));
}

void EditingSession::onCell(int index) {
    // The cursor's words describe the current cell's value.
    m_pending.cursor |= index < 0 || index == m_cursor.index();
    if (index < 0) {
        m_pending.allCells = true;
        m_pending.cells.clear();
    } else if (!m_pending.allCells && std::find(m_pending.cells.begin(), m_pending.cells.end(),
                                                index) == m_pending.cells.end()) {
        m_pending.cells.push_back(index);
    }
    flush();
}

void EditingSession::onState(const DocumentChange& change) {
    m_pending.modified |= change.modified;
    m_pending.history |= change.history;
    m_pending.file |= change.file;
    m_pendingType |= change.type;
    flush();
}

void EditingSession::endBatch() {
    if (--m_batchDepth == 0)
        flush();
}

void EditingSession::settleModel() {
    if (m_pendingType) {
        m_pendingType = false;
        m_model = buildEditorModel(m_document.type(), m_document.typeName(), m_document.grid(),
                                   m_builder);
        m_pending.model = true;
        m_pending.settings.clear();
    } else if (!m_pending.model && (m_pending.allCells || !m_pending.cells.empty())) {
        const std::vector<int> cells = m_pending.allCells ? std::vector<int>() : m_pending.cells;
        for (std::string& key : refreshEditorModel(m_model, m_document.grid(), cells)) {
            if (std::find(m_pending.settings.begin(), m_pending.settings.end(), key) ==
                m_pending.settings.end())
                m_pending.settings.push_back(std::move(key));
        }
    }
}

void EditingSession::flush() {
    if (m_batchDepth > 0)
        return;
    settleModel();
    const bool cellsChanged = m_pending.model || m_pending.allCells || !m_pending.cells.empty();
    if (cellsChanged && !m_find.text().empty()) {
        m_find.refresh(m_document.grid(), m_model);
        m_pending.find = true;
    }
    if (m_pending.empty())
        return;
    const SessionChange change = std::move(m_pending);
    m_pending = SessionChange();
    m_listeners.notify(change);
}

} // namespace vantrel
