// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/document/ByteGridView.h"

#include <functional>
#include <vector>

class QLabel;
class QTreeWidget;
class QWidget;

namespace vantrel {

// The grid's cell descriptions for screen readers, taken from the editor the
// window shows now (shownEditor gives it, or null while none is shown: the
// editors are made only when first needed).
[[nodiscard]] ByteGridView::CellDescriber
describeByShownEditor(std::function<const QWidget*()> shownEditor);

// The main window's keyboard order: the grid, then the editors (only the one
// shown takes part, hidden widgets are skipped), then the information text,
// which becomes reachable by Tab so that a screen reader can read it.
// Run again whenever an editor is made or filled.
void setMainTabOrder(QWidget* grid, const std::vector<QWidget*>& editors, QLabel* information);

// The panel itself where it takes the focus by Tab, else the first of its
// controls that does; null when none does.
[[nodiscard]] QWidget* firstTabStop(QWidget* panel);

// Tells screen readers when a group of the tree opens or closes, as a change of
// the item's expanded state: Qt's tree views only say that their rows changed,
// and Orca then says nothing.
void announceExpansion(QTreeWidget* tree);

} // namespace vantrel
