// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/CellTexts.h"

namespace vantrel {

void CellTexts::resize(std::size_t count) {
    m_short.assign(count, {});
    m_long.clear();
}

std::string_view CellTexts::at(std::size_t index) const {
    const auto& cell = m_short[index];
    if (cell[kInline] == kLong) {
        const auto found = m_long.find(index);
        return found == m_long.end() ? std::string_view() : std::string_view(found->second);
    }
    return {cell.data(), static_cast<std::size_t>(cell[kInline])};
}

void CellTexts::set(std::size_t index, std::string_view text) {
    auto& cell = m_short[index];
    if (text.size() > kInline) {
        m_long[index] = std::string(text);
        cell[kInline] = kLong;
        return;
    }
    m_long.erase(index);
    text.copy(cell.data(), text.size());
    cell[kInline] = static_cast<char>(text.size());
}

} // namespace vantrel
