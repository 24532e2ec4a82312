// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/VolumeEditor.h"

#include "core/i18n/BuiltinStrings.h"
#include "gui/i18n/UiText.h"
#include "gui/style/PaletteColors.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include <string>

namespace vantrel {

VolumeEditor::VolumeEditor(SeemDocument& document, const UiStrings& strings, QWidget* parent)
    : QGroupBox(parent), m_document(document), m_strings(strings) {
    setObjectName(QStringLiteral("frameVolume"));
    buildRows();
    m_gridConnection = m_document.grid().addListener([this](int index) { onCellChanged(index); });
}

void VolumeEditor::buildRows() {
    auto* layout = new QGridLayout(this);
    layout->setColumnStretch(1, 1);
    for (int row = 0; row < kRows; ++row) {
        m_captions[row] = new QLabel(this);
        m_captions[row]->setObjectName(QStringLiteral("lblVolume"));
        m_sliders[row] = new QSlider(Qt::Horizontal, this);
        m_sliders[row]->setObjectName(QStringLiteral("sldVolume"));
        m_sliders[row]->setTickPosition(QSlider::TicksBelow);
        m_sliders[row]->setPageStep(1);
        m_sliders[row]->installEventFilter(this);
        // The position as a number: ticks alone do not say where a slider stands.
        m_numbers[row] = new QLabel(this);
        m_numbers[row]->setObjectName(QStringLiteral("lblVolumeValue"));
        m_numbers[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_numbers[row]->setMinimumWidth(
            m_numbers[row]->fontMetrics().horizontalAdvance(QStringLiteral("000")));
        m_infoLabels[row] = new QLabel(this);
        m_infoLabels[row]->setObjectName(QStringLiteral("lblVolumeInfo"));
        m_infoLabels[row]->setWordWrap(true);
        m_infoLabels[row]->setTextFormat(Qt::PlainText);
        // The caption names its slider for screen readers; without it every
        // slider would be called by the frame's title.
        m_captions[row]->setBuddy(m_sliders[row]);
        layout->addWidget(m_captions[row], row * 2, 0);
        layout->addWidget(m_sliders[row], row * 2, 1);
        layout->addWidget(m_numbers[row], row * 2, 2);
        layout->addWidget(m_infoLabels[row], row * 2 + 1, 0, 1, 3);
        connect(m_sliders[row], &QSlider::valueChanged, m_numbers[row],
                qOverload<int>(&QLabel::setNum));
        // A move by keys or wheel shows the slider's byte in the grid, as a press
        // does; once the move is written, since showing the cell updates the rows.
        connect(
            m_sliders[row], &QSlider::actionTriggered, this,
            [this, row] {
                if (row < static_cast<int>(m_items.size()))
                    emit cellFocusRequested(m_items[static_cast<std::size_t>(row)].offset);
            },
            Qt::QueuedConnection);
        connect(m_sliders[row], &QSlider::valueChanged, this, [this, row] { onSliderMoved(row); });
        connect(m_sliders[row], &QSlider::sliderReleased, this,
                [this] { m_document.endGesture(); });
        setRowVisible(row, false);
    }
    m_resetButton = new QPushButton(this);
    m_resetButton->setObjectName(QStringLiteral("cmdReset"));
    m_resetButton->setEnabled(false);
    layout->addWidget(m_resetButton, kRows * 2, 1, 1, 2, Qt::AlignRight);
    layout->setRowStretch(kRows * 2 + 1, 1);
    connect(m_resetButton, &QPushButton::clicked, this, &VolumeEditor::restoreDefaults);
}

// A row without an item has nothing to show and nothing to reset.
void VolumeEditor::setRowVisible(int row, bool visible) {
    m_captions[row]->setVisible(visible);
    m_sliders[row]->setVisible(visible);
    m_numbers[row]->setVisible(visible);
    m_infoLabels[row]->setVisible(visible);
}

bool VolumeEditor::load(const XmlElement& typeElement) {
    setTitle(uiText(typeElement.attribute("tip").value_or("")));
    VolumeItems built = buildVolumeItems(typeElement, m_document.grid());
    m_items = std::move(built.items);
    for (int row = 0; row < kRows; ++row) {
        const bool filled = row < static_cast<int>(m_items.size());
        setRowVisible(row, filled);
        if (!filled)
            continue;
        const VolumeItem& item = m_items[static_cast<std::size_t>(row)];
        m_captions[row]->setText(uiText(item.caption));
        m_sliders[row]->setProperty("tag", uiText(item.bindingTag()));
        const QSignalBlocker blocker(m_sliders[row]);
        m_sliders[row]->setRange(item.min, item.max);
        m_sliders[row]->setValue(item.position);
        showInfo(row);
    }
    m_resetButton->setEnabled(!m_items.empty());
    if (!built.complete) {
        emit failed(uiText(m_strings, UiString::EditorIncomplete));
        return false;
    }
    return true;
}

void VolumeEditor::restoreDefaults() {
    {
        EditScope step(m_document, UiString::UndoVolumeReset);
        resetVolumes(m_document.grid(), m_items);
    }
    for (int row = 0; row < static_cast<int>(m_items.size()); ++row)
        showPosition(row);
}

// Every position the user gives the slider, dragging included, goes into the
// cell; one press-to-release or one run of keys on a slider is one undo step
// (a gesture of the document).
void VolumeEditor::onSliderMoved(int row) {
    if (row >= static_cast<int>(m_items.size()))
        return;
    EditScope step(m_document, UiString::UndoVolume);
    writeVolume(m_document.grid(), m_items[static_cast<std::size_t>(row)], m_sliders[row]->value());
}

QLabel* VolumeEditor::caption(int row) const {
    return m_captions[static_cast<std::size_t>(row)];
}

QSlider* VolumeEditor::slider(int row) const {
    return m_sliders[static_cast<std::size_t>(row)];
}

QLabel* VolumeEditor::infoLabel(int row) const {
    return m_infoLabels[static_cast<std::size_t>(row)];
}

QString VolumeEditor::cellDescription(int index) const {
    for (const VolumeItem& item : m_items) {
        if (item.offset == index)
            return uiText(item.caption);
    }
    return {};
}

void VolumeEditor::onSliderPressed(int row) {
    if (row >= static_cast<int>(m_items.size()))
        return;
    m_document.endGesture();
    m_document.beginGesture(UiString::UndoVolume);
    emit cellFocusRequested(m_items[static_cast<std::size_t>(row)].offset);
    // The cell is marked and described; the keys stay with the slider in use.
    m_sliders[row]->setFocus(Qt::MouseFocusReason);
}

bool VolumeEditor::eventFilter(QObject* watched, QEvent* event) {
    const int row = rowOf(watched);
    if (row >= 0) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            onSliderPressed(row);
            break;
        case QEvent::FocusIn:
        case QEvent::KeyPress:
            // The keys pressed on a slider until it loses the focus are one step.
            m_document.beginGesture(UiString::UndoVolume);
            break;
        case QEvent::MouseButtonRelease:
        case QEvent::FocusOut:
            m_document.endGesture();
            break;
        default:
            break;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void VolumeEditor::showPosition(int row) {
    VolumeItem& item = m_items[static_cast<std::size_t>(row)];
    item.position = positionFromGrid(item, m_document.grid());
    const QSignalBlocker blocker(m_sliders[row]);
    m_sliders[row]->setValue(item.position);
    showInfo(row);
}

// A byte beyond the slider's range puts the slider at its end; the row says
// what is really stored until a move of the slider writes a value in range.
void VolumeEditor::showInfo(int row) {
    m_numbers[row]->setNum(m_sliders[row]->value());
    const VolumeItem& item = m_items[static_cast<std::size_t>(row)];
    QString info = uiText(item.tip);
    const std::optional<int> outside = storedOutsideRange(item, m_document.grid());
    if (outside) {
        if (!info.isEmpty())
            info += QLatin1Char('\n');
        info +=
            uiText(m_strings, UiString::VolumeOutsideRange,
                   {std::to_string(*outside), std::to_string(item.min), std::to_string(item.max)});
    }
    m_infoLabels[row]->setText(info);
    setWindowTextColor(m_infoLabels[row], outside ? warningTextColor(this) : QColor());
}

// Undo, redo and typing change cells behind the sliders' backs.
void VolumeEditor::onCellChanged(int index) {
    for (int row = 0; row < static_cast<int>(m_items.size()); ++row) {
        const int offset = m_items[static_cast<std::size_t>(row)].offset;
        if ((index == offset || index < 0) && m_document.grid().contains(offset))
            showPosition(row);
    }
}

int VolumeEditor::rowOf(const QObject* slider) const {
    for (int row = 0; row < kRows; ++row) {
        if (m_sliders[row] == slider)
            return row;
    }
    return -1;
}

} // namespace vantrel
