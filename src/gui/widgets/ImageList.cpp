// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/ImageList.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace vantrel {

namespace {

constexpr int kImageSide = 16;

// Each image is outlined in the text colour of the view it sits in; the fills
// keep their meaning (green on, empty off, yellow folder) on any palette.
struct Colours {
    QColor outline;
    QColor background;
    QColor highlight;
};

void drawNode(QPainter& painter, const Colours& colours) {
    painter.setPen(QPen(colours.outline, 1.0));
    painter.setBrush(colours.highlight);
    painter.drawRect(QRectF(4.5, 4.5, 7, 7));
}

void drawOn(QPainter& painter, const Colours& colours) {
    painter.setPen(QPen(colours.outline, 1.2));
    painter.setBrush(QColor(0x2E, 0xB0, 0x4C));
    painter.drawEllipse(QPointF(8, 8), 6.2, 6.2);
    // A tick as well as the colour, for readers who cannot tell the colours apart.
    painter.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF({QPointF(5, 8.2), QPointF(7.2, 10.4), QPointF(11, 5.8)}));
}

void drawOff(QPainter& painter, const Colours& colours) {
    painter.setPen(QPen(colours.outline, 1.4));
    painter.setBrush(colours.background);
    painter.drawEllipse(QPointF(8, 8), 5.6, 5.6);
}

void drawFolder(QPainter& painter, const Colours& colours) {
    QPainterPath tab;
    tab.moveTo(1.5, 4.5);
    tab.lineTo(1.5, 2.5);
    tab.lineTo(6.0, 2.5);
    tab.lineTo(7.5, 4.5);
    tab.closeSubpath();
    painter.setPen(QPen(colours.outline, 1.0));
    painter.setBrush(QColor(0xE0, 0xA8, 0x20));
    painter.drawPath(tab);
    painter.setBrush(QColor(0xF6, 0xC9, 0x45));
    painter.drawRect(QRectF(1.5, 4.5, 13, 9));
}

} // namespace

QPixmap imageListPixmap(const QString& key, const QPalette& palette, qreal devicePixelRatio) {
    void (*draw)(QPainter&, const Colours&) = nullptr;
    if (key == kImageNode)
        draw = drawNode;
    else if (key == kImageOn)
        draw = drawOn;
    else if (key == kImageOff)
        draw = drawOff;
    else if (key == kImageFolder)
        draw = drawFolder;
    if (!draw)
        return {};

    const int side = qRound(kImageSide * devicePixelRatio);
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, {palette.color(QPalette::Text), palette.color(QPalette::Base),
                   palette.color(QPalette::Highlight)});
    return pixmap;
}

QIcon imageListIcon(const QString& key, const QPalette& palette) {
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap pixmap = imageListPixmap(key, palette, ratio);
        if (pixmap.isNull())
            return {};
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace vantrel
