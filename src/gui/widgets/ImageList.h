// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QString>

namespace vantrel {

// The small images the main window's trees and lists share, keyed "node",
// "off", "on" and "folder". They are drawn rather than shipped, outlined in
// the palette's text colour, so they stay readable on light, dark and
// high-contrast palettes alike; a palette change calls for them anew.
inline const QString kImageNode = QStringLiteral("node");
inline const QString kImageOff = QStringLiteral("off");
inline const QString kImageOn = QStringLiteral("on");
inline const QString kImageFolder = QStringLiteral("folder");

// The 16 x 16 image of key for a view of palette, drawn at devicePixelRatio;
// a null pixmap for an unknown key.
[[nodiscard]] QPixmap imageListPixmap(const QString& key, const QPalette& palette,
                                      qreal devicePixelRatio = 1.0);
// The image of key at 16 x 16 and 32 x 32; a null icon for an unknown key.
[[nodiscard]] QIcon imageListIcon(const QString& key, const QPalette& palette);

} // namespace vantrel
