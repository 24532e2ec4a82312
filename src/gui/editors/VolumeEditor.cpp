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
#include <QSignalBlocker>
#include <QSlider>

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
                if (const VolumeItem* item = itemOf(row))
                    emit cellFocusRequested(item->offset);
            },
            Qt::QueuedConnection);
        connect(m_sliders[row], &QSlider::valueChanged, this, [this, row] { onSliderMoved(row); });
        connect(m_sliders[row], &QSlider::sliderReleased, this, [this] { m_session.endGesture(); });
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
