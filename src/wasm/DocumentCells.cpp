// SPDX-License-Identifier: GPL-3.0-or-later
// The cells: their texts, the grid's cursor that types into them, the bytes
// to save, and the texts the generators open with.
#include "core/document/CellStatus.h"
#include "core/document/OffsetInput.h"
#include "core/editors/SchemeTitle.h"
#include "core/generators/GprsTextRecord.h"
#include "core/generators/OuterTextRecord.h"
#include "wasm/BindingValues.h"
#include "wasm/DocumentBinding.h"

#include <cstdio>

namespace vantrel::wasm {

namespace {

val cellOrNull(std::optional<int> cell) {
    return cell ? val(*cell) : val::null();
}

} // namespace

val Document::bytesToSave() const {
    std::vector<std::uint8_t> bytes;
    if (const auto invalid = m_document.bytesToSave(bytes))
        return refusal(invalidCellMessage(*invalid));
    return bytesValue(bytes);
}

val Document::markSaved() {
    endGesture();
    std::vector<std::uint8_t> bytes;
    if (const auto invalid = m_document.bytesToSave(bytes))
        return refusal(invalidCellMessage(*invalid));
    m_document.markSaved(std::move(bytes));
    return val::undefined();
}

val Document::savedBytes() const {
    return bytesValue(m_document.savedBytes());
}

std::string Document::cellText(int index) const {
    return m_document.grid().contains(index) ? m_document.grid().text(index) : std::string();
}

val Document::cellTexts() const {
    JsonText json;
    json.beginArray();
    for (int i = 0; i < m_document.grid().cellCount(); ++i)
        json.value(m_document.grid().text(i));
    json.endArray();
    return jsonValue(json);
}

std::string Document::cellStatus(int index) const {
    return cellStatusText(index, cellText(index), languageInUse());
}

val Document::takeChangedCells() {
    val list = val::array();
    if (m_reset)
        list.call<void>("push", -1);
    else
        for (const int index : m_changed)
            list.call<void>("push", index);
    m_changed.clear();
    m_reset = false;
    return list;
}

void Document::focusCell(int index) {
    if (!m_document.grid().contains(index))
        return;
    endGesture();
    m_cursor.focus(index);
}

// The moves of the desktop grid's keys; the page maps its keys to these names.
val Document::moveCursor(const std::string& move, const val& rowsPerPageGiven) {
    endGesture();
    const int rowsPerPage = rowsPerPageGiven.isNumber() ? rowsPerPageGiven.as<int>() : 1;
    if (move == "left")
        return cellOrNull(m_cursor.moveLeft());
    if (move == "right")
        return cellOrNull(m_cursor.moveRight());
    if (move == "up")
        return cellOrNull(m_cursor.moveUp());
    if (move == "down")
        return cellOrNull(m_cursor.moveDown());
    if (move == "pageUp")
        return cellOrNull(m_cursor.movePageUp(rowsPerPage));
    if (move == "pageDown")
        return cellOrNull(m_cursor.movePageDown(rowsPerPage));
    if (move == "first")
        return cellOrNull(m_cursor.moveFirst());
    if (move == "last")
        return cellOrNull(m_cursor.moveLast());
    if (move == "home")
        m_cursor.moveHome();
    else if (move == "end")
        m_cursor.moveEnd();
    else
        return refusal("there is no cursor move " + move);
    return val::null();
}

val Document::typeCharacter(const std::string& typed) {
    endGesture();
    // One character of the basic set; the cursor drops what is not hexadecimal.
    if (typed.size() != 1)
        return val::null();
    return cellOrNull(m_cursor.typeCharacter(typed.front()));
}

void Document::backspace() {
    endGesture();
    m_cursor.backspace();
}

void Document::deleteForward() {
    endGesture();
    m_cursor.deleteForward();
}

val Document::offsetFromText(const std::string& typed, bool decimal) const {
    const std::string text = trimmedText(typed);
    const int cells = m_document.grid().cellCount();
    const OffsetInput input =
        parseOffset(text, decimal ? OffsetBase::Decimal : OffsetBase::Hexadecimal, cells);
    switch (input.status) {
    case OffsetInput::Status::Ok:
        return val(input.offset);
    case OffsetInput::Status::NotANumber:
        return refusal(languageInUse().format(
            decimal ? UiString::OffsetNotDecimal : UiString::OffsetNotHex, {text}));
    case OffsetInput::Status::BeyondEnd:
        break;
    }
    char lastHex[16];
    std::snprintf(lastHex, sizeof lastHex, "%X", static_cast<unsigned>(cells - 1));
    return refusal(languageInUse().format(UiString::OffsetBeyondEnd,
                                          {text, std::to_string(cells - 1), lastHex}));
}

std::string Document::outerTextPrefill() const {
    return utf16ToUtf8(vantrel::outerTextPrefill(m_document.typeName(), m_document.savedBytes()));
}

val Document::gprsPrefill() const {
    const GprsSetting setting =
        vantrel::gprsPrefill(m_document.path(), m_document.typeName(), m_document.savedBytes());
    val value = val::object();
    value.set("mode", gprsModeName(setting.mode));
    value.set("text", utf16ToUtf8(setting.text));
    return value;
}

} // namespace vantrel::wasm
