// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/document/GridRuler.h"

#include "desktop/layout/GridGeometry.h"
#include "gui/document/ByteGridView.h"
#include "gui/i18n/UiText.h"

#include <QPainter>

namespace vantrel {

namespace {

using namespace grid;

// A little smaller than the cells' digits, so the offsets read as labels.
constexpr int kPxRulerFontSize = 10;
// Room on the right of the row offsets, which the current row's bold takes a pixel of.
constexpr int kPxGutterPadding = 2;

} // namespace

GridRuler::GridRuler(Kind kind, const ByteGridView& view, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_view(view) {
    setObjectName(kind == Kind::RowOffsets ? QStringLiteral("rowOffsets")
                                           : QStringLiteral("columnHeader"));
    // The cells' face, so the rulers load no font file of their own.
    m_font = view.cellFont();
    m_font.setPixelSize(kPxRulerFontSize);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

QStringList GridRuler::visibleTexts() const {
    QStringList texts;
    for (const Label& label : labels()) {
        if (rect().intersects(label.rect))
            texts << label.text;
    }
    return texts;
}

QList<GridRuler::Label> GridRuler::labels() const {
    QList<Label> result;
    const int cellCount = m_view.cellCount();
    const int editIndex = m_view.editIndex();
    if (m_kind == Kind::Columns) {
        // Only the place across matters, whatever the scroll position.
        const int pxLeft = m_view.viewport()->x() - x();
        for (int column = 0; column < kCellsPerRow; ++column) {
            const int pxCellLeft = pxLeft + twipsToPx(cellTwipLeft(column));
            result.append({QRect(pxCellLeft, 0, twipsToPx(kTwipCellWidth), height()),
                           uiText(columnHeaderText(column)), column == cellColumn(editIndex),
                           column});
        }
        return result;
    }
    const int pxTop = m_view.viewport()->y() - y();
    const int lastRow = cellRow(cellCount - 1);
    for (int row = 0; row <= lastRow; ++row) {
        const QRect cell = m_view.cellRect(row * kCellsPerRow);
        const QRect rect(0, pxTop + cell.top(), width() - kPxGutterPadding, cell.height());
        if (rect.bottom() < 0)
            continue;
        if (rect.top() > height())
            break;
        result.append({rect, uiText(rowOffsetText(row)), row == cellRow(editIndex), row});
    }
    return result;
}

void GridRuler::setRowOverlay(RowOverlay overlay) {
    m_rowOverlay = std::move(overlay);
    update();
}

void GridRuler::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setFont(m_font);
    const bool enabled = m_view.isEnabled() && m_view.cellsEnabled();
    painter.setPen(
        palette().color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const int alignment =
        Qt::AlignVCenter | (m_kind == Kind::Columns ? Qt::AlignHCenter : Qt::AlignRight);
    for (const Label& label : labels()) {
        if (m_rowOverlay && m_kind == Kind::RowOffsets) {
            painter.save();
            m_rowOverlay(painter, label.index, label.rect);
            painter.restore();
        }
        painter.drawText(label.rect, alignment, label.text);
        // Bold by drawing again a pixel to the right, into the padding: a bold
        // face would be one more font file read at start for two labels.
        if (label.current && enabled)
            painter.drawText(label.rect.translated(1, 0), alignment, label.text);
    }
}

} // namespace vantrel
