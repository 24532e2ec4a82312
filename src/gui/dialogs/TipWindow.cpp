// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/TipWindow.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/LanguageFile.h"
#include "core/settings/TipSetting.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/i18n/UiText.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace vantrel {

namespace {

constexpr int kIconSize = 32;

// A light bulb with rays, drawn at the screen's pixel density.
QPixmap drawTipIcon(qreal pixelRatio) {
    QPixmap pixmap(QSize(kIconSize, kIconSize) * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(QPen(QColor(0xe0, 0xa0, 0x00), 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(16, 12);
    for (const QLineF ray : {QLineF(16, 1, 16, 3), QLineF(5, 12, 7, 12), QLineF(25, 12, 27, 12),
                             QLineF(8.2, 4.2, 9.6, 5.6), QLineF(23.8, 4.2, 22.4, 5.6)})
        painter.drawLine(ray);

    QPainterPath glass;
    glass.moveTo(12.5, 20);
    glass.cubicTo(12.5, 16.5, 9.5, 15.5, 9.5, 12);
    glass.arcTo(QRectF(9.5, 5.5, 13, 13), 180, -180);
    glass.cubicTo(22.5, 15.5, 19.5, 16.5, 19.5, 20);
    glass.closeSubpath();
    QRadialGradient light(centre - QPointF(2, 2), 9);
    light.setColorAt(0, QColor(0xff, 0xfb, 0xd0));
    light.setColorAt(1, QColor(0xff, 0xd2, 0x2e));
    painter.setBrush(light);
    painter.setPen(QPen(QColor(0x9a, 0x6b, 0x00), 1));
    painter.drawPath(glass);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x80, 0x80, 0x88));
    painter.drawRoundedRect(QRectF(12.5, 20.5, 7, 2.2), 1, 1);
    painter.drawRoundedRect(QRectF(12.5, 23.3, 7, 2.2), 1, 1);
    painter.setBrush(QColor(0x55, 0x55, 0x5c));
    painter.drawRoundedRect(QRectF(14, 26.1, 4, 2), 1, 1);
    return pixmap;
}

QFrame* panel(QWidget* parent, const char* name, const QColor& colour) {
    auto* shape = new QFrame(parent);
    shape->setObjectName(QString::fromLatin1(name));
    shape->setAutoFillBackground(true);
    QPalette palette = shape->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    shape->setPalette(palette);
    return shape;
}

} // namespace

TipWindow::TipWindow(QWidget* owner, const LanguageFile& language, SettingsStore& settings,
                     QAction* showTipAction)
    : QDialog(owner), m_settings(settings), m_showTipAction(showTipAction) {
    setObjectName(QStringLiteral("frmTip"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls();
    applyDesignCaptions(this);
    applyLanguage(this, language);
    setWindowTitle(uiText(language.strings(), UiString::TipTitle));
    m_showTipsCheck->setChecked(tipsEnabled(m_settings));
    connect(m_showTipsCheck, &QCheckBox::toggled, this, &TipWindow::showTipsToggled);
    connect(m_okButton, &QPushButton::clicked, this, &TipWindow::closeTip);
}

// Closing with the program still stores the choice, as the close box does.
TipWindow::~TipWindow() {
    storeChoice();
}

void TipWindow::buildControls() {
    QFrame* shape1 = panel(this, "Shape1", QColor(0x80, 0x80, 0x80));
    QFrame* shape2 = panel(this, "Shape2", Qt::white);
    m_icon = new QLabel(shape1);
    m_icon->setObjectName(QStringLiteral("Image1"));
    m_icon->setPixmap(drawTipIcon(devicePixelRatioF()));
    auto* iconColumn = new QVBoxLayout(shape1);
    iconColumn->setContentsMargins(12, 14, 12, 14);
    iconColumn->addWidget(m_icon, 0, Qt::AlignTop);

    m_headingLabel = new QLabel(shape2);
    m_headingLabel->setObjectName(QStringLiteral("Label2"));
    QFont bold = m_headingLabel->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_headingLabel->setFont(bold);
    m_tipLabel = new QLabel(shape2);
    m_tipLabel->setObjectName(QStringLiteral("lblTip"));
    m_tipLabel->setWordWrap(true);
    m_tipLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QLabel* text : {m_headingLabel, m_tipLabel})
        text->setTextFormat(Qt::PlainText); // texts from the definitions are never markup
    auto* textColumn = new QVBoxLayout(shape2);
    textColumn->setContentsMargins(14, 14, 14, 14);
    textColumn->setSpacing(10);
    textColumn->addWidget(m_headingLabel);
    textColumn->addWidget(m_tipLabel, 1);

    auto* panels = new QHBoxLayout;
    panels->setSpacing(0);
    panels->addWidget(shape1);
    panels->addWidget(shape2, 1);

    auto* line1 = new QFrame(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);

    m_showTipsCheck = new QCheckBox(this);
    m_showTipsCheck->setObjectName(QStringLiteral("Check1"));
    m_okButton = new QPushButton(this);
    m_okButton->setObjectName(QStringLiteral("Command1"));
    m_okButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_showTipsCheck, 1);
    buttons->addWidget(m_okButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addLayout(panels, 1);
    layout->addWidget(line1);
    layout->addLayout(buttons);
    shape2->setMinimumSize(360, 150);
}

void TipWindow::setTip(const QString& heading, const QString& text) {
    m_headingLabel->setText(heading);
    m_tipLabel->setText(text);
}

void TipWindow::showOverOwner() {
    setWindowModality(Qt::ApplicationModal);
    QWidget* owner = parentWidget();
    if (!owner ||
        (owner->isVisible() && owner->windowHandle() && owner->windowHandle()->isExposed())) {
        centreAndShow();
        return;
    }
    // Not on screen yet (start-up with a file named on the command line):
    // wait for the main window to be exposed, so the tip lands on top of it.
    owner->winId();
    owner->windowHandle()->installEventFilter(this);
}

bool TipWindow::eventFilter(QObject* watched, QEvent* event) {
    QWidget* owner = parentWidget();
    if (event->type() == QEvent::Expose && owner && watched == owner->windowHandle() &&
        owner->windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &TipWindow::centreAndShow);
    }
    return QDialog::eventFilter(watched, event);
}

void TipWindow::centreAndShow() {
    adjustSize();
    if (const QWidget* owner = parentWidget())
        setGeometry(QRect(owner->geometry().center() - rect().center(), size()));
    show();
    raise();
    activateWindow();
}

void TipWindow::showTipsToggled() {
    if (m_showTipAction)
        m_showTipAction->setChecked(m_showTipsCheck->isChecked());
}

void TipWindow::closeTip() {
    accept();
}

// OK, the close box and Escape all end here; the keys go back to the window.
void TipWindow::done(int result) {
    storeChoice();
    QDialog::done(result);
    if (QWidget* owner = parentWidget())
        owner->activateWindow();
}

void TipWindow::storeChoice() {
    if (m_stored)
        return;
    m_stored = true;
    storeTipsEnabled(m_settings, m_showTipsCheck->isChecked());
}

} // namespace vantrel
