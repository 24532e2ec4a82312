// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/coverage/CoverageLegend.h"

#include "core/i18n/BuiltinStrings.h"
#include "gui/i18n/UiText.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>

namespace vantrel {

namespace {

constexpr int kPxSampleWidth = 24;
constexpr int kPxSampleHeight = 14;

QLabel* newLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

CoverageLegend::CoverageLegend(const UiStrings& strings, QWidget* parent)
    : QWidget(parent), m_strings(strings), m_hatchSample(newLabel("picCoverageHatch", this)),
      m_hatchText(newLabel("lblCoverageHatch", this)),
      m_stripSample(newLabel("picCoverageBits", this)),
      m_stripText(newLabel("lblCoverageBits", this)) {
    setObjectName(QStringLiteral("coverageLegend"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setVerticalSpacing(1);
    for (QLabel* text : {m_hatchText, m_stripText})
        text->setWordWrap(true);
    layout->addWidget(m_hatchSample, 0, 0, Qt::AlignTop);
    layout->addWidget(m_hatchText, 0, 1);
    layout->addWidget(m_stripSample, 1, 0, Qt::AlignTop);
    layout->addWidget(m_stripText, 1, 1);
    layout->setColumnStretch(1, 1);
    drawSamples();
    retranslate();
}

void CoverageLegend::retranslate() {
    m_hatchText->setText(uiText(m_strings, UiString::CoverageLegendUndescribed));
    m_stripText->setText(uiText(m_strings, UiString::CoverageLegendBits));
}

void CoverageLegend::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        drawSamples();
}

// The same marks the grid paints, small: a hatched cell, and a cell whose
// bits 7, 6 and 2 are read.
void CoverageLegend::drawSamples() {
    const QRect cell(0, 0, kPxSampleWidth, kPxSampleHeight);
    QPixmap hatch(cell.size());
    hatch.fill(palette().color(QPalette::Base));
    {
        QPainter painter(&hatch);
        painter.fillRect(cell, QBrush(palette().color(QPalette::Mid), Qt::BDiagPattern));
    }
    m_hatchSample->setPixmap(hatch);

    QPixmap strip(cell.size());
    strip.fill(palette().color(QPalette::Base));
    {
        QPainter painter(&strip);
        constexpr unsigned kReadBits = 0b1100'0100;
        for (int bit = 7; bit >= 0; --bit) {
            const int left = cell.width() * (7 - bit) / 8;
            const int right = cell.width() * (8 - bit) / 8;
            const bool read = ((kReadBits >> bit) & 1U) != 0;
            painter.fillRect(QRect(left, cell.bottom() - kPxBitStripHeight + 1, right - left - 1,
                                   kPxBitStripHeight),
                             palette().color(read ? QPalette::Highlight : QPalette::Mid));
        }
    }
    m_stripSample->setPixmap(strip);
}

} // namespace vantrel
