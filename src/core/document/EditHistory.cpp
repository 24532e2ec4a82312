// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/EditHistory.h"

#include <algorithm>

namespace vantrel {

void EditHistory::begin(int label, std::string mergeKey) {
    m_isOpen = true;
    m_reopened =
        !mergeKey.empty() && !m_sealed && !m_done.empty() && m_done.back().mergeKey == mergeKey;
    if (m_reopened) {
        m_open = std::move(m_done.back());
        m_done.pop_back();
        return;
    }
    m_open = EditStep{label, std::move(mergeKey), {}};
}

void EditHistory::record(int index, const std::string& before, const std::string& after) {
    if (!m_isOpen)
        return;
    // A step touches a handful of cells, so a linear search is the quickest.
    const auto known = std::find_if(m_open.cells.begin(), m_open.cells.end(),
                                    [index](const CellEdit& edit) { return edit.index == index; });
    if (known != m_open.cells.end())
        known->after = after;
    else
        m_open.cells.push_back(CellEdit{index, before, after});
}

void EditHistory::end() {
    if (!m_isOpen)
        return;
    m_isOpen = false;
    std::erase_if(m_open.cells, [](const CellEdit& edit) { return edit.before == edit.after; });
    if (m_open.cells.empty()) {
        // Nothing to keep; a reopened step was the last one, so nothing follows it either.
        m_sealed = true;
        return;
    }
    if (!m_reopened)
        m_undone.clear();
    m_done.push_back(std::move(m_open));
    m_sealed = false;
}

void EditHistory::clear() {
    m_done.clear();
    m_undone.clear();
    m_isOpen = false;
    m_sealed = true;
}

const EditStep* EditHistory::takeUndo() {
    if (m_done.empty())
        return nullptr;
    m_sealed = true;
    m_undone.push_back(std::move(m_done.back()));
    m_done.pop_back();
    return &m_undone.back();
}

const EditStep* EditHistory::takeRedo() {
    if (m_undone.empty())
        return nullptr;
    m_sealed = true;
    m_done.push_back(std::move(m_undone.back()));
    m_undone.pop_back();
    return &m_done.back();
}

} // namespace vantrel
