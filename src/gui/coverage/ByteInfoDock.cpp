// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/coverage/ByteInfoDock.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/session/EditingSession.h"
#include "gui/document/ByteGridView.h"
#include "gui/i18n/UiText.h"
#include "gui/widgets/MainSurface.h"
#include "gui/widgets/ScreenFit.h"

#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <bit>

namespace vantrel {

namespace {

// "bit 3" for a switch, "bits 0–7" for an item that reads whole bytes.
std::string bitsText(std::uint8_t mask, const UiStrings& strings) {
    const int first = std::countr_zero(mask);
    const int last = 7 - std::countl_zero(mask);
    if (first == last)
        return strings.format(UiString::CoverageBit, {std::to_string(first)});
    return strings.format(UiString::CoverageBits,
                          {std::to_string(first) + "–" + std::to_string(last)});
}

// Below the grid: the summary and two items of two lines each.
constexpr int kLinesBelow = 7;

// Asks for a narrow column: the lines wrap, and the grid needs the width more.
class DockContent : public QWidget {
  public:
    using QWidget::QWidget;
    [[nodiscard]] QSize sizeHint() const override {
        const QSize natural = QWidget::sizeHint();
        return {std::min(natural.width(), fontMetrics().averageCharWidth() * 30), natural.height()};
    }
};

} // namespace

ByteInfoDock::ByteInfoDock(EditingSession& session, ByteGridView& view, const UiStrings& strings,
                           QWidget* parent)
    : QDockWidget(parent), m_session(session), m_document(session.document()), m_view(view),
      m_strings(strings) {
    setObjectName(QStringLiteral("dockByteInfo"));
    auto* content = new DockContent(this);
    auto* layout = new QVBoxLayout(content);
    m_summary = new QLabel(content);
    m_summary->setObjectName(QStringLiteral("lblByteInfo"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    m_list = new QListWidget(content);
    m_list->setObjectName(QStringLiteral("lstByteInfo"));
    m_list->setWordWrap(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setMinimumWidth(0);
    m_list->setIconSize(QSize(16, 16));
    m_list->setSpacing(2);
    m_list->setAlternatingRowColors(true);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
    setWidget(content);
    retranslate();

    connect(m_list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { choose(m_list->row(item)); });
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choose(m_list->row(item)); });
    connect(&m_view, &ByteGridView::cellFocused, this, &ByteInfoDock::showCell);
    // Values change with every edit, whoever makes it; the items with the type.
    m_sessionListener = m_session.addListener([this](const SessionChange& change) {
        const auto shown = [this](int index) {
            return index == m_cell ||
                   std::any_of(m_shown.begin(), m_shown.end(), [index](const CoveredItem& item) {
                       return item.firstCell <= index && index <= item.lastCell;
                   });
        };
        if (change.model || change.allCells ||
            std::any_of(change.cells.begin(), change.cells.end(), shown))
            refresh();
    });
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            refresh();
    });
}

ByteInfoDock::~ByteInfoDock() = default;

int ByteInfoDock::leastWidth() const {
    return fontMetrics().averageCharWidth() * 18;
}

void ByteInfoDock::placeInWindow() {
    if (const QScreen* screen = (parentWidget() ? parentWidget()->screen() : nullptr))
        placeInWindow(screen->availableGeometry());
}

