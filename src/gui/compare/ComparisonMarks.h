#pragma once

#include <QColor>

namespace vantrel {

class ByteGridView;
class FunctionTreeEditor;
class StyleListEditor;
class UiStrings;
struct SeemComparison;

// The ground of every setting and cell that differs from the compared file.
inline const QColor kDifferenceGround(255, 221, 128);
// The ground of the folders above a differing switch, so a closed folder shows it.
inline const QColor kDifferenceAboveGround(255, 240, 204);

// Marks the settings and cells that differ: a coloured ground, and the other
// file's value in the setting's tooltip. Marks of an earlier comparison go;
// an empty comparison leaves no mark.
void markDifferences(const SeemComparison& comparison, const UiStrings& strings,
                     FunctionTreeEditor& functions, StyleListEditor& styles, ByteGridView& grid);

} // namespace vantrel
