// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/EditHistory.h"

#include <algorithm>

namespace vantrel {

namespace {

std::size_t heapBytes(const std::string& text) {
    // Short texts live inside the string object itself.
    return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

std::size_t stepBytes(const EditStep& step) {
    std::size_t bytes =
        sizeof(EditStep) + heapBytes(step.mergeKey) + step.cells.capacity() * sizeof(CellEdit);
    for (const CellEdit& edit : step.cells)
        bytes += heapBytes(edit.before) + heapBytes(edit.after);
    return bytes;
}

} // namespace

void EditHistory::begin(UiString label, std::string mergeKey) {
    m_isOpen = true;
    m_reopened =
        !mergeKey.empty() && !m_sealed && !m_done.empty() && m_done.back().mergeKey == mergeKey;
    if (m_reopened) {
        m_open = std::move(m_done.back());
        m_done.pop_back();
        m_bytes -= stepBytes(m_open);
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
    if (!m_reopened) {
        for (const EditStep& step : m_undone)
            m_bytes -= stepBytes(step);
        m_undone.clear();
    }
    m_open.cells.shrink_to_fit();
    m_bytes += stepBytes(m_open);
    m_done.push_back(std::move(m_open));
    m_sealed = false;
    dropOldestOverBudget();
}

void EditHistory::dropOldestOverBudget() {
    // The newest step stays even alone over the budget, so the last action can be undone.
    while (m_bytes > m_budgetBytes && m_done.size() > 1) {
        m_bytes -= stepBytes(m_done.front());
        m_done.pop_front();
    }
}

void EditHistory::clear() {
    m_done.clear();
    m_undone.clear();
    m_bytes = 0;
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
