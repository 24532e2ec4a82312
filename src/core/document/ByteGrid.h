// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ListenerList.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// The open document: one hexadecimal text cell per byte of the file. Editors
// and typing change cell texts; saving turns them back into bytes. Cell 0
// always exists.
class ByteGrid {
  public:
    // Told the index of a cell that changed, or -1 after a rebuild or load.
    using Listener = std::function<void(int index)>;

    ByteGrid();

    // Makes exactly cells 0..lastIndex exist (at least cell 0). Cell 0 keeps
    // its text; the others start empty and unbordered. Cell 0 becomes current.
    void rebuild(int lastIndex);
    // Rebuilds to bytes.size() cells and writes every byte, two upper-case digits each.
    void load(const std::vector<std::uint8_t>& bytes);

    [[nodiscard]] int cellCount() const { return static_cast<int>(m_cells.size()); }
    [[nodiscard]] bool contains(int index) const { return index >= 0 && index < cellCount(); }

    [[nodiscard]] const std::string& text(int index) const;
    void setText(int index, std::string text);
    // The cell read as a hexadecimal byte; nothing for an empty or foreign text.
    [[nodiscard]] std::optional<std::uint8_t> value(int index) const;
    void writeByte(int index, std::uint8_t value);

    // The first cell that does not hold one or two hexadecimal digits.
    [[nodiscard]] std::optional<int> firstInvalidCell() const;
    // Every cell as a byte; a cell that does not hold one reads as 0.
    [[nodiscard]] std::vector<std::uint8_t> bytes() const;

    // The current cell: the one being edited, which last received the focus
    // or was made current by an editor. Always an existing cell.
    [[nodiscard]] int currentCell() const { return m_currentCell; }
    // Makes a cell current without moving any border (an editor that marks
    // several cells itself). Unknown indexes are ignored.
    void setCurrentCell(int index);
    // A cell receiving the focus: the previous current cell loses its border,
    // this one gets it and becomes current. Unknown indexes are ignored, and
    // so is the current cell when it already has its border.
    void focusCell(int index);

    [[nodiscard]] bool hasBorder(int index) const;
    void setBorder(int index, bool bordered);

    // Any number of listeners, each told until its connection goes; see
    // ListenerList for adding and removing while told. Text listeners hear of
    // texts, rebuilds and loads; focus listeners of borders and the current
    // cell (the index of each cell that gained or lost its border or became current).
    ListenerConnection addListener(Listener listener) {
        return m_listeners.add(std::move(listener));
    }
    // A view may watch the borders of a grid it cannot change.
    ListenerConnection addFocusListener(Listener listener) const {
        return m_focusListeners.add(std::move(listener));
    }

  private:
    // Cells 0..count-1; cell 0 keeps its text and border, the others start empty.
    void resize(std::size_t count);
    void notify(int index) const;

    std::vector<std::string> m_cells;
    std::vector<bool> m_borders;
    int m_currentCell = 0;
    ListenerList<int> m_listeners;
    mutable ListenerList<int> m_focusListeners;
};

} // namespace vantrel
