// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/document/ByteGridView.h"

#include "core/document/BitHelpers.h"
#include "core/document/ByteGrid.h"
#include "core/document/CellStatus.h"
#include "core/document/GridGeometry.h"
#include "gui/document/ByteGridAccessible.h"
#include "gui/document/GridRuler.h"
#include "gui/style/PaletteColors.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace vantrel {

namespace {

using namespace grid;

constexpr int kPxCellWidth = twipsToPx(kTwipCellWidth);
constexpr int kPxCellHeight = twipsToPx(kTwipCellHeight);
constexpr int kPxRowPitch = twipsToPx(kTwipPitchY);
// Kept above and below a cell scrolled into view, as at the top of the sheet.
constexpr int kPxScrollMargin = twipsToPx(kTwipFirstCellTop);
constexpr int kPxCaretInset = 3;
constexpr int kPxGutterWidth = twipsToPx(kTwipGutterWidth);
constexpr int kPxHeaderHeight = twipsToPx(kTwipHeaderHeight);
// The sheet's width from its left edge to the margin after the sixteenth cell.
constexpr int kPxSheetWidth =
    twipsToPx(cellTwipLeft(kCellsPerRow - 1) + kTwipCellWidth + kTwipFirstCellLeft);

// 9-point Tahoma at the 96 dpi the twip layout is drawn for; a pixel size
// keeps the digits in proportion to the cells on any screen.
QFont makeCellFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    return font;
}

} // namespace

ByteGridView::ByteGridView(ByteGrid& grid, const UiStrings& strings, QWidget* parent)
    : QAbstractScrollArea(parent), m_grid(grid), m_strings(strings), m_cursor(grid),
      m_cellFont(makeCellFont()), m_cellMetrics(m_cellFont),
      m_pxTextTop((kPxCellHeight - m_cellMetrics.height()) / 2), m_layouts(256) {
    ByteGridAccessible::install();
    setObjectName(QStringLiteral("picEdit"));
    viewport()->setObjectName(QStringLiteral("picText"));
    verticalScrollBar()->setObjectName(QStringLiteral("v_sb"));

    // The sheet is a grey surface the white cells stand on.
    viewport()->setBackgroundRole(QPalette::Window);
    viewport()->setAutoFillBackground(true);
    // The frame and the corner between the rulers too: nothing behind the
    // grid shows through it, however large it is laid out.
    setAutoFillBackground(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    m_cursor.setNavigationEnabled(false);

    m_rowOffsets = new GridRuler(GridRuler::Kind::RowOffsets, *this, this);
    m_columnHeader = new GridRuler(GridRuler::Kind::Columns, *this, this);
    setViewportMargins(kPxGutterWidth, kPxHeaderHeight, 0, 0);

    m_gridConnection = m_grid.addListener([this](int index) { onGridChanged(index); });
    m_focusConnection = m_grid.addFocusListener([this](int index) {
        updateCell(index);
        emit cellChanged(index);
    });
    updateScrollRange();
}

void ByteGridView::rebuild() {
    m_cursor.moveHome();
    updateScrollRange();
    verticalScrollBar()->setValue(0);
    viewport()->update();
    updateRulers();
}

int ByteGridView::cellCount() const {
    return m_grid.cellCount();
}

void ByteGridView::focusCell(int index) {
    if (!m_grid.contains(index))
        return;
    showCell(index);
    if (m_cellsEnabled && isEnabled())
        setFocus(Qt::OtherFocusReason);
    restartCaretBlink();
}

void ByteGridView::showCell(int index) {
    if (!m_grid.contains(index))
        return;
    updateCell(m_cursor.index()); // its caret goes away
    m_cursor.focus(index);
    showFocusedCell(index);
}

void ByteGridView::showFocusedCell(int index) {
    m_grid.focusCell(index);
    scrollToCell(index);
    updateCell(index);
    updateRulers();
    announceCellFocus(this, index);
    emit cellFocused(index);
}

void ByteGridView::setNavigationEnabled(bool enabled) {
    m_cursor.setNavigationEnabled(enabled);
}

void ByteGridView::setCellsEnabled(bool enabled) {
    if (m_cellsEnabled == enabled)
        return;
    m_cellsEnabled = enabled;
    setFocusPolicy(enabled ? Qt::StrongFocus : Qt::NoFocus);
    if (!enabled && hasFocus())
        clearFocus();
    viewport()->update();
}

void ByteGridView::scrollToCell(int index) {
    if (!m_grid.contains(index))
        return;
    QScrollBar* bar = verticalScrollBar();
    const int pxTop = twipsToPx(cellTwipTop(index));
    const int pxBottom = pxTop + kPxCellHeight;
    const int pxVisible = viewport()->height();
    if (pxTop - kPxScrollMargin < bar->value())
        bar->setValue(pxTop - kPxScrollMargin);
    else if (pxBottom + kPxScrollMargin > bar->value() + pxVisible)
        bar->setValue(pxBottom + kPxScrollMargin - pxVisible);
}

QRect ByteGridView::cellRect(int index) const {
    if (!m_grid.contains(index))
        return {};
    return {twipsToPx(cellTwipLeft(index)), twipsToPx(cellTwipTop(index)) - scrollPx(),
            kPxCellWidth, kPxCellHeight};
}

int ByteGridView::cellAt(const QPoint& viewportPos) const {
    // Hit-test at the pixel's centre so the answer matches the drawn cells.
    const int half = kTwipsPerPixel / 2;
    const auto index =
        cellAtTwip(pxToTwips(viewportPos.x()) + half,
                   pxToTwips(viewportPos.y() + scrollPx()) + half, m_grid.cellCount());
    return index.value_or(-1);
}

QString ByteGridView::cellStatus(int index) const {
    return QString::fromStdString(cellStatusText(index, m_grid.text(index), m_strings));
}

QString ByteGridView::cellDescription(int index) const {
    return m_describer && m_grid.contains(index) ? m_describer(index) : QString();
}

QSize ByteGridView::sizeHint() const {
    return {twipsToPx(kTwipViewportWidth), twipsToPx(kTwipViewportHeight)};
}

void ByteGridView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setFont(m_cellFont);
    const QPalette::ColorGroup group =
        (m_cellsEnabled && isEnabled()) ? QPalette::Active : QPalette::Disabled;

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
    const QString upper = QString::fromStdString(text).toUpper();
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
        const QString upper = QString::fromStdString(text).toUpper();
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
    return QString::fromStdString(m_grid.text(index)).toUpper();
}

