// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/GridCursor.h"

#include "core/document/ByteGrid.h"
#include "core/document/GridRows.h"

#include <algorithm>
#include <string>

namespace vantrel {

namespace {

constexpr int kDigitsPerCell = 2;

std::optional<char> upperHexDigit(char typed) {
    if ((typed >= '0' && typed <= '9') || (typed >= 'A' && typed <= 'F'))
        return typed;
    if (typed >= 'a' && typed <= 'f')
        return static_cast<char>(typed - 'a' + 'A');
    return std::nullopt;
}

} // namespace

int GridCursor::index() const {
    return m_grid.currentCell();
}

int GridCursor::caret() const {
    // An editor may have rewritten the cell since the caret was placed.
    return std::min(m_caret, caretLimit());
}

// Compared as placed, not as clamped: a digit typed at the end places the
// caret past the text it is about to lengthen.
void GridCursor::placeCaret(int caret) {
    if (caret == m_caret)
        return;
    m_caret = caret;
    m_caretListeners.notify(caret);
}

void GridCursor::focus(int byteIndex) {
    m_grid.focusCell(byteIndex);
    placeCaret(0);
}

void GridCursor::setCaret(int caret) {
    placeCaret(std::clamp(caret, 0, caretLimit()));
}

std::optional<int> GridCursor::moveLeft() {
    if (caret() > 0) {
        placeCaret(caret() - 1);
        return std::nullopt;
    }
    return moveFocusTo(index() - 1);
}

std::optional<int> GridCursor::moveRight() {
    if (caret() < caretLimit()) {
        placeCaret(caret() + 1);
        return std::nullopt;
    }
    return moveFocusTo(index() + 1);
}

std::optional<int> GridCursor::moveUp() {
    return moveFocusTo(index() - grid::kCellsPerRow);
}

std::optional<int> GridCursor::moveDown() {
    return moveFocusTo(index() + grid::kCellsPerRow);
}

std::optional<int> GridCursor::movePageUp(int rowsPerPage) {
    const int step = std::max(1, rowsPerPage) * grid::kCellsPerRow;
    return moveFocusTo(std::max(index() - step, grid::cellColumn(index())));
}

std::optional<int> GridCursor::movePageDown(int rowsPerPage) {
    const int step = std::max(1, rowsPerPage) * grid::kCellsPerRow;
    return moveFocusTo(std::min(index() + step, m_grid.cellCount() - 1));
}

std::optional<int> GridCursor::moveFirst() {
    return moveFocusTo(0);
}

std::optional<int> GridCursor::moveLast() {
    return moveFocusTo(m_grid.cellCount() - 1);
}

std::optional<int> GridCursor::typeCharacter(char typed) {
    const auto digit = upperHexDigit(typed);
    if (!digit || !m_grid.contains(index()))
        return std::nullopt;

    std::optional<int> movedTo;
    if (caret() >= kDigitsPerCell) {
        // Typing runs on into the next cell, as the two digits of one byte
        // are followed by those of the next; past the last cell it stops.
        if (!m_grid.contains(index() + 1))
            return std::nullopt;
        // The focus moves first, so the document sees the digit as the new cell's edit.
        focus(index() + 1);
        movedTo = index();
    }

    std::string text = m_grid.text(index());
    const auto at = static_cast<std::size_t>(caret());
    if (at < text.size())
        text[at] = *digit;
    else
        text.push_back(*digit);
    placeCaret(caret() + 1);
    m_grid.setText(index(), std::move(text));
    return movedTo;
}

void GridCursor::backspace() {
    const int at = caret();
    if (at == 0 || !m_grid.contains(index()))
        return;
    std::string text = m_grid.text(index());
    text.erase(static_cast<std::size_t>(at - 1), 1);
    placeCaret(at - 1);
    m_grid.setText(index(), std::move(text));
}

void GridCursor::deleteForward() {
    const int at = caret();
    std::string text = m_grid.text(index());
    if (static_cast<std::size_t>(at) >= text.size())
        return;
    text.erase(static_cast<std::size_t>(at), 1);
    m_grid.setText(index(), std::move(text));
}

int GridCursor::caretLimit() const {
    return std::min(static_cast<int>(m_grid.text(index()).size()), kDigitsPerCell);
}

std::optional<int> GridCursor::moveFocusTo(int byteIndex) {
    if (!m_navigationEnabled || !m_grid.contains(byteIndex) || byteIndex == index())
        return std::nullopt;
    focus(byteIndex);
    return byteIndex;
}

} // namespace vantrel
