// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace vantrel {

// The application's style with the menu bar's extension arrows drawn in code.
// The style reads them from image files, and reading any image file loads every
// image format plugin Qt has (some 0.5 MiB), at the start, for a button that is
// seldom shown.
class DrawnIconStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    // Puts the style in front of the application's current one; call it before
    // the first window is made.
    static void install();

    [[nodiscard]] QIcon standardIcon(StandardPixmap standardIcon,
                                     const QStyleOption* option = nullptr,
                                     const QWidget* widget = nullptr) const override;
};

} // namespace vantrel
