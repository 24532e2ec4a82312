// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace vantrel {

// The application's style with what Qt's own styles read from image files
// drawn in code instead: the menu bar's extension arrows (made with every menu
// bar, though seldom shown) and, under Fusion, the frame of a group box, which
// most editors show. Reading any image file loads every image format plugin Qt
// has, some 0.5 MiB at the start.
class ImageFreeStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    // Puts the style in front of the application's current one; call it before
    // the first window is made.
    static void install();

    [[nodiscard]] QIcon standardIcon(StandardPixmap standardIcon,
                                     const QStyleOption* option = nullptr,
                                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

} // namespace vantrel
