// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/ColorEditor.h"

#include "core/editors/ColorScheme.h"
#include "core/editors/SchemeTitle.h"
#include "core/i18n/BuiltinStrings.h"
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

constexpr int kTitleEnd = kTitleOffset + 2 * kTitleUnits;

} // namespace

void ColorEditor::load() {
    // The language may have changed since the panel was built.
    m_swatch->setToolTip(uiText(m_strings, UiString::ChooseColorTip));
    m_chooseColorButton->setToolTip(m_swatch->toolTip());
    m_offset = -1;
    setEnabled(false);
    showTitle();
}

void ColorEditor::selectEntry(std::optional<int> entryOffset) {
    m_document.endGesture();
    setEnabled(false);
    if (!entryOffset || !m_document.grid().contains(*entryOffset + kColorRecordBytes - 1))
        return;
    selectColorEntry(m_document.grid(), *entryOffset);
    m_offset = *entryOffset;
    setEnabled(true);
    showEntry();
}

// Shows the current entry's four cells. Only what the user changes is written:
// showing a transparency of 7F as 49 % leaves the byte at 7F.
void ColorEditor::showEntry() {
    const ColorRecord record = readColorRecord(m_document.grid(), m_offset);
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
    if (m_offset < 0)
        return;
    m_writing = true;
    {
        EditScope step(m_document, UiString::UndoColor);
        writeColor(m_document.grid(), m_offset, color.red, color.green, color.blue);
    }
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
    if (m_offset < 0)
        return;
    const TransparencyInput input = transparencyFromText(m_transparencyBox->text().toStdString());
    if (input.correctedText)
        m_transparencyBox->setText(uiText(*input.correctedText));
    m_writing = true;
    {
        EditScope step(m_document, UiString::UndoColor);
        writeTransparency(m_document.grid(), m_offset, input.byte);
    }
    m_writing = false;
}

// A typed colour is one step; anything but #RRGGBB is refused and the box
// shows the entry's colour again.
void ColorEditor::applyHexText() {
    if (m_offset < 0)
        return;
    const QString typed = m_hexBox->text();
    const std::optional<Rgb> color = rgbFromHexText(typed.toStdString());
    const ColorRecord record = readColorRecord(m_document.grid(), m_offset);
    const Rgb current{record.red, record.green, record.blue};
    if (!color) {
        showColor(current);
        showMessage(this, MessageIcon::Critical,
                    uiText(m_strings, UiString::ColorNotHex, {typed.trimmed().toStdString()}));
        return;
    }
    if (*color == current) {
        showColor(current);
        return;
    }
    setColor(*color);
    showChannels(*color);
}

void ColorEditor::chooseColor() {
    if (m_offset < 0)
        return;
    StandardDialog dialog;
    dialog.show(StandardDialog::Action::Color);
    const std::optional<Rgb> chosen = rgbFromChooser(dialog.rgbResult());
    if (!chosen)
        return;
    setColor(*chosen);
    showChannels(*chosen);
}

void ColorEditor::renameScheme() {
    const std::u16string title = m_schemeTitleBox->text().toStdU16String();
    if (title.size() > static_cast<std::size_t>(kTitleUnits)) {
        showMessage(this, MessageIcon::Information, uiText(m_strings, UiString::ColorTitleTooLong));
        return;
    }
    m_writing = true;
    {
        EditScope step(m_document, UiString::UndoTitle);
        writeSchemeTitle(m_document.grid(), title);
    }
    m_writing = false;
}

void ColorEditor::showTitle() {
    const bool hasTitle = hasSchemeTitle(m_document.grid());
    m_schemeTitleBox->setEnabled(hasTitle);
    m_renameButton->setEnabled(hasTitle);
    m_schemeTitleBox->setText(QString::fromStdU16String(readSchemeTitle(m_document.grid())));
}

// Undo and redo change cells behind the panel's back; its own writes are
// already shown and must not disturb the box being typed into.
void ColorEditor::onCellChanged(int index) {
    if (m_writing)
        return;
    if (index < 0) {
        if (m_offset >= 0 && !m_document.grid().contains(m_offset + kColorRecordBytes - 1)) {
            m_offset = -1;
            setEnabled(false);
        }
        showTitle();
    }
    if (m_offset >= 0 && (index < 0 || (index >= m_offset && index < m_offset + kColorRecordBytes)))
        showEntry();
    if (index >= kTitleOffset && index < kTitleEnd)
        showTitle();
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
    } else if (type == QEvent::FocusOut || (type == QEvent::MouseButtonRelease && isSlider)) {
        m_document.endGesture();
    } else if (type == QEvent::MouseButtonPress && isSlider) {
        // A slider from press to release, or a control's keys until it loses
        // the focus, is one undo step.
        m_document.endGesture();
        m_document.beginGesture(UiString::UndoColor);
    } else if (type == QEvent::FocusIn || type == QEvent::KeyPress) {
        m_document.beginGesture(UiString::UndoColor);
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace vantrel
