// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/document/ByteGridView.h"

#include "core/document/ByteGrid.h"
#include "core/document/CellStatus.h"
#include "core/session/EditingSession.h"
#include "desktop/layout/GridGeometry.h"
#include "gui/document/ByteGridAccessible.h"
#include "gui/document/GridRuler.h"
#include "gui/i18n/UiText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
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

ByteGridView::ByteGridView(EditingSession& session, QWidget* parent)
    : QAbstractScrollArea(parent), m_session(session), m_grid(session.grid()),
      m_cursor(session.cursor()), m_cellFont(makeCellFont()), m_cellMetrics(m_cellFont),
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

    m_sessionConnection =
        m_session.addListener([this](const SessionChange& change) { onSessionChange(change); });
    m_borderConnection = m_grid.addFocusListener([this](int index) { updateCell(index); });
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

const UiStrings& ByteGridView::strings() const {
    return m_session.strings();
}

void ByteGridView::setCellValue(int index, std::uint8_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const std::string hex{kDigits[value >> 4], kDigits[value & 0x0F]};
    (void)m_session.setSetting({SettingKind::Bytes, {}, hex, {}, index});
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
    m_session.focusCell(index);
    showFocusedCell(index);
}

void ByteGridView::showFocusedCell(int index) {
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
    return uiText(cellStatusText(index, m_grid.text(index), strings()));
}

QString ByteGridView::cellDescription(int index) const {
    return m_describer && m_grid.contains(index) ? m_describer(index) : QString();
}

QSize ByteGridView::sizeHint() const {
    return {twipsToPx(kTwipViewportWidth), twipsToPx(kTwipViewportHeight)};
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

void ByteGridView::onSessionChange(const SessionChange& change) {
    if (change.allCells) {
        rebuild();
        announceGridRebuilt(this);
    }
    for (int index : change.cells) {
        updateCell(index);
        announceCellValue(this, index);
    }
    // The caret moved or the current cell's value changed; the cells whose
    // border changed are painted as the grid tells them (m_borderConnection).
    if (change.cursor) {
        updateCell(m_cursor.index());
        updateRulers();
    }
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