void ByteInfoDock::placeInWindow(const QRect& available) {
    auto* window = qobject_cast<QMainWindow*>(parentWidget());
    if (!window)
        return;
    const int pxSeparator = window->style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent);
    // Until the window manager has framed the window, borders are assumed.
    const int pxFrame = std::max(8, window->frameGeometry().width() - window->width());
    const bool resizable = !window->isMaximized() && !window->isFullScreen();
    const int pxWidest = resizable ? available.width() - pxFrame : window->width();
    // Beside the window only where its editors keep their rows on one line.
    const int pxSpare = pxWidest - MainSurface::roomyWidth() - pxSeparator;
    if (pxSpare < leastWidth()) {
        // Below the grid the rows give way; the window grows what the screen allows.
        const bool wasBelow = window->dockWidgetArea(this) == Qt::BottomDockWidgetArea;
        window->addDockWidget(Qt::BottomDockWidgetArea, this);
        const int pxDock = fontMetrics().height() * kLinesBelow;
        if (resizable && !wasBelow)
            fitWindowToScreen(window, window->size() + QSize(0, pxDock), available);
        window->resizeDocks({this}, {pxDock}, Qt::Vertical);
        return;
    }
    window->addDockWidget(Qt::RightDockWidgetArea, this);
    const int pxDock = std::min(widget()->sizeHint().width(), pxSpare);
    if (resizable) {
        const int pxWanted = MainSurface::designedSize().width() + pxSeparator + pxDock;
        fitWindowToScreen(window, QSize(std::max(window->width(), pxWanted), window->height()),
                          available);
    }
    window->resizeDocks({this}, {pxDock}, Qt::Horizontal);
}

void ByteInfoDock::setDefinitionsName(std::function<QString()> name) {
    m_definitionsName = std::move(name);
    refresh();
}

void ByteInfoDock::retranslate() {
    const QString title = uiText(m_strings, UiString::WhatIsThisByte);
    setWindowTitle(title);
    m_list->setAccessibleName(title);
    m_summary->setAccessibleName(title);
    refresh();
}

void ByteInfoDock::showCell(int index) {
    m_cell = index;
    refresh();
}

void ByteInfoDock::refresh() {
    m_list->clear();
    m_shown.clear();
    const ByteGrid& grid = m_document.grid();
    if (isHidden() || !grid.contains(m_cell)) {
        m_summary->clear();
        return;
    }
    const Coverage coverage =
        computeCoverage(m_document.type(), m_document.typeName(), m_document.grid(), m_strings);
    m_summary->setText(QStringLiteral("%1  %2").arg(
        QStringLiteral("%1").arg(m_cell, 4, 16, QLatin1Char('0')).toUpper(),
        uiText(cellCoverageText(coverage, m_cell, m_strings))));
    const std::vector<std::size_t> items = coverage.itemsAt(m_cell);
    for (const std::size_t i : items) {
        auto* row = new QListWidgetItem(itemLine(coverage, i), m_list);
        if (!coverage.overlapsOf(i).empty())
            row->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
        m_shown.push_back(coverage.items[i]);
    }
    if (items.empty())
        new QListWidgetItem(uiText(m_strings, UiString::CoverageNoItems), m_list);
}

// "bit 0: Keys/Sound = on", and below it "seem_en.xml:4", then "; overlaps ..."
// where it shares bits with others.
QString ByteInfoDock::itemLine(const Coverage& coverage, std::size_t index) const {
    const CoveredItem& item = coverage.items[index];
    std::string line = bitsText(item.mask, m_strings) + ": " + item.name + " = " +
                       coveredValue(item, m_document.grid(), m_strings);
    const int definedAt = m_document.definitions().position(item.element).line;
    const QString file = m_definitionsName ? m_definitionsName() : QString();
    line += "\n" + file.toStdString() + ":" + std::to_string(definedAt);
    std::string others;
    for (const std::size_t other : coverage.overlapsOf(index))
        others += (others.empty() ? "" : ", ") + coverage.items[other].name;
    if (!others.empty())
        line += "; " + m_strings.format(UiString::CoverageOverlaps, {others});
    return uiText(line);
}

void ByteInfoDock::choose(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_shown.size() || !m_itemChosen)
        return;
    // After the click is done: selecting the item moves the current cell, which
    // refills this list, and the clicked row must not go while Qt still uses it.
    QMetaObject::invokeMethod(
        this, [this, item = m_shown[static_cast<std::size_t>(row)]] { m_itemChosen(item); },
        Qt::QueuedConnection);
}

} // namespace vantrel
