// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QPalette;

#include <string>

namespace vantrel {

class ByteGridView;
class ColorTreeEditor;
class FunctionTreeEditor;
class StyleListEditor;
class VolumeEditor;
class UiStrings;
struct SeemComparison;

// The ground of every setting and cell that differs from the compared file
// on a light palette.
inline const QColor kDifferenceGround(255, 221, 128);
// The ground of the folders above a differing switch, so a closed folder shows it.
inline const QColor kDifferenceAboveGround(255, 240, 204);

// The two grounds as shown on palette: kept where its text reads on them,
// darkened under a dark palette's light text.
[[nodiscard]] QColor differenceGround(const QPalette& palette);
[[nodiscard]] QColor differenceAboveGround(const QPalette& palette);

// The editors a comparison marks; an editor not made yet is null.
struct MarkedEditors {
    FunctionTreeEditor* functions;
    StyleListEditor* styles;
    VolumeEditor* volumes;
    ColorTreeEditor* colors;
    ByteGridView& grid;
};

// Marks the settings and cells that differ: a coloured ground, and the other
// file's value in the setting's tooltip. Marks of an earlier comparison go;
// an empty comparison leaves no mark.
void markDifferences(const SeemComparison& comparison, const UiStrings& strings,
                     const MarkedEditors& editors);

} // namespace vantrel
