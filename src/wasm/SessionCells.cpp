// SPDX-License-Identifier: GPL-3.0-or-later
// The grid: its cells, and the session's cursor the page's keys drive.
#include "core/document/OffsetInput.h"
#include "wasm/ContractValues.h"
#include "wasm/PageValues.h"
#include "wasm/SessionBinding.h"

#include <cstdio>

namespace vantrel::wasm {

namespace {

val cellOrNull(std::optional<int> cell) {
    return cell ? val(*cell) : val::null();
}

std::string trimmedText(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

val SessionBinding::cellTexts() const {
    JsonText json;
    json.beginArray();
    for (int i = 0; i < m_session.grid().cellCount(); ++i)
        json.value(m_session.grid().text(i));
    json.endArray();
    return jsonValue(json);
}

val SessionBinding::typeCharacter(const val& typed) {
    PageValues in("typeCharacter");
    const std::string key = in.text(typed, "typed");
    if (in.failed())
        return in.refusal();
    // One character of the basic set; the cursor drops what is not hexadecimal.
    if (key.size() != 1)
        return val::null();
    const Call call(*this);
    return cellOrNull(m_session.typeCharacter(key.front()));
}

val SessionBinding::backspace() {
    const Call call(*this);
    m_session.backspace();
    return val::undefined();
}

val SessionBinding::deleteForward() {
    const Call call(*this);
    m_session.deleteForward();
    return val::undefined();
}

val SessionBinding::focusCell(const val& index) {
    PageValues in("focusCell");
    const int cell = in.integer(index, "index", 0, m_session.grid().cellCount() - 1);
    if (in.failed())
        return in.refusal();
    const Call call(*this);
    m_session.focusCell(cell);
    return val::undefined();
}

val SessionBinding::setCaret(const val& caret) {
    PageValues in("setCaret");
    const int place = in.integer(caret, "caret", 0, 2);
    if (in.failed())
        return in.refusal();
    const Call call(*this);
    m_session.cursor().setCaret(place);
    return val::undefined();
}

// The moves of the desktop grid's keys; the page maps its keys to their words.
val SessionBinding::moveCursor(const val& move, const val& rowsPerPage) {
    PageValues in("moveCursor");
    const std::string name = in.text(move, "move");
    const int rows =
        PageValues::absent(rowsPerPage) ? 1 : in.integer(rowsPerPage, "rowsPerPage", 1, 10000);
    if (in.failed())
        return in.refusal();
    const auto chosen = valueNamed(page::CursorMoveWords, name);
    if (!chosen)
        return refusal("moveCursor: there is no move " + name);
    const Call call(*this);
    GridCursor& cursor = m_session.cursor();
    cursor.setNavigationEnabled(m_session.fileOpen());
    switch (*chosen) {
    case CursorMove::Left:
        return cellOrNull(cursor.moveLeft());
    case CursorMove::Right:
        return cellOrNull(cursor.moveRight());
    case CursorMove::Up:
        return cellOrNull(cursor.moveUp());
    case CursorMove::Down:
        return cellOrNull(cursor.moveDown());
    case CursorMove::PageUp:
        return cellOrNull(cursor.movePageUp(rows));
    case CursorMove::PageDown:
        return cellOrNull(cursor.movePageDown(rows));
    case CursorMove::First:
        return cellOrNull(cursor.moveFirst());
    case CursorMove::Last:
        return cellOrNull(cursor.moveLast());
    case CursorMove::Home:
        cursor.moveHome();
        break;
    case CursorMove::End:
        cursor.moveEnd();
        break;
    }
    return val::null();
}

val SessionBinding::offsetFromText(const val& typed, const val& decimal) const {
    PageValues in("offsetFromText");
    const std::string text = trimmedText(in.text(typed, "typed"));
    const bool inDecimal = in.flag(decimal, "decimal");
    if (in.failed())
        return in.refusal();
    const int cells = m_session.grid().cellCount();
    const OffsetInput input =
        parseOffset(text, inDecimal ? OffsetBase::Decimal : OffsetBase::Hexadecimal, cells);
    switch (input.status) {
    case OffsetInput::Status::Ok:
        return val(input.offset);
    case OffsetInput::Status::NotANumber:
        return refusal(strings().format(
            inDecimal ? UiString::OffsetNotDecimal : UiString::OffsetNotHex, {text}));
    case OffsetInput::Status::BeyondEnd:
        break;
    }
    char lastHex[16];
    std::snprintf(lastHex, sizeof lastHex, "%X", static_cast<unsigned>(cells - 1));
    return refusal(
        strings().format(UiString::OffsetBeyondEnd, {text, std::to_string(cells - 1), lastHex}));
}

} // namespace vantrel::wasm
