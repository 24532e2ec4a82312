// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/style/ImageFreeStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>

namespace vantrel {

namespace {

// A double chevron pointing toward the menus that did not fit, drawn in the
// colour of the button's text only when the button is shown.
class ChevronIconEngine : public QIconEngine {
  public:
    ChevronIconEngine(Qt::ArrowType direction, const QPalette& palette)
        : m_direction(direction), m_color(palette.color(QPalette::Active, QPalette::ButtonText)),
          m_disabledColor(palette.color(QPalette::Disabled, QPalette::ButtonText)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State /*state*/) override {
        const QColor& color = mode == QIcon::Disabled ? m_disabledColor : m_color;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(color, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        // Drawn pointing right on a 16-unit square, then turned the way asked.
        painter->translate(QRectF(rect).center());
        painter->scale(rect.width() / 16.0, rect.height() / 16.0);
        if (m_direction == Qt::LeftArrow)
            painter->rotate(180);
        else if (m_direction == Qt::DownArrow)
            painter->rotate(90);
        QPainterPath chevrons;
        for (const qreal x : {-4.0, 0.5}) {
            chevrons.moveTo(x, -4);
            chevrons.lineTo(x + 3.5, 0);
            chevrons.lineTo(x, 4);
        }
        painter->drawPath(chevrons);
        painter->restore();
    }

    [[nodiscard]] QIconEngine* clone() const override { return new ChevronIconEngine(*this); }

  private:
    Qt::ArrowType m_direction;
    QColor m_color;
    QColor m_disabledColor;
};

// Fusion as Qt 6.4 has it, which reads a group box's frame from an image and
// draws it below the title itself; later versions place the frame otherwise
// and keep their own drawing.
bool drawsFusionGroupBoxes(const QStyle& style) {
    return QT_VERSION < QT_VERSION_CHECK(6, 5, 0) &&
           style.name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0;
}

} // namespace

void ImageFreeStyle::install() {
    // Without a style of its own the proxy makes the one the application would
    // have chosen (the desktop's, or one named by -style or QT_STYLE_OVERRIDE).
    QApplication::setStyle(new ImageFreeStyle);
}

QIcon ImageFreeStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                   const QWidget* widget) const {
    if (standardIcon != SP_ToolBarHorizontalExtensionButton &&
        standardIcon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(standardIcon, option, widget);

    const bool rightToLeft = option   ? option->direction == Qt::RightToLeft
                             : widget ? widget->isRightToLeft()
                                      : QGuiApplication::isRightToLeft();
    const Qt::ArrowType direction = standardIcon == SP_ToolBarVerticalExtensionButton
                                        ? Qt::DownArrow
                                        : (rightToLeft ? Qt::LeftArrow : Qt::RightArrow);
    const QPalette palette = option   ? option->palette
                             : widget ? widget->palette()
                                      : QApplication::palette();
    return QIcon(new ChevronIconEngine(direction, palette));
}

void ImageFreeStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox || !drawsFusionGroupBoxes(*baseStyle())) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Where Fusion puts the frame: below the title and the check box, if any.
    constexpr int kPxTopMargin = 3;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const int pxTop = box && !box->isCheckable() && box->title().isEmpty()
                          ? kPxTopMargin
                          : std::max(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight),
                                     option->fontMetrics.height()) +
                                kPxTopMargin;
    // Fusion's frame as its image has it: a faint grey outline with rounded
    // corners, a pixel in from the top left, around a barely darker inside with
    // a darker rim.
    const QRectF outline = QRectF(option->rect).adjusted(1.5, pxTop + 1.5, -0.5, -0.5);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(0, 0, 0, 3));
    painter->drawRoundedRect(outline, 1, 1);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QColor(0, 0, 0, 4));
    painter->drawRoundedRect(outline.adjusted(1, 1, -1, -1), 1, 1);
    painter->setPen(QColor(0x75, 0x75, 0x75, 0x32));
    painter->drawRoundedRect(outline, 1, 1);
    painter->restore();
}

} // namespace vantrel
