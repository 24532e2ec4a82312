// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/ColorEditor.h"

#include "core/editors/ColorScheme.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/session/EditingSession.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/i18n/UiText.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

namespace vantrel {

namespace {

// The moves of one slider from press to release, or the keys typed into one
// control until it loses the focus, are one step.
constexpr std::string_view kColorGesture = "color";
constexpr std::string_view kTransparencyGesture = "transparency";

} // namespace

void ColorEditor::load() {
    // The language may have changed since the panel was built.
    m_swatch->setToolTip(uiText(m_session.strings(), UiString::ChooseColorTip));
    m_chooseColorButton->setToolTip(m_swatch->toolTip());
    m_key.clear();
    m_offset = -1;
    setEnabled(false);
    showTitle();
}

void ColorEditor::selectEntry(const QString& entryKey) {
    m_session.endGesture();
    setEnabled(false);
    const ColorEntry* entry = m_session.model().colorByKey(entryKey.toStdString());
    if (!entry || !m_session.grid().contains(entry->offset + kColorRecordBytes - 1))
        return;
    m_key = entry->key;
    m_offset = entry->offset;
    m_session.markCells(m_offset, kColorRecordBytes);
    setEnabled(true);
    showEntry();
}

// Shows the current entry's four cells. Only what the user changes is written:
// showing a transparency of 7F as 49 % leaves the byte at 7F.
void ColorEditor::showEntry() {
    const ColorRecord record = readColorRecord(m_session.grid(), m_offset);
    m_transparencyBox->setText(QString::number(percentFromByte(record.transparency)));
    const Rgb color{record.red, record.green, record.blue};
    showColor(color);
    showChannels(color);
}

void ColorEditor::showColor(Rgb color) {
    QPalette palette = m_swatch->palette();
    const QColor shown(color.red, color.green, color.blue);
    palette.setColor(QPalette::Window, shown);
    m_swatch->setPalette(palette);
    m_swatch->setAccessibleDescription(shown.name(QColor::HexRgb).toUpper());
    m_hexBox->setText(uiText(colorHexText(color)));
}

void ColorEditor::showChannels(Rgb color) {
    const int values[3] = {color.red, color.green, color.blue};
    for (int channel = Red; channel <= Blue; ++channel) {
        const QSignalBlocker blocker(m_sliders[channel]);
        m_sliders[channel]->setValue(values[channel]);
        m_boxes[channel]->setText(QString::number(values[channel]));
    }
}

void ColorEditor::setColor(Rgb color) {
    showColor(color);
    if (m_key.empty())
        return;
    m_writing = true;
    (void)m_session.setColor(m_key, color, kColorGesture);
    m_writing = false;
}

Rgb ColorEditor::sliderColor() const {
    return Rgb{static_cast<std::uint8_t>(m_sliders[Red]->value()),
               static_cast<std::uint8_t>(m_sliders[Green]->value()),
               static_cast<std::uint8_t>(m_sliders[Blue]->value())};
}

void ColorEditor::onSliderMoved(Channel channel) {
    m_boxes[channel]->setText(QString::number(m_sliders[channel]->value()));
    setColor(sliderColor());
}

// The box never keeps a text its slider does not show: an empty box or a value
// the slider cannot take gives way to the slider's position.
void ColorEditor::onChannelEdited(Channel channel) {
    QSlider* slider = m_sliders[channel];
    bool ok = false;
    const int value = m_boxes[channel]->text().toInt(&ok);
    if (ok && value >= slider->minimum() && value <= slider->maximum()) {
        const QSignalBlocker blocker(slider);
        slider->setValue(value);
    }
    const QString shown = QString::number(slider->value());
    if (m_boxes[channel]->text() != shown)
        m_boxes[channel]->setText(shown);
    setColor(sliderColor());
}

void ColorEditor::onTransparencyEdited() {
    if (m_key.empty())
        return;
    m_writing = true;
    const std::optional<std::string> corrected = m_session.setTransparencyText(
        m_key, m_transparencyBox->text().toStdString(), kTransparencyGesture);
    m_writing = false;
    if (corrected)
        m_transparencyBox->setText(uiText(*corrected));
}

// A typed colour is one step; anything but #RRGGBB is refused and the box
// shows the entry's colour again.
void ColorEditor::applyHexText() {
    if (m_key.empty())
        return;
    const EditResult refused = m_session.setColorText(m_key, m_hexBox->text().toStdString());
    showEntry();
    if (refused)
        showMessage(this, MessageIcon::Critical, uiText(refused->text(m_session.strings())));
}

void ColorEditor::chooseColor() {
    if (m_key.empty())
        return;
    StandardDialog dialog;
    dialog.show(StandardDialog::Action::Color);
    const std::optional<Rgb> chosen = dialog.color();
    if (!chosen)
        return;
    m_session.endGesture(); // a chosen colour is a step of its own
    setColor(*chosen);
    showChannels(*chosen);
}

void ColorEditor::renameScheme() {
    m_writing = true;
    const EditResult refused = m_session.setTitle(m_schemeTitleBox->text().toStdU16String());
    m_writing = false;
    if (!refused)
        return;
    const MessageIcon icon = refused->message ? refused->message->icon : MessageIcon::Critical;
    showMessage(this, icon, uiText(refused->text(m_session.strings())));
}

void ColorEditor::showTitle() {
    const EditorModel& model = m_session.model();
    const bool hasTitle = model.kind == EditorKind::Color && model.hasTitle;
    m_schemeTitleBox->setEnabled(hasTitle);
    m_renameButton->setEnabled(hasTitle);
    m_schemeTitleBox->setText(QString::fromStdU16String(hasTitle ? model.title : u""));
}

// Undo and redo change cells behind the panel's back; its own writes are
// already shown and must not disturb the box being typed into.
void ColorEditor::onSessionChange(const SessionChange& change) {
    if (change.model) {
        load();
        return;
    }
    if (m_writing)
        return;
    for (const std::string& key : change.settings) {
        if (key == m_key)
            showEntry();
        else if (key == kTitleKey)
            showTitle();
    }
}

bool ColorEditor::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool isSlider = qobject_cast<QSlider*>(watched) != nullptr;
    if (watched == m_swatch) {
        if (type == QEvent::MouseButtonRelease && isEnabled())
            chooseColor();
        // Painted here rather than left to the background, which a style
        // sheet's background would replace: the swatch always shows the colour.
        if (type == QEvent::Paint)
            QPainter(m_swatch).fillRect(m_swatch->contentsRect(),
                                        m_swatch->palette().color(QPalette::Window));
    } else if (type == QEvent::FocusOut || (isSlider && (type == QEvent::MouseButtonRelease ||
                                                         type == QEvent::MouseButtonPress))) {
        // A slider from press to release, or a control's keys until it loses
        // the focus, is one undo step.
        m_session.endGesture();
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace vantrel
