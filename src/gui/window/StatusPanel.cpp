// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/window/StatusPanel.h"

#include <QPainter>
#include <QStyle>

namespace vantrel {

StatusPanel::StatusPanel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setContentsMargins(4, 0, 4, 0);
}

void StatusPanel::setStatusText(const QString& text) {
    setText(text);
    updateToolTip();
}

void StatusPanel::updateToolTip() {
    const bool cut = fontMetrics().horizontalAdvance(text()) > contentsRect().width();
    setToolTip(cut ? text() : QString());
}

QSize StatusPanel::minimumSizeHint() const {
    return {0, QLabel::minimumSizeHint().height()};
}

void StatusPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), shown, foregroundRole());
}

void StatusPanel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    updateToolTip();
}

} // namespace vantrel
