// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/windows/ReadingWindow.h"

#include "core/files/ReadingDots.h"
#include "gui/i18n/ApplyLanguage.h"

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
    Label1 = new QLabel(QString::fromUtf8("正在读取"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    lblDot = new QLabel(this);
    lblDot->setObjectName(QStringLiteral("lblDot"));
    lblDot->setTextFormat(Qt::PlainText);
    // Room for the longest frame, so the text does not shift as the dots grow.
    lblDot->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("...")) + 2);
    layout->addWidget(Label1);
    layout->addWidget(lblDot);
    setStyleSheet(QStringLiteral(
        "#ReadingWindow { background: palette(window); border: 1px solid palette(dark); }"));
    ApplyLanguage(this, language);

    Timer1 = new QTimer(this);
    Timer1->setInterval(kTickMs);
    connect(Timer1, &QTimer::timeout, this, &ReadingWindow::Timer1_Timer);
    Timer1->start();
}

void ReadingWindow::showOverOwner() {
    adjustSize();
    if (const QWidget* owner = parentWidget())
        setGeometry(QRect(owner->geometry().center() - rect().center(), size()));
    show();
}

void ReadingWindow::Timer1_Timer() {
    lblDot->setText(QString::fromStdString(nextReadingDots(lblDot->text().toStdString())));
}

} // namespace vantrel
