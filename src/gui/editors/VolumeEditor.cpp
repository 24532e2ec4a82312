// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/VolumeEditor.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/session/EditingSession.h"
#include "gui/i18n/UiText.h"
#include "gui/style/PaletteColors.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace vantrel {

namespace {

// Every move of one slider between a press and its release, or between the
// slider taking the focus and losing it, is one step.
constexpr std::string_view kSliderGesture = "slider";

} // namespace

VolumeEditor::VolumeEditor(EditingSession& session, QWidget* parent)
    : QGroupBox(parent), m_session(session) {
    setObjectName(QStringLiteral("frameVolume"));
    buildRows();
    m_sessionConnection =
        m_session.addListener([this](const SessionChange& change) { onSessionChange(change); });
}

void VolumeEditor::buildRows() {
    // The rows scroll inside the frame where it is shorter than they are (a
    // large scale, a small screen); the reset button stays in view below them.
    auto* frameLayout = new QVBoxLayout(this);
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("scrVolume"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->viewport()->installEventFilter(this);
    auto* rows = new QWidget;
    rows->setObjectName(QStringLiteral("rowsVolume"));
    m_rowsLayout = new QGridLayout(rows);
    m_rowsLayout->setContentsMargins(0, 0, 0, 0);
    m_rowsLayout->setColumnStretch(1, 1);
    for (int row = 0; row < kRows; ++row) {
        m_captions[row] = new QLabel(rows);
        m_captions[row]->setObjectName(QStringLiteral("lblVolume"));
        m_captions[row]->setWordWrap(true);
        m_sliders[row] = new QSlider(Qt::Horizontal, rows);
        m_sliders[row]->setObjectName(QStringLiteral("sldVolume"));
        m_sliders[row]->setTickPosition(QSlider::TicksBelow);
        m_sliders[row]->setPageStep(1);
        m_sliders[row]->installEventFilter(this);
        // The position as a number: ticks alone do not say where a slider stands.
        m_numbers[row] = new QLabel(rows);
        m_numbers[row]->setObjectName(QStringLiteral("lblVolumeValue"));
        m_numbers[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_numbers[row]->setMinimumWidth(
            m_numbers[row]->fontMetrics().horizontalAdvance(QStringLiteral("000")));
        m_infoLabels[row] = new QLabel(rows);
        m_infoLabels[row]->setObjectName(QStringLiteral("lblVolumeInfo"));
        m_infoLabels[row]->setWordWrap(true);
        m_infoLabels[row]->setTextFormat(Qt::PlainText);
        // The caption names its slider for screen readers; without it every
        // slider would be called by the frame's title.
        m_captions[row]->setBuddy(m_sliders[row]);
        connect(m_sliders[row], &QSlider::valueChanged, m_numbers[row],
                qOverload<int>(&QLabel::setNum));
        // A move by keys or wheel shows the slider's byte in the grid, as a press
        // does; once the move is written, since showing the cell updates the rows.
        connect(
            m_sliders[row], &QSlider::actionTriggered, this,
            [this, row] {
                if (const VolumeItem* item = itemOf(row))
                    emit cellFocusRequested(item->offset);
            },
            Qt::QueuedConnection);
        connect(m_sliders[row], &QSlider::valueChanged, this, [this, row] { onSliderMoved(row); });
        connect(m_sliders[row], &QSlider::sliderReleased, this, [this] { m_session.endGesture(); });
        setRowVisible(row, false);
    }
    placeRows(false);
    m_scrollArea->setWidget(rows);
    // The frame's own ground shows through, as it did before the rows scrolled.
    m_scrollArea->viewport()->setAutoFillBackground(false);
    rows->setAutoFillBackground(false);
    frameLayout->addWidget(m_scrollArea, 1);
    m_resetButton = new QPushButton(this);
    m_resetButton->setObjectName(QStringLiteral("cmdReset"));
    m_resetButton->setEnabled(false);
    frameLayout->addWidget(m_resetButton, 0, Qt::AlignRight);
    connect(m_resetButton, &QPushButton::clicked, this, &VolumeEditor::restoreDefaults);
}

// Side by side, a row is its caption, slider and number on one line with its
// explanation below; stacked, for a narrow frame, the caption has a line of its own.
void VolumeEditor::placeRows(bool stacked) {
    m_stacked = stacked;
    const int linesPerRow = stacked ? 3 : 2;
    for (int row = 0; row < kRows; ++row) {
        for (QWidget* part :
             {static_cast<QWidget*>(m_captions[row]), static_cast<QWidget*>(m_sliders[row]),
              static_cast<QWidget*>(m_numbers[row]), static_cast<QWidget*>(m_infoLabels[row])})
            m_rowsLayout->removeWidget(part);
        const int line = row * linesPerRow;
        if (stacked) {
            m_rowsLayout->addWidget(m_captions[row], line, 0, 1, 3);
            m_rowsLayout->addWidget(m_sliders[row], line + 1, 0, 1, 2);
        } else {
            m_rowsLayout->addWidget(m_captions[row], line, 0);
            m_rowsLayout->addWidget(m_sliders[row], line, 1);
        }
        m_rowsLayout->addWidget(m_numbers[row], line + linesPerRow - 2, 2);
        m_rowsLayout->addWidget(m_infoLabels[row], line + linesPerRow - 1, 0, 1, 3);
    }
    for (int line = 0; line < m_rowsLayout->rowCount(); ++line)
        m_rowsLayout->setRowStretch(line, 0);
    m_rowsLayout->setRowStretch(kRows * linesPerRow, 1);
}

// Stacked when the widest caption, a slider of six characters and the number
// do not fit side by side.
void VolumeEditor::fitRowsToWidth() {
    int widestCaption = 0;
    for (int row = 0; row < kRows; ++row) {
        if (itemOf(row))
            widestCaption =
                std::max(widestCaption,
                         m_captions[row]->fontMetrics().horizontalAdvance(m_captions[row]->text()));
    }
    const int spacing = m_rowsLayout->horizontalSpacing();
    const int sideBySide = widestCaption + fontMetrics().averageCharWidth() * 6 +
                           m_numbers[0]->minimumWidth() + 2 * spacing;
    const bool stacked = m_scrollArea->viewport()->width() < sideBySide;
    if (stacked != m_stacked)
        placeRows(stacked);
}

// A row without an item has nothing to show and nothing to reset.
void VolumeEditor::setRowVisible(int row, bool visible) {
    m_captions[row]->setVisible(visible);
    m_sliders[row]->setVisible(visible);
    m_numbers[row]->setVisible(visible);
    m_infoLabels[row]->setVisible(visible);
}

void VolumeEditor::load() {
    if (m_session.model().kind == EditorKind::Volume)
        setTitle(uiText(m_session.document().type().attribute("tip").value_or("")));
    for (int row = 0; row < kRows; ++row) {
        const VolumeItem* item = itemOf(row);
        setRowVisible(row, item != nullptr);
        if (!item)
            continue;
        m_captions[row]->setText(uiText(item->caption));
        m_sliders[row]->setProperty("tag", uiText(item->bindingTag()));
        const QSignalBlocker blocker(m_sliders[row]);
        m_sliders[row]->setRange(item->min, item->max);
        m_sliders[row]->setValue(item->position);
        showInfo(row);
    }
    m_resetButton->setEnabled(itemCount() > 0);
    fitRowsToWidth();
}

void VolumeEditor::restoreDefaults() {
    (void)m_session.resetVolumes();
}

// Every position the user gives the slider, dragging included, goes into the
// cell; one press-to-release or one run of keys on a slider is one undo step
// (a gesture of the session, ended on release and when the focus goes).
void VolumeEditor::onSliderMoved(int row) {
    if (!itemOf(row))
        return;
    (void)m_session.setVolume(volumeKey(static_cast<std::size_t>(row)), m_sliders[row]->value(),
                              kSliderGesture);
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
    for (int row = 0; row < itemCount(); ++row) {
        if (itemOf(row)->offset == index)
            return uiText(itemOf(row)->caption);
    }
    return {};
}

void VolumeEditor::onSliderPressed(int row) {
    const VolumeItem* item = itemOf(row);
    if (!item)
        return;
    m_session.endGesture(); // a press starts a step of its own
    emit cellFocusRequested(item->offset);
    // The cell is marked and described; the keys stay with the slider in use.
    m_sliders[row]->setFocus(Qt::MouseFocusReason);
}

bool VolumeEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_scrollArea->viewport() && event->type() == QEvent::Resize)
        fitRowsToWidth();
    const int row = rowOf(watched);
    if (row >= 0) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            onSliderPressed(row);
            break;
        // The keys pressed on a slider until it loses the focus are one step.
        case QEvent::MouseButtonRelease:
        case QEvent::FocusOut:
            m_session.endGesture();
            break;
        default:
            break;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void VolumeEditor::showPosition(int row) {
    const QSignalBlocker blocker(m_sliders[row]);
    m_sliders[row]->setValue(itemOf(row)->position);
    showInfo(row);
}

// A byte beyond the slider's range puts the slider at its end; the row says
// what is really stored until a move of the slider writes a value in range.
void VolumeEditor::showInfo(int row) {
    m_numbers[row]->setNum(m_sliders[row]->value());
    const VolumeItem& item = *itemOf(row);
    QString info = uiText(item.tip);
    const std::optional<int> outside = storedOutsideRange(item, m_session.grid());
    if (outside) {
        if (!info.isEmpty())
            info += QLatin1Char('\n');
        info +=
            uiText(m_session.strings(), UiString::VolumeOutsideRange,
                   {std::to_string(*outside), std::to_string(item.min), std::to_string(item.max)});
    }
    m_infoLabels[row]->setText(info);
    setWindowTextColor(m_infoLabels[row], outside ? warningTextColor(this) : QColor());
}

// Undo, redo and typing change cells behind the sliders' backs.
void VolumeEditor::onSessionChange(const SessionChange& change) {
    if (change.model) {
        load();
        return;
    }
    for (const std::string& key : change.settings) {
        const int row = volumeRowOf(key);
        if (itemOf(row))
            showPosition(row);
    }
}

int VolumeEditor::itemCount() const {
    const EditorModel& model = m_session.model();
    return model.kind == EditorKind::Volume ? static_cast<int>(model.volumes.items.size()) : 0;
}

const VolumeItem* VolumeEditor::itemOf(int row) const {
    if (row < 0 || row >= itemCount())
        return nullptr;
    return &m_session.model().volumes.items[static_cast<std::size_t>(row)];
}

int VolumeEditor::rowOf(const QObject* slider) const {
    for (int row = 0; row < kRows; ++row) {
        if (m_sliders[row] == slider)
            return row;
    }
    return -1;
}

} // namespace vantrel
