// SPDX-License-Identifier: GPL-3.0-or-later
// The session's edit commands: each one undo step on a setting's key, with
// the gesture rules of the document.
#include "core/session/EditingSession.h"

#include "core/editors/SchemeTitle.h"
#include "core/recipe/RecipeSettings.h"
#include "core/session/SessionBatch.h"

namespace vantrel {

EditResult EditingSession::edit(UiString label, std::string_view gesture, std::string_view key,
                                const std::function<EditResult()>& write) {
    const SessionBatch batch(*this);
    // A gesture belongs to one setting: dragging another entry's slider is a step of its own.
    const std::string gestureId =
        gesture.empty() ? std::string() : std::string(gesture) + '\n' + std::string(key);
    if (gestureId.empty()) {
        endGesture();
    } else if (gestureId != m_gesture) {
        m_document.endGesture();
        m_document.beginGesture(label);
        m_gesture = gestureId;
    }
    EditScope step(m_document, label);
    return write();
}

EditResult EditingSession::setSwitch(std::string_view key, bool on) {
    return edit(UiString::UndoSwitch, {}, key,
                [&] { return writeSwitch(m_model, m_document.grid(), key, on); });
}

EditResult EditingSession::toggleSwitch(std::string_view key) {
    const FunctionNode* node = m_model.switchByKey(key);
    return setSwitch(key, node ? !node->on : true);
}

EditResult EditingSession::setStyle(std::string_view key, bool on) {
    return edit(UiString::UndoStyle, {}, key,
                [&] { return writeStyle(m_model, m_document.grid(), key, on); });
}

EditResult EditingSession::setVolume(std::string_view key, int position, std::string_view gesture) {
    return edit(UiString::UndoVolume, gesture, key,
                [&] { return writeVolume(m_model, m_document.grid(), key, position); });
}

EditResult EditingSession::resetVolumes() {
    return edit(UiString::UndoVolumeReset, {}, {},
                [&] { return vantrel::resetVolumes(m_model, m_document.grid()); });
}

EditResult EditingSession::setColor(std::string_view key, Rgb color, std::string_view gesture) {
    return edit(UiString::UndoColor, gesture, key,
                [&] { return writeColor(m_model, m_document.grid(), key, color); });
}

std::optional<std::string> EditingSession::setTransparencyText(std::string_view key,
                                                               std::string_view text,
                                                               std::string_view gesture) {
    const TransparencyInput input = transparencyFromText(text);
    (void)edit(UiString::UndoColor, gesture, key,
               [&] { return writeTransparency(m_model, m_document.grid(), key, input.byte); });
    return input.correctedText;
}

EditResult EditingSession::setTitle(std::u16string_view title) {
    return edit(UiString::UndoTitle, {}, {},
                [&] { return writeTitle(m_model, m_document.grid(), title); });
}

EditResult EditingSession::setOuterText(std::u16string_view text) {
    return edit(UiString::UndoTyping, {}, {},
                [&] { return writeOuterText(m_model, m_document.grid(), text); });
}

EditResult EditingSession::setGprs(GprsDisplayMode mode, std::u16string_view text) {
    return edit(UiString::UndoTyping, {}, {},
                [&] { return writeGprs(m_model, m_document.grid(), mode, text); });
}

EditResult EditingSession::setSetting(const SettingValue& setting) {
    UiString label = UiString::UndoTyping;
    switch (setting.kind) {
    case SettingKind::Switch:
        label = UiString::UndoSwitch;
        break;
    case SettingKind::Style:
        label = UiString::UndoStyle;
        break;
    case SettingKind::Volume:
        label = UiString::UndoVolume;
        break;
    case SettingKind::Color:
        label = UiString::UndoColor;
        break;
    case SettingKind::Title:
        label = UiString::UndoTitle;
        break;
    default:
        break;
    }
    return edit(label, {}, {}, [&] { return writeSetting(m_model, m_document.grid(), setting); });
}

EditResult EditingSession::takeOther(const SettingDifference& difference) {
    if (!canTake(m_document.grid(), difference))
        return EditRefusal{"the other file's value of " + difference.name + " cannot be taken",
                           std::nullopt};
    return edit(UiString::UndoTakeOther, {}, {}, [&]() -> EditResult {
        takeOtherValue(m_document.grid(), difference);
        return std::nullopt;
    });
}

std::vector<std::string> EditingSession::applyRecipe(const std::vector<RecipeEntry>& entries) {
    std::vector<std::string> problems;
    (void)edit(UiString::UndoApplySettings, {}, {}, [&]() -> EditResult {
        problems = applyRecipeEntries(m_document.type(), m_document.typeName(), m_document.grid(),
                                      entries);
        return std::nullopt;
    });
    return problems;
}

std::optional<int> EditingSession::typeCharacter(char typed) {
    const SessionBatch batch(*this);
    endGesture();
    return m_cursor.typeCharacter(typed);
}

void EditingSession::backspace() {
    const SessionBatch batch(*this);
    endGesture();
    m_cursor.backspace();
}

void EditingSession::deleteForward() {
    const SessionBatch batch(*this);
    endGesture();
    m_cursor.deleteForward();
}

void EditingSession::focusCell(int index) {
    const SessionBatch batch(*this);
    m_cursor.focus(index);
}

void EditingSession::markCells(int first, int count) {
    const SessionBatch batch(*this);
    ByteGrid& grid = m_document.grid();
    for (int cell = 0; cell < grid.cellCount(); ++cell)
        grid.setBorder(cell, false);
    if (count <= 0 || !grid.contains(first))
        return;
    grid.setCurrentCell(first);
    for (int cell = first; cell < first + count; ++cell)
        grid.setBorder(cell, true);
}

void EditingSession::endGesture() {
    m_document.endGesture();
    m_gesture.clear();
}

void EditingSession::undo() {
    const SessionBatch batch(*this);
    endGesture();
    m_document.undo();
}

void EditingSession::redo() {
    const SessionBatch batch(*this);
    endGesture();
    m_document.redo();
}

} // namespace vantrel
