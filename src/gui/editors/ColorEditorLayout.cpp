// SPDX-License-Identifier: GPL-3.0-or-later
// How the colour panel lays out its controls and names them for screen readers.
#include "gui/editors/ColorEditor.h"

#include "core/editors/ColorScheme.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/session/EditingSession.h"
#include "gui/editors/DocumentUndoKeys.h"
#include "gui/i18n/UiText.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace vantrel {

namespace {

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

ColorEditor::ColorEditor(EditingSession& session, QWidget* parent)
    : QGroupBox(parent), m_session(session) {
    setObjectName(QStringLiteral("frameColor"));
    buildControls();
    // Until an entry is chosen the disabled panel shows white, each control agreeing.
    const Rgb white{0xFF, 0xFF, 0xFF};
    showColor(white);
    showChannels(white);
    m_transparencyBox->setText(QStringLiteral("100"));
    setEnabled(false);
    m_sessionConnection =
        m_session.addListener([this](const SessionChange& change) { onSessionChange(change); });
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
    m_swatch->setToolTip(uiText(m_session.strings(), UiString::ChooseColorTip));
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
    m_swatch->setAccessibleName(uiText(m_session.strings(), UiString::AccessibleColorPreview));
    for (int channel = Red; channel <= Blue; ++channel) {
        const QString spoken = uiText(m_session.strings(), kSpokenNames[channel]);
        m_sliders[channel]->setAccessibleName(spoken);
        m_boxes[channel]->setAccessibleName(
            uiText(m_session.strings(), UiString::AccessibleChannelValue)
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
    connect(slider, &QSlider::sliderReleased, this, [this] { m_session.endGesture(); });
    connect(box, &QLineEdit::textEdited, this, [this, channel] { onChannelEdited(channel); });
}

} // namespace vantrel
