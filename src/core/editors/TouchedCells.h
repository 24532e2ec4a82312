// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <vector>

namespace vantrel {

// The cells a refresh is about, for one look per setting: every cell when none are named.
class TouchedCells {
  public:
    TouchedCells(std::span<const int> cells, int cellCount) : m_all(cells.empty()) {
        if (m_all)
            return;
        m_touched.assign(static_cast<std::size_t>(std::max(cellCount, 0)), false);
        for (int cell : cells) {
            if (cell >= 0 && cell < cellCount)
                m_touched[static_cast<std::size_t>(cell)] = true;
        }
    }
    [[nodiscard]] bool any(int first, int count) const {
        if (m_all)
            return true;
        for (int cell = std::max(first, 0); cell < first + count; ++cell) {
            if (static_cast<std::size_t>(cell) >= m_touched.size())
                return false;
            if (m_touched[static_cast<std::size_t>(cell)])
                return true;
        }
        return false;
    }

  private:
    bool m_all;
    std::vector<bool> m_touched;
};

} // namespace vantrel
