// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace vantrel {

// Sizes and places a top-level window so that it lies wholly inside the
// available area of its screen (the screen less panels and docks, in the
// device-independent pixels of the scale factor in force): its client area
// the wanted size where that fits, smaller where it does not.
void fitWindowToScreen(QWidget* window, QSize wanted, const QRect& available);
// The same for the available area of the screen the window is on.
void fitWindowToScreen(QWidget* window, QSize wanted);

} // namespace vantrel