int ByteGridView::textPxLeft(const QRect& rect, const QString& text) const {
    return rect.left() + (rect.width() - m_cellMetrics.horizontalAdvance(text)) / 2;
}

int ByteGridView::caretAt(int index, int viewportX) const {
    // The character boundary nearest to the click, as in a text field.
    const QString text = cellText(index);
    const int pxLeft = textPxLeft(cellRect(index), text);
    int best = 0;
    int bestDistance = std::abs(viewportX - pxLeft);
    for (int caret = 1; caret <= std::min<int>(text.size(), 2); ++caret) {
        const int distance =
            std::abs(viewportX - pxLeft - m_cellMetrics.horizontalAdvance(text.left(caret)));
        if (distance < bestDistance) {
            best = caret;
            bestDistance = distance;
        }
    }
    return best;
}

void ByteGridView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    placeRulers();
    updateScrollRange();
}

// A grid wider than sixteen cells need keeps its cells together in the
// middle, with the row offsets right beside them.
void ByteGridView::placeRulers() {
    const int pxBar = verticalScrollBar()->sizeHint().width();
    const int pxRoom = contentsRect().width() - pxBar - kPxGutterWidth - kPxSheetWidth;
    const int pxSpare = std::max(0, pxRoom);
    const int pxFooterWidth = contentsRect().width() - pxBar;
    int pxFooterHeight = 0;
    if (m_footer && !m_footer->isHidden())
        pxFooterHeight = m_footer->hasHeightForWidth() ? m_footer->heightForWidth(pxFooterWidth)
                                                       : m_footer->sizeHint().height();
    setViewportMargins(kPxGutterWidth + pxSpare / 2, kPxHeaderHeight, pxSpare - pxSpare / 2,
                       pxFooterHeight);
    const QRect sheet = viewport()->geometry();
    if (m_footer)
        m_footer->setGeometry(contentsRect().left(), sheet.bottom() + 1, pxFooterWidth,
                              pxFooterHeight);
    m_rowOffsets->setGeometry(sheet.left() - kPxGutterWidth, sheet.top(), kPxGutterWidth,
                              sheet.height());
    m_columnHeader->setGeometry(sheet.left() - kPxGutterWidth, sheet.top() - kPxHeaderHeight,
                                kPxGutterWidth + sheet.width(), kPxHeaderHeight);
}

void ByteGridView::setFooter(QWidget* footer) {
    if (m_footer && m_footer != footer)
        m_footer->hide();
    m_footer = footer;
    if (footer) {
        footer->setParent(this);
        footer->show();
    }
    placeRulers();
    updateScrollRange();
}

void ByteGridView::updateRulers() {
    m_rowOffsets->update();
    m_columnHeader->update();
}

int ByteGridView::rowsPerPage() const {
    return rowsInViewport(pxToTwips(viewport()->height()));
}

void ByteGridView::scrollContentsBy(int /*dx*/, int dy) {
    viewport()->scroll(0, dy);
    m_rowOffsets->scroll(0, dy);
}

void ByteGridView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_caretBlink.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    m_caretShown = !m_caretShown;
    updateCell(m_cursor.index());
}

void ByteGridView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange) {
        viewport()->update();
        updateRulers();
    }
}

void ByteGridView::onGridChanged(int index) {
    if (index < 0) {
        rebuild();
        announceGridRebuilt(this);
    } else {
        updateCell(index);
        announceCellValue(this, index);
    }
    emit cellChanged(index);
}

void ByteGridView::updateScrollRange() {
    const int pxSheet = twipsToPx(sheetTwipHeight(m_grid.cellCount()));
    const int pxVisible = viewport()->height();
    const int pxOverflow = std::max(0, pxSheet - pxVisible);
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, pxOverflow);
    bar->setPageStep(std::max(1, pxVisible));
    bar->setSingleStep(kPxRowPitch);
    bar->setEnabled(pxOverflow > 0);
}

void ByteGridView::updateCell(int index) {
    if (m_grid.contains(index))
        viewport()->update(cellRect(index));
}

void ByteGridView::restartCaretBlink() {
    m_caretShown = true;
    const int flashMs = QApplication::cursorFlashTime();
    if (hasFocus() && flashMs > 0)
        m_caretBlink.start(flashMs / 2, this);
    else
        m_caretBlink.stop();
    updateCell(m_cursor.index());
}

int ByteGridView::scrollPx() const {
    return verticalScrollBar()->value();
}

} // namespace vantrel
