// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/CheckMarkDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QPolygonF>

namespace vantrel {

void CheckMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);

    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    if (!(item.features & QStyleOptionViewItem::HasCheckIndicator))
        return;
    const QWidget* widget = item.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    const QRect box = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &item, widget)
                          .adjusted(1, 1, -1, -1);
    const QPalette::ColorGroup group =
        (item.state & QStyle::State_Enabled) ? QPalette::Active : QPalette::Disabled;
    const QColor ink = item.palette.color(group, QPalette::Text);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(ink, 1.0));
    painter->setBrush(item.palette.color(group, QPalette::Base));
    painter->drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    if (item.checkState == Qt::Checked) {
        const QRectF r(box);
        painter->setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPolyline(QPolygonF({
            QPointF(r.left() + r.width() * 0.22, r.top() + r.height() * 0.52),
            QPointF(r.left() + r.width() * 0.42, r.top() + r.height() * 0.74),
            QPointF(r.left() + r.width() * 0.78, r.top() + r.height() * 0.28),
        }));
    } else if (item.checkState == Qt::PartiallyChecked) {
        painter->fillRect(QRectF(box).adjusted(3, 3, -3, -3), ink);
    }
    painter->restore();
}

} // namespace vantrel
