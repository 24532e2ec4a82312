// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/find/FindSession.h"

#include <algorithm>

namespace vantrel {

void FindSession::setQuery(FindMode mode, std::string text, const ByteGrid& grid,
                           const EditorModel& model, int fromCell) {
    m_mode = mode;
    m_text = std::move(text);
    m_note.reset();
    search(grid, model);
    m_current = matchCount() > 0 ? 0 : -1;
    if (findsBytes(m_mode) && !m_cells.empty()) {
        const auto after =
            std::find_if(m_cells.begin(), m_cells.end(),
                         [fromCell](const CellRange& r) { return r.offset >= fromCell; });
        if (after == m_cells.end())
            m_note = UiMessage{UiString::FindWrappedToStart, {}, MessageIcon::Information};
        else
            m_current = static_cast<int>(after - m_cells.begin());
    }
}

void FindSession::refresh(const ByteGrid& grid, const EditorModel& model) {
    const int kept = m_current;
    search(grid, model);
    m_current = matchCount() == 0 ? -1 : std::clamp(kept, 0, matchCount() - 1);
}

void FindSession::search(const ByteGrid& grid, const EditorModel& model) {
    m_problem.reset();
    m_cells.clear();
    m_settings.clear();
    if (m_mode == FindMode::Settings) {
        m_settings = findSettings(model, grid, m_text);
        return;
    }
    PatternParse parse = patternFor(m_mode, m_text);
    m_problem = std::move(parse.problem);
    m_cells = findPattern(grid, parse.pattern);
}

bool FindSession::next() {
    return step(1);
}

bool FindSession::previous() {
    return step(-1);
}

bool FindSession::step(int direction) {
    m_note.reset();
    const int count = matchCount();
    if (count == 0)
        return false;
    int moved = m_current + direction;
    if (moved >= count) {
        moved = 0;
        m_note = UiMessage{UiString::FindWrappedToStart, {}, MessageIcon::Information};
    } else if (moved < 0) {
        moved = count - 1;
        m_note = UiMessage{UiString::FindWrappedToEnd, {}, MessageIcon::Information};
    }
    m_current = moved;
    return true;
}

void FindSession::clear() {
    *this = FindSession();
}

FindState FindSession::state() const {
    if (m_problem)
        return FindState::Refused;
    if (m_text.empty() ||
        (m_mode == FindMode::HexBytes && m_text.find_first_not_of(" \t") == std::string::npos))
        return FindState::Empty;
    return matchCount() > 0 ? FindState::Found : FindState::NotFound;
}

UiMessage FindSession::status() const {
    switch (state()) {
    case FindState::Empty:
        return {UiString::FindTypeSomething, {}, MessageIcon::Information};
    case FindState::Refused:
        return *m_problem;
    case FindState::NotFound:
        return {UiString::FindNotFound, {}, MessageIcon::Information};
    case FindState::Found:
        break;
    }
    return {UiString::FindPosition,
            {std::to_string(m_current + 1), std::to_string(matchCount())},
            MessageIcon::Information};
}

int FindSession::matchCount() const {
    return static_cast<int>(findsBytes(m_mode) ? m_cells.size() : m_settings.size());
}

std::optional<CellRange> FindSession::currentCells() const {
    if (!findsBytes(m_mode) || m_current < 0)
        return std::nullopt;
    return m_cells[static_cast<std::size_t>(m_current)];
}

const SettingMatch* FindSession::currentSetting() const {
    if (findsBytes(m_mode) || m_current < 0)
        return nullptr;
    return &m_settings[static_cast<std::size_t>(m_current)];
}

} // namespace vantrel
