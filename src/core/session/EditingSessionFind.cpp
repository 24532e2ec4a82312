// SPDX-License-Identifier: GPL-3.0-or-later
// The find bar's search over the open file, chosen as the faces show it.
#include "core/session/EditingSession.h"

#include "core/session/SessionBatch.h"

namespace vantrel {

void EditingSession::find(FindMode mode, std::string text) {
    const SessionBatch batch(*this);
    m_find.setQuery(mode, std::move(text), m_document.grid(), m_model,
                    m_document.grid().currentCell());
    m_pending.find = true;
    chooseFound();
}

bool EditingSession::findNext() {
    const SessionBatch batch(*this);
    m_pending.find = true;
    if (!m_find.next())
        return false;
    chooseFound();
    return true;
}

bool EditingSession::findPrevious() {
    const SessionBatch batch(*this);
    m_pending.find = true;
    if (!m_find.previous())
        return false;
    chooseFound();
    return true;
}

void EditingSession::closeFind() {
    const SessionBatch batch(*this);
    m_find.clear();
    m_pending.find = true;
}

void EditingSession::chooseFound() {
    if (const auto cells = m_find.currentCells())
        m_cursor.focus(cells->offset);
    else if (const SettingMatch* setting = m_find.currentSetting())
        markCells(setting->firstCell, setting->cellCount);
}

} // namespace vantrel
