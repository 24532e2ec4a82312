// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/ColorEditor.h"

#include "core/editors/ColorScheme.h"
#include "core/editors/SchemeTitle.h"
#include "core/i18n/BuiltinStrings.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/editors/DocumentUndoKeys.h"
#include "gui/i18n/UiText.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace vantrel {

namespace {

constexpr int kTitleEnd = kTitleOffset + 2 * kTitleUnits;
// A slider narrower than this many characters can hardly be set by mouse.
constexpr int kSliderLeastChars = 10;

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// Every box of the panel edits the document.
QLineEdit* namedBox(const QString& name, const QString& text, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    leaveUndoKeysToDocument(box);
    return box;
}

QToolButton* textButton(QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

ColorEditor::ColorEditor(SeemDocument& document, const UiStrings& strings, QWidget* parent)
    : QGroupBox(parent), m_document(document), m_strings(strings) {
    setObjectName(QStringLiteral("frameColor"));
    buildControls();
    // Until an entry is chosen the disabled panel shows white, each control agreeing.
    const Rgb white{0xFF, 0xFF, 0xFF};
    showColor(white);
    showChannels(white);
    m_transparencyBox->setText(QStringLiteral("100"));
    setEnabled(false);
    m_gridConnection = m_document.grid().addListener([this](int index) { onCellChanged(index); });
}

void ColorEditor::buildControls() {
    // The controls keep the sizes their captions and values need in the
    // user's font; the panel is given the height they need (heightFor), and
    // where it is too narrow for them they scroll sideways inside the frame
    // instead of being squeezed or cut.
    auto* scroll = new QScrollArea(this);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setObjectName(QStringLiteral("scrColor"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* content = new QWidget(scroll);
    content->setObjectName(QStringLiteral("colorControls"));
    scroll->setWidget(content);
    scroll->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    auto* frameLayout = new QVBoxLayout(this);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(scroll);
    auto* layout = new QGridLayout(content);
    m_controlsLayout = layout;
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setVerticalSpacing(1);

    m_swatch = new QFrame(this);
    m_swatch->setObjectName(QStringLiteral("picColor"));
    m_swatch->setFrameShape(QFrame::Box);
    m_swatch->setAutoFillBackground(true);
    m_swatch->setToolTip(uiText(m_strings, UiString::ChooseColorTip));
    m_swatch->setMinimumSize(48, 32);
    m_swatch->setCursor(Qt::PointingHandCursor);
    m_swatch->installEventFilter(this);
    layout->addWidget(m_swatch, 0, 0, 2, 1);
    // The swatch takes no focus; this button is how a keyboard reaches the chooser.
    // Tool buttons are as wide as their captions, where push buttons take a
    // style's minimum width that would leave the sliders no room.
    m_chooseColorButton = textButton(this);
    m_chooseColorButton->setObjectName(QStringLiteral("cmdChooseColor"));
    layout->addWidget(m_chooseColorButton, 2, 0);
    connect(m_chooseColorButton, &QToolButton::clicked, this, &ColorEditor::chooseColor);

    addChannel(Red, QStringLiteral("R"), 0);
    addChannel(Green, QStringLiteral("G"), 1);
    addChannel(Blue, QStringLiteral("B"), 2);

    QLabel* hexLabel = namedLabel(QStringLiteral("lblHex"), QString(), this);
    layout->addWidget(hexLabel, 0, 4);
    m_hexBox = namedBox(QStringLiteral("txtHex"), QStringLiteral("#FFFFFF"), this);
    // Each box is named by its label, for screen readers.
    hexLabel->setBuddy(m_hexBox);
    layout->addWidget(m_hexBox, 0, 5, 1, 2);
    connect(m_hexBox, &QLineEdit::editingFinished, this, &ColorEditor::applyHexText);

    QLabel* transparencyLabel = namedLabel(QStringLiteral("lblT"), QString(), this);
    layout->addWidget(transparencyLabel, 1, 4);
    m_transparencyBox = namedBox(QStringLiteral("txtT"), QStringLiteral("255"), this);
    transparencyLabel->setBuddy(m_transparencyBox);
    m_transparencyBox->installEventFilter(this);
    layout->addWidget(m_transparencyBox, 1, 5);
    layout->addWidget(namedLabel(QStringLiteral("lblPercent"), QString(), this), 1, 6);
    connect(m_transparencyBox, &QLineEdit::textEdited, this, &ColorEditor::onTransparencyEdited);

    QLabel* titleLabel = namedLabel(QStringLiteral("lblColorName"), QString(), this);
    layout->addWidget(titleLabel, 2, 4);
    m_schemeTitleBox = namedBox(QStringLiteral("txtColorName"), QString(), this);
    titleLabel->setBuddy(m_schemeTitleBox);
    layout->addWidget(m_schemeTitleBox, 2, 5);
    m_renameButton = textButton(this);
    m_renameButton->setObjectName(QStringLiteral("cmdChangeName"));
    layout->addWidget(m_renameButton, 2, 6);
    connect(m_renameButton, &QToolButton::clicked, this, &ColorEditor::renameScheme);
    layout->setColumnStretch(2, 1);
    fitToFont();
    nameForScreenReaders();
}

// The boxes are as wide as their longest text and the sliders at least some
// characters wide, in the font now in use; tool buttons keep their captions' width.
void ColorEditor::fitToFont() {
    const QFontMetrics metrics = fontMetrics();
    const auto boxWidth = [&metrics](const QString& longest) {
        return metrics.horizontalAdvance(longest) + 12;
    };
    m_hexBox->setFixedWidth(boxWidth(QStringLiteral("#DDDDDDD")));
    m_transparencyBox->setFixedWidth(boxWidth(QStringLiteral("100.00")));
    m_schemeTitleBox->setFixedWidth(boxWidth(QStringLiteral("标题标题标")));
    for (int channel = Red; channel <= Blue; ++channel) {
        m_boxes[channel]->setFixedWidth(boxWidth(QStringLiteral("0000")));
        m_sliders[channel]->setMinimumWidth(metrics.averageCharWidth() * kSliderLeastChars);
    }
}

int ColorEditor::heightFor(int pxWidth) const {
    const QSize controls = m_controlsLayout->totalMinimumSize();
    const QMargins frame = contentsMargins();
    int pxHeight = controls.height() + frame.top() + frame.bottom();
    if (controls.width() + frame.left() + frame.right() > pxWidth)
        pxHeight += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return pxHeight;
}

// "R:" would name a slider and its box alike; a screen reader needs them apart.
void ColorEditor::nameForScreenReaders() {
    static constexpr UiString kSpokenNames[3] = {UiString::AccessibleRed, UiString::AccessibleGreen,
                                                 UiString::AccessibleBlue};
    m_swatch->setAccessibleName(uiText(m_strings, UiString::AccessibleColorPreview));
    for (int channel = Red; channel <= Blue; ++channel) {
        const QString spoken = uiText(m_strings, kSpokenNames[channel]);
        m_sliders[channel]->setAccessibleName(spoken);
        m_boxes[channel]->setAccessibleName(uiText(m_strings, UiString::AccessibleChannelValue)
                                                .replace(QLatin1String("%1"), spoken));
    }
}

void ColorEditor::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        nameForScreenReaders();
    else if (event->type() == QEvent::FontChange)
        fitToFont();
}

void ColorEditor::addChannel(Channel channel, const QString& name, int row) {
    QGridLayout* layout = m_controlsLayout;
    layout->addWidget(namedLabel(QStringLiteral("lbl") + name, name + QLatin1Char(':'), this), row,
                      1);
    QSlider* slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(QStringLiteral("sld") + name);
    slider->setRange(0, 255);
    slider->installEventFilter(this);
    layout->addWidget(slider, row, 2);
    QLineEdit* box = namedBox(QStringLiteral("txt") + name, QStringLiteral("255"), this);
    // Digits and backspace only; there is no length limit.
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    box->installEventFilter(this);
    layout->addWidget(box, row, 3);
    m_sliders[channel] = slider;
    m_boxes[channel] = box;
    connect(slider, &QSlider::valueChanged, this, [this, channel] { onSliderMoved(channel); });
    connect(slider, &QSlider::sliderReleased, this, [this] { m_document.endGesture(); });
    connect(box, &QLineEdit::textEdited, this, [this, channel] { onChannelEdited(channel); });
}

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
