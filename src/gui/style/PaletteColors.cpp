// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/style/PaletteColors.h"

#include "desktop/style/ReadableColor.h"

#include <QApplication>
#include <QWidget>

namespace vantrel {

namespace {

Rgb toRgb(const QColor& color) {
    return Rgb{static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
               static_cast<std::uint8_t>(color.blue())};
}

QColor toColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

QColor warningTextColor(const QWidget* widget) {
    const Rgb red = readableRed(toRgb(widget->palette().color(QPalette::Window)));
    return QColor(red.red, red.green, red.blue);
}

QColor readableDisabledText(const QPalette& palette) {
    const Rgb shown = readableTowards(toRgb(palette.color(QPalette::Disabled, QPalette::Text)),
                                      toRgb(palette.color(QPalette::Active, QPalette::Text)),
                                      toRgb(palette.color(QPalette::Active, QPalette::Base)));
    return QColor(shown.red, shown.green, shown.blue);
}

QColor focusFrameColor(const QPalette& palette) {
    const Rgb shown = readableTowards(toRgb(palette.color(QPalette::Active, QPalette::Highlight)),
                                      toRgb(palette.color(QPalette::Active, QPalette::Text)),
                                      toRgb(palette.color(QPalette::Active, QPalette::Base)));
    return QColor(shown.red, shown.green, shown.blue);
}

QColor markGround(const QPalette& palette, const QColor& preferred) {
    return toColor(
        readableGround(toRgb(preferred), toRgb(palette.color(QPalette::Active, QPalette::Text))));
}

QColor fainterMarkGround(const QPalette& palette, const QColor& faint, const QColor& mark) {
    return toColor(fainterGround(toRgb(faint), toRgb(mark),
                                 toRgb(palette.color(QPalette::Active, QPalette::Base)),
                                 toRgb(palette.color(QPalette::Active, QPalette::Text))));
}

void setWindowTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    const QPalette inherited =
        widget->parentWidget() ? widget->parentWidget()->palette() : QApplication::palette(widget);
    const QColor shown = color.isValid() ? color : inherited.color(QPalette::WindowText);
    palette.setColor(QPalette::Active, QPalette::WindowText, shown);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, shown);
    widget->setPalette(palette);
}

} // namespace vantrel
