#include "gui/windows/frmReading.h"

#include "core/windows/ReadingDots.h"
#include "gui/i18n/ApplyLanguage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

namespace vantrel {

frmReading::frmReading(QWidget* owner, const LanguageFile& language)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmReading"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QHBoxLayout(this);
    Label1 = new QLabel(QString::fromUtf8("正在读取"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    lblDot = new QLabel(this);
    lblDot->setObjectName(QStringLiteral("lblDot"));
    lblDot->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("...")) + 2);
    layout->addWidget(Label1);
    layout->addWidget(lblDot);
    setStyleSheet(QStringLiteral("frmReading { border: 1px solid palette(mid); }"));
    ApplyLanguage(this, language);

    Timer1 = new QTimer(this);
    Timer1->setInterval(kTickMs);
    connect(Timer1, &QTimer::timeout, this, &frmReading::Timer1_Timer);
    Timer1->start();

    m_showDelay = new QTimer(this);
    m_showDelay->setSingleShot(true);
    connect(m_showDelay, &QTimer::timeout, this, [this, owner] {
        adjustSize();
        if (owner)
            move(owner->geometry().center() - rect().center());
        show();
    });
    m_showDelay->start(kShowDelayMs);
}

void frmReading::finish() {
    m_showDelay->stop();
    Timer1->stop();
    hide();
}

void frmReading::Timer1_Timer() {
    lblDot->setText(QString::fromStdString(nextReadingDots(lblDot->text().toStdString())));
}

} // namespace vantrel
