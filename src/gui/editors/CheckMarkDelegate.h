// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

namespace vantrel {

// Draws the check boxes of a list in the palette's own text and base colours.
// Some styles draw an unticked box in a shade that nearly vanishes on a dark
// or high-contrast palette; a box outlined in the text colour never does.
class CheckMarkDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace vantrel
