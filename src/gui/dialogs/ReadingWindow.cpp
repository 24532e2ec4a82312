// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/ReadingWindow.h"

#include "desktop/files/ReadingDots.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/i18n/UiText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

namespace vantrel {

ReadingWindow::ReadingWindow(QWidget* owner, const LanguageFile& language)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmReading"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 14, 24, 14);
    layout->setSpacing(0);
    m_textLabel = new QLabel(this);
    m_textLabel->setObjectName(QStringLiteral("Label1"));
    m_textLabel->setTextFormat(Qt::PlainText);
    m_dotsLabel = new QLabel(this);
    m_dotsLabel->setObjectName(QStringLiteral("lblDot"));
    m_dotsLabel->setTextFormat(Qt::PlainText);
    // Room for the longest frame, so the text does not shift as the dots grow.
    m_dotsLabel->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("...")) + 2);
    layout->addWidget(m_textLabel);
    layout->addWidget(m_dotsLabel);
    setStyleSheet(QStringLiteral(
        "#ReadingWindow { background: palette(window); border: 1px solid palette(dark); }"));
    applyDesignCaptions(this);
    applyLanguage(this, language);

    m_dotsTimer = new QTimer(this);
    m_dotsTimer->setInterval(kTickMs);
    connect(m_dotsTimer, &QTimer::timeout, this, &ReadingWindow::advanceDots);
    m_dotsTimer->start();
}

void ReadingWindow::showOverOwner() {
    adjustSize();
    if (const QWidget* owner = parentWidget())
        setGeometry(QRect(owner->geometry().center() - rect().center(), size()));
    show();
}

void ReadingWindow::advanceDots() {
    m_dotsLabel->setText(uiText(nextReadingDots(m_dotsLabel->text().toStdString())));
}

} // namespace vantrel
