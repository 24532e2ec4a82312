// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/ByteGrid.h"

#include "core/base/BitHelpers.h"

namespace vantrel {

namespace {
const std::string kNoText;
}

ByteGrid::ByteGrid() : m_cells(1), m_borders(1, false) {}

void ByteGrid::rebuild(int lastIndex) {
    resize(lastIndex < 1 ? 1 : static_cast<std::size_t>(lastIndex) + 1);
    m_currentCell = 0;
    notify(-1);
}

void ByteGrid::load(const std::vector<std::uint8_t>& bytes) {
    resize(bytes.empty() ? 1 : bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        m_cells[i] = byteToHex(bytes[i]);
    m_currentCell = 0;
    notify(-1);
}

void ByteGrid::resize(std::size_t count) {
    std::string first = std::move(m_cells.front());
    const bool firstBorder = m_borders.front();
    m_cells.assign(count, std::string());
    m_borders.assign(count, false);
    m_cells.front() = std::move(first);
    m_borders.front() = firstBorder;
}

const std::string& ByteGrid::text(int index) const {
    return contains(index) ? m_cells[static_cast<std::size_t>(index)] : kNoText;
}

void ByteGrid::setText(int index, std::string text) {
    if (!contains(index))
        return;
    m_cells[static_cast<std::size_t>(index)] = std::move(text);
    notify(index);
}

std::optional<std::uint8_t> ByteGrid::value(int index) const {
    const std::string& cell = text(index);
    if (cell.size() > 2)
        return std::nullopt;
    const auto parsed = parseHex(cell);
    if (!parsed || *parsed > 0xFF)
        return std::nullopt;
    return static_cast<std::uint8_t>(*parsed);
}

void ByteGrid::writeByte(int index, std::uint8_t value) {
    setText(index, byteToHex(value));
}

std::optional<int> ByteGrid::firstInvalidCell() const {
    for (int i = 0; i < cellCount(); ++i) {
        if (!value(i))
            return i;
    }
    return std::nullopt;
}

std::vector<std::uint8_t> ByteGrid::bytes() const {
    std::vector<std::uint8_t> result;
    result.reserve(m_cells.size());
    for (int i = 0; i < cellCount(); ++i)
        result.push_back(value(i).value_or(0));
    return result;
}

void ByteGrid::setCurrentCell(int index) {
    if (!contains(index) || index == m_currentCell)
        return;
    m_currentCell = index;
    m_focusListeners.notify(index);
}

void ByteGrid::focusCell(int index) {
    if (!contains(index) || (index == m_currentCell && hasBorder(index)))
        return;
    setBorder(m_currentCell, false);
    m_currentCell = index;
    if (hasBorder(index))
        m_focusListeners.notify(index); // marked already, but current only now
    else
        setBorder(index, true);
}

bool ByteGrid::hasBorder(int index) const {
    return contains(index) && m_borders[static_cast<std::size_t>(index)];
}

void ByteGrid::setBorder(int index, bool bordered) {
    if (!contains(index) || m_borders[static_cast<std::size_t>(index)] == bordered)
        return;
    m_borders[static_cast<std::size_t>(index)] = bordered;
    m_focusListeners.notify(index);
}

void ByteGrid::notify(int index) const {
    m_listeners.notify(index);
}

} // namespace vantrel
