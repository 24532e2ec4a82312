#include "gui/app/ImageList.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace vantrel {

namespace {

constexpr int kImageSide = 16;

// Every image keeps a dark outline around a light or saturated fill, so it
// separates from white and from near-black backgrounds.
void drawNode(QPainter& painter) {
    painter.setPen(QPen(QColor(0x1A, 0x4A, 0x99), 1.0));
    painter.setBrush(QColor(0x3B, 0x7D, 0xE0));
    painter.drawRect(QRectF(4.5, 4.5, 7, 7));
}

void drawOn(QPainter& painter) {
    painter.setPen(QPen(QColor(0x1B, 0x6E, 0x2F), 1.2));
    painter.setBrush(QColor(0x2E, 0xB0, 0x4C));
    painter.drawEllipse(QPointF(8, 8), 6.2, 6.2);
    // A tick as well as the colour, for readers who cannot tell green from red.
    QPen tick(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(tick);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF({QPointF(5, 8.2), QPointF(7.2, 10.4), QPointF(11, 5.8)}));
}

void drawOff(QPainter& painter) {
    painter.setPen(QPen(QColor(0xC0, 0x39, 0x2B), 1.8));
    painter.setBrush(QColor(0xC8, 0xC8, 0xC8, 110));
    painter.drawEllipse(QPointF(8, 8), 5.6, 5.6);
}

void drawFolder(QPainter& painter) {
    const QColor outline(0x8A, 0x66, 0x00);
    QPainterPath tab;
    tab.moveTo(1.5, 4.5);
    tab.lineTo(1.5, 2.5);
    tab.lineTo(6.0, 2.5);
    tab.lineTo(7.5, 4.5);
    tab.closeSubpath();
    painter.setPen(QPen(outline, 1.0));
    painter.setBrush(QColor(0xE0, 0xA8, 0x20));
    painter.drawPath(tab);
    painter.setBrush(QColor(0xF6, 0xC9, 0x45));
    painter.drawRect(QRectF(1.5, 4.5, 13, 9));
}

} // namespace

QPixmap imageListPixmap(const QString& key, qreal devicePixelRatio) {
    void (*draw)(QPainter&) = nullptr;
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
    draw(painter);
    return pixmap;
}

QIcon imageListIcon(const QString& key) {
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap pixmap = imageListPixmap(key, ratio);
        if (pixmap.isNull())
            return {};
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace vantrel
