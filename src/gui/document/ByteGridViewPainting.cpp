// SPDX-License-Identifier: GPL-3.0-or-later
// How the grid draws its cells, their digits and the caret.
#include "gui/document/ByteGridView.h"

#include "core/base/BitHelpers.h"
#include "core/document/ByteGrid.h"
#include "desktop/layout/GridGeometry.h"
#include "desktop/style/ReadableColor.h"
#include "gui/i18n/UiText.h"
#include "gui/style/PaletteColors.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace vantrel {

namespace {

using namespace grid;

constexpr int kPxCaretInset = 3;

QColor foundColor(const QPalette& palette, bool current) {
    const auto rgb = [](const QColor& color) {
        return Rgb{static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
                   static_cast<std::uint8_t>(color.blue())};
    };
    const Rgb ground = foundGround(rgb(palette.color(QPalette::Active, QPalette::Base)),
                                   rgb(palette.color(QPalette::Active, QPalette::Text)), current);
    return QColor(ground.red, ground.green, ground.blue);
}

} // namespace

void ByteGridView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setFont(m_cellFont);
    const QPalette::ColorGroup group =
        (m_cellsEnabled && isEnabled()) ? QPalette::Active : QPalette::Disabled;
    if (!m_found.empty()) {
        m_foundGrounds[0] = foundColor(palette(), false);
        m_foundGrounds[1] = foundColor(palette(), true);
    }

    // Only the rows that cross the damaged area are visited.
    const QRect dirty = event->rect();
    const int twipTop = pxToTwips(dirty.top() + scrollPx()) - kTwipFirstCellTop;
    const int twipBottom = pxToTwips(dirty.bottom() + 1 + scrollPx()) - kTwipFirstCellTop;
    const int lastRow = cellRow(m_grid.cellCount() - 1);
    const int firstRow = std::max(0, twipTop / kTwipPitchY - 1);
    const int endRow = std::min(lastRow, twipBottom / kTwipPitchY + 1);
    for (int row = firstRow; row <= endRow; ++row) {
        const int rowEnd = std::min(m_grid.cellCount(), (row + 1) * kCellsPerRow);
        for (int index = row * kCellsPerRow; index < rowEnd; ++index) {
            const QRect rect = cellRect(index);
            if (rect.intersects(dirty))
                paintCell(painter, index, rect, group);
        }
    }
    paintCaret(painter, group);
}

void ByteGridView::setHighlightedCells(std::vector<bool> highlighted, const QColor& ground) {
    if (highlighted == m_highlighted && ground == m_highlightGround)
        return;
    m_highlighted = std::move(highlighted);
    m_highlightGround = ground;
    viewport()->update();
}

void ByteGridView::setCellOverlay(CellOverlay overlay) {
    m_cellOverlay = std::move(overlay);
    viewport()->update();
}

void ByteGridView::setFoundCells(const std::vector<CellRange>& matches,
                                 std::optional<CellRange> current) {
    std::vector<std::uint8_t> found(matches.empty() ? 0 : static_cast<std::size_t>(cellCount()), 0);
    const auto mark = [&found](CellRange range, std::uint8_t how) {
        for (int k = range.offset; k < range.offset + range.length; ++k) {
            if (k >= 0 && static_cast<std::size_t>(k) < found.size())
                found[static_cast<std::size_t>(k)] = how;
        }
    };
    for (const CellRange& match : matches)
        mark(match, 1);
    if (current)
        mark(*current, 2);
    if (found == m_found)
        return;
    m_found = std::move(found);
    viewport()->update();
}

void ByteGridView::paintCell(QPainter& painter, int index, const QRect& rect,
                             QPalette::ColorGroup group) {
    // Disabled cells grey only their digits: the cells themselves and the
    // marks the colour editor puts on them must stay easy to see.
    const bool highlighted =
        static_cast<std::size_t>(index) < m_highlighted.size() && m_highlighted[index];
    painter.fillRect(rect, highlighted ? m_highlightGround
                                       : palette().color(QPalette::Active, QPalette::Base));
    if (m_cellOverlay) {
        painter.save();
        m_cellOverlay(painter, index, rect);
        painter.restore();
    }
    const std::uint8_t found = static_cast<std::size_t>(index) < m_found.size()
                                   ? m_found[static_cast<std::size_t>(index)]
                                   : 0;
    if (found != 0)
        painter.fillRect(rect.adjusted(1, 1, -1, -1), m_foundGrounds[found - 1]);
    // The edit cell of a focused grid is framed twice as thick as a border,
    // in a highlight that stands out on the cells, so the keyboard focus
    // shows even on a cell that carries no border.
    const bool focusFrame = index == m_cursor.index() && hasFocus() && m_cellsEnabled;
    if (focusFrame) {
        painter.setPen(QPen(focusFrameColor(palette()), 2));
        painter.drawRect(rect.adjusted(1, 1, -1, -1));
    } else if (m_grid.hasBorder(index)) {
        painter.setPen(palette().color(QPalette::Active, QPalette::Text));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    const std::string& text = m_grid.text(index);
    if (text.empty())
        return;
    // Greyed digits still have to be read (the colour editor's grid is disabled).
    painter.setPen(group == QPalette::Disabled ? readableDisabledText(palette())
                                               : palette().color(group, QPalette::Text));
    if (const CellLayout* layout = cachedLayout(text)) {
        const int pxLeft = rect.left() + (rect.width() - layout->pxWidth) / 2;
        painter.drawStaticText(pxLeft, rect.top() + m_pxTextTop, layout->text);
        return;
    }
    const QString upper = uiText(text).toUpper();
    painter.drawText(textPxLeft(rect, upper), rect.top() + m_pxTextTop + m_cellMetrics.ascent(),
                     upper);
}

const ByteGridView::CellLayout* ByteGridView::cachedLayout(const std::string& text) {
    // Nearly every cell shows one of the 256 two-digit texts; laying each out
    // once keeps a screenful of cells cheap to draw.
    if (text.size() != 2)
        return nullptr;
    const auto value = parseHex(text);
    if (!value)
        return nullptr;
    CellLayout& layout = m_layouts[*value];
    if (layout.text.text().isEmpty()) {
        const QString upper = uiText(text).toUpper();
        layout.text.setText(upper);
        layout.text.setTextFormat(Qt::PlainText);
        layout.text.prepare(QTransform(), m_cellFont);
        layout.pxWidth = m_cellMetrics.horizontalAdvance(upper);
    }
    return &layout;
}

void ByteGridView::paintCaret(QPainter& painter, QPalette::ColorGroup group) {
    const int index = m_cursor.index();
    if (!hasFocus() || !m_caretShown || !m_cellsEnabled || !m_grid.contains(index))
        return;
    const QRect rect = cellRect(index);
    const QString text = cellText(index);
    const int pxX =
        textPxLeft(rect, text) + m_cellMetrics.horizontalAdvance(text.left(m_cursor.caret()));
    painter.setPen(palette().color(group, QPalette::Text));
    painter.drawLine(pxX, rect.top() + kPxCaretInset, pxX, rect.bottom() - kPxCaretInset);
}

QString ByteGridView::cellText(int index) const {
    return uiText(m_grid.text(index)).toUpper();
}

int ByteGridView::textPxLeft(const QRect& rect, const QString& text) const {
    return rect.left() + (rect.width() - m_cellMetrics.horizontalAdvance(text)) / 2;
}

} // namespace vantrel
