// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ListenerList.h"

#include <functional>
#include <optional>

namespace vantrel {

class ByteGrid;

// The caret inside the grid's current cell, with the rules for moving between
// cells and for typing digits. It writes through the ByteGrid; whenever the
// focus has to go to another cell it gives that cell the focus before writing
// there, and returns its index, so the view can scroll and announce it.
//
// The caret runs from 0 (before the first digit) to 2 (after the second), and
// never past the end of a shorter text. Right moves the focus on when the
// caret can go no further in its cell: after the second digit, or at the end
// of a text of fewer than two characters, so a short cell never traps it.
// Each move of the caret is told to its listeners; a move to another cell is
// told by the grid.
class GridCursor {
  public:
    explicit GridCursor(ByteGrid& grid) : m_grid(grid) {}

    [[nodiscard]] int index() const;
    [[nodiscard]] int caret() const;

    // The focus arrives at byteIndex: it becomes the grid's current, bordered
    // cell, with the caret before its first digit.
    void focus(int byteIndex);
    // Caret within the current cell, clamped to what its text allows.
    void setCaret(int caret);

    // Whether arrows may leave the cell (only while a file is open); without
    // it Left and Right still move the caret and Up and Down do nothing.
    void setNavigationEnabled(bool enabled) { m_navigationEnabled = enabled; }
    [[nodiscard]] bool navigationEnabled() const { return m_navigationEnabled; }

    // Navigation: each returns the cell the focus moved to, if it moved.
    std::optional<int> moveLeft();
    std::optional<int> moveRight();
    std::optional<int> moveUp();
    std::optional<int> moveDown();
    // A page of rows up or down, keeping the column; a page that would pass
    // the first row stops in it, one that would pass the last cell stops there.
    std::optional<int> movePageUp(int rowsPerPage);
    std::optional<int> movePageDown(int rowsPerPage);
    // The first and the last cell of the grid.
    std::optional<int> moveFirst();
    std::optional<int> moveLast();
    void moveHome() { placeCaret(0); }
    void moveEnd() { placeCaret(caretLimit()); }

    // Value entry. A hexadecimal digit overwrites the character at the caret
    // (or is appended) in upper case; after the second digit it goes on to the
    // next cell's first digit, and the return value names that cell. Anything
    // else is ignored.
    std::optional<int> typeCharacter(char typed);
    void backspace();
    void deleteForward();

    using CaretListener = std::function<void(int caret)>;
    ListenerConnection addCaretListener(CaretListener listener) {
        return m_caretListeners.add(std::move(listener));
    }

  private:
    [[nodiscard]] int caretLimit() const;
    void placeCaret(int caret);
    std::optional<int> moveFocusTo(int byteIndex);

    ByteGrid& m_grid;
    int m_caret = 0;
    bool m_navigationEnabled = true;
    ListenerList<int> m_caretListeners;
};

} // namespace vantrel
