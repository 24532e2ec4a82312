// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace vantrel {

// Red for a warning shown on widget's window background, readable on the
// current palette (light or dark).
[[nodiscard]] QColor warningTextColor(const QWidget* widget);

// The palette's disabled text colour, moved toward its normal text colour
// just as far as it takes to stay readable on the palette's base colour.
[[nodiscard]] QColor readableDisabledText(const QPalette& palette);

// The frame around the grid's edit cell: the palette's highlight colour,
// moved toward its text colour as far as it takes to stand out on the base
// colour, so the keyboard focus shows on light and dark palettes alike.
[[nodiscard]] QColor focusFrameColor(const QPalette& palette);

// The ground of a mark under the palette's text: preferred where the text
// reads on it, else preferred darkened or lightened until it does.
[[nodiscard]] QColor markGround(const QPalette& palette, const QColor& preferred);

// A fainter mark beside mark (made by markGround): faint where the text reads
// on it, else a colour between mark and the palette's base.
[[nodiscard]] QColor fainterMarkGround(const QPalette& palette, const QColor& faint,
                                       const QColor& mark);

// Shows label-like widget's text in color, or in the palette's own text
// colour when color is invalid.
void setWindowTextColor(QWidget* widget, const QColor& color);

} // namespace vantrel
