// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/style/PaletteColors.h"

#include "core/style/ReadableColor.h"

#include <QApplication>
#include <QWidget>

namespace vantrel {

QColor warningTextColor(const QWidget* widget) {
    const QColor window = widget->palette().color(QPalette::Window);
    const Rgb red = readableRed(Rgb{static_cast<std::uint8_t>(window.red()),
                                    static_cast<std::uint8_t>(window.green()),
                                    static_cast<std::uint8_t>(window.blue())});
    return QColor(red.red, red.green, red.blue);
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
