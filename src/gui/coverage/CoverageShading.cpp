// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/coverage/CoverageShading.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/session/EditingSession.h"
#include "core/settings/SettingsStore.h"
#include "desktop/layout/GridGeometry.h"
#include "gui/coverage/CoverageLegend.h"
#include "gui/document/ByteGridView.h"
#include "gui/document/GridRuler.h"
#include "gui/i18n/UiText.h"

#include <QAction>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <QToolTip>

#include <algorithm>

namespace vantrel {

CoverageShading::CoverageShading(EditingSession& session, ByteGridView& view,
                                 SettingsStore& settings, const UiStrings& strings,
                                 QStatusBar* statusBar, QObject* parent)
    : QObject(parent), m_session(session), m_document(session.document()), m_view(view),
      m_settings(settings), m_strings(strings) {
    m_showAction = new QAction(this);
    m_showAction->setObjectName(QStringLiteral("mnuShowCoverage"));
    m_showAction->setCheckable(true);
    m_statusLabel = new QLabel;
    m_statusLabel->setObjectName(QStringLiteral("lblCoverage"));
    m_statusLabel->setTextFormat(Qt::PlainText);
    m_statusLabel->setContentsMargins(4, 0, 4, 0);
    // A long list of items must not widen the window; the label takes what is left.
    m_statusLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_statusLabel->hide();
    m_legend = new CoverageLegend(m_strings);
    m_legend->hide();
    if (statusBar != nullptr)
        statusBar->addPermanentWidget(m_statusLabel, 1);
    retranslate();

    // The items and their bits follow the type and the size, not the values.
    m_sessionListener = m_session.addListener([this](const SessionChange& change) {
        const int current = m_document.grid().currentCell();
        if (change.model)
            recompute();
        else if (std::find(change.cells.begin(), change.cells.end(), current) != change.cells.end())
            showCell(current);
    });
    connect(&m_view, &ByteGridView::cellFocused, this, &CoverageShading::showCell);
    m_view.rowOffsets()->installEventFilter(this);
    m_showAction->setChecked(m_settings.read(kSettingsKey, "0") == "1");
    connect(m_showAction, &QAction::toggled, this, [this](bool shown) {
        m_settings.setValue(kSettingsKey, shown ? "1" : "0");
        apply(shown);
    });
    recompute();
    apply(isShown());
}

CoverageShading::~CoverageShading() {
    delete m_legend.data(); // the grid holds it while the coverage is shown
    // The label lives in a status bar once placed there; a label never placed is ours.
    if (m_statusLabel->parent() == nullptr)
        delete m_statusLabel;
}

QWidget* CoverageShading::legend() const {
    return m_legend;
}

bool CoverageShading::isShown() const {
    return m_showAction->isChecked();
}

void CoverageShading::retranslate() {
    m_showAction->setText(uiText(m_strings, UiString::ShowCoverage));
    m_legend->retranslate();
    if (isShown())
        m_view.setFooter(m_legend); // the texts may need another height
    m_statusLabel->setAccessibleName(
        uiText(m_strings, UiString::ShowCoverage).remove(QLatin1Char('&')));
    recompute(); // the title item is named in the language too
    showCell(m_document.grid().currentCell());
}

void CoverageShading::apply(bool shown) {
    if (shown) {
        m_view.setCellOverlay([this](QPainter& painter, int index, const QRect& rect) {
            paintCell(painter, index, rect);
        });
        m_view.rowOffsets()->setRowOverlay([this](QPainter& painter, int row, const QRect& rect) {
            paintRow(painter, row, rect);
        });
        m_view.setFooter(m_legend);
    } else {
        m_view.setCellOverlay({});
        m_view.rowOffsets()->setRowOverlay({});
        m_view.setFooter(nullptr);
    }
    // A label outside any status bar would show as a window of its own.
    if (m_statusLabel->parentWidget() != nullptr)
        m_statusLabel->setVisible(shown);
    showCell(m_document.grid().currentCell());
}

void CoverageShading::recompute() {
    ++m_computations;
    m_coverage =
        computeCoverage(m_document.type(), m_document.typeName(), m_document.grid(), m_strings);
    if (!isShown())
        return;
    m_view.viewport()->update();
    m_view.rowOffsets()->update();
    showCell(m_document.grid().currentCell());
}

void CoverageShading::showCell(int index) {
    const bool known = isShown() && m_document.type() && m_document.grid().contains(index);
    const QString text = known ? uiText(cellCoverageText(m_coverage, index, m_strings)) : QString();
    m_statusLabel->setText(text);
    m_statusLabel->setToolTip(text); // the label may be too narrow for every item
}

// Cells no item reads are hatched; a partly read cell gets a strip of its
// eight bits along the bottom, bit 7 on the left, the read bits filled.
void CoverageShading::paintCell(QPainter& painter, int index, const QRect& rect) const {
    if (!m_document.type())
        return;
    const std::uint8_t bits = m_coverage.bitsOf(index);
    const QPalette& palette = m_view.palette();
    if (bits == 0) {
        painter.fillRect(rect, QBrush(palette.color(QPalette::Mid), Qt::BDiagPattern));
        return;
    }
    if (bits == 0xFF)
        return;
    const int pxTop = rect.bottom() - kPxBitStripHeight;
    for (int bit = 7; bit >= 0; --bit) {
        const int left = rect.left() + rect.width() * (7 - bit) / 8;
        const int right = rect.left() + rect.width() * (8 - bit) / 8;
        const bool read = ((bits >> bit) & 1) != 0;
        painter.fillRect(QRect(left, pxTop, right - left - 1, kPxBitStripHeight),
                         palette.color(read ? QPalette::Highlight : QPalette::Mid));
    }
}

// A bar under the row's offset as long as the share of its bits that are read.
void CoverageShading::paintRow(QPainter& painter, int row, const QRect& rect) const {
    if (!m_document.type())
        return;
    const int first = row * grid::kCellsPerRow;
    const int last = std::min(first + grid::kCellsPerRow, m_document.grid().cellCount()) - 1;
    const int all = (last - first + 1) * 8;
    if (all <= 0)
        return;
    const int described = m_coverage.describedBitCount(first, last);
    const QRect track(rect.left() + 2, rect.bottom() - kPxBitStripHeight, rect.width() - 4,
                      kPxBitStripHeight);
    const QPalette& palette = m_view.palette();
    painter.fillRect(track, palette.color(QPalette::Mid));
    painter.fillRect(
        QRect(track.left(), track.top(), track.width() * described / all, track.height()),
        palette.color(QPalette::Highlight));
}

bool CoverageShading::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip || !isShown() || !m_document.type())
        return QObject::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPoint inView = m_view.viewport()->mapFromGlobal(help->globalPos());
    const int index = m_view.cellAt(QPoint(m_view.cellRect(0).center().x(), inView.y()));
    if (index < 0)
        return QObject::eventFilter(watched, event);
    const int first = index - index % grid::kCellsPerRow;
    const int last = std::min(first + grid::kCellsPerRow, m_document.grid().cellCount()) - 1;
    QToolTip::showText(help->globalPos(),
                       uiText(m_strings, UiString::CoverageRowShare,
                              {std::to_string(m_coverage.describedBitCount(first, last)),
                               std::to_string((last - first + 1) * 8)}),
                       m_view.rowOffsets());
    return true;
}

} // namespace vantrel
