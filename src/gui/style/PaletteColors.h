// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QWidget;

namespace vantrel {

// Red for a warning shown on widget's window background, readable on the
// current palette (light or dark).
[[nodiscard]] QColor warningTextColor(const QWidget* widget);

// Shows label-like widget's text in color, or in the palette's own text
// colour when color is invalid.
void setWindowTextColor(QWidget* widget, const QColor& color);

} // namespace vantrel
