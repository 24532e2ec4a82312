// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/EnablingRules.h"

#include <QAction>
#include <QMenu>

namespace vantrel {

void EnablingRules::add(QAction* action, Rule rule) {
    action->setEnabled(rule());
    m_actions.emplace_back(action, std::move(rule));
}

void EnablingRules::add(QMenu* menu, Rule rule) {
    m_menus.emplace_back(menu, std::move(rule));
    refresh();
}

void EnablingRules::refresh() const {
    for (const auto& [action, rule] : m_actions)
        action->setEnabled(rule());
    for (const auto& [menu, rule] : m_menus) {
        const bool enabled = rule();
        menu->setEnabled(enabled);
        menu->menuAction()->setEnabled(enabled);
    }
}

} // namespace vantrel
