// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <utility>
#include <vector>

class QAction;
class QMenu;

namespace vantrel {

// The enabled state of a controller's actions, each written once as a rule
// beside the action; refresh() applies every rule again when the state it
// reads may have changed.
class EnablingRules {
  public:
    using Rule = std::function<bool()>;

    void add(QAction* action, Rule rule);
    // A menu: its title in the menu bar and the menu itself.
    void add(QMenu* menu, Rule rule);
    void refresh() const;

  private:
    std::vector<std::pair<QAction*, Rule>> m_actions;
    std::vector<std::pair<QMenu*, Rule>> m_menus;
};

} // namespace vantrel
