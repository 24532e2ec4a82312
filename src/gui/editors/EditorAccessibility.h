// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/document/ByteGridView.h"

#include <initializer_list>

class QLabel;
class QWidget;

namespace vantrel {

class ColorTreeEditor;
class FunctionTreeEditor;
class StyleListEditor;
class VolumeEditor;

// The grid's cell descriptions for screen readers, taken from whichever of
// the editors the window shows now.
[[nodiscard]] ByteGridView::CellDescriber describeByShownEditor(const FunctionTreeEditor& functions,
                                                                const StyleListEditor& styles,
                                                                const VolumeEditor& volumes,
                                                                const ColorTreeEditor& colors);

// The main window's keyboard order: the grid, then the editors (only the one
// shown takes part, hidden widgets are skipped), then the information text,
// which becomes reachable by Tab so that a screen reader can read it.
void setMainTabOrder(QWidget* grid, std::initializer_list<QWidget*> editors, QLabel* information);

} // namespace vantrel
