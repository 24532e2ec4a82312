// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/window/StartPage.h"

#include "gui/widgets/Twips.h"

#include <QEvent>
#include <QLabel>

#include <algorithm>

namespace vantrel {

StartPage::StartPage(QWidget* canvas) {
    m_hint = new QLabel(canvas);
    m_hint->setObjectName(QStringLiteral("lblSoftTip"));
    m_hint->setGeometry(twipRect(1980, 3705, 9555, 1155));
    m_hint->setWordWrap(true);
    m_hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_hint->setTextFormat(Qt::PlainText);
    m_pxDesignedHintHeight = m_hint->height();
    m_hint->installEventFilter(this);

    // The title over its grey twin reads as one word with a shadow. Fonts
    // differ in height, so the pair sits just above the hint rather than at a
    // fixed top.
    const QFont font(QStringLiteral("Tahoma"), 72, QFont::Bold);
    m_titleShadow = new QLabel(QStringLiteral("Vantrel"), canvas);
    m_titleShadow->setObjectName(QStringLiteral("Label2"));
    m_titleShadow->setFont(font);
    // Colours by palette role, so the title reads on light and dark themes.
    m_titleShadow->setForegroundRole(QPalette::Mid);
    m_titleShadow->adjustSize();
    const int titleTop = std::max(0, m_hint->y() - m_titleShadow->height() - px(75));
    m_titleShadow->move(px(1575), titleTop);
    m_title = new QLabel(QStringLiteral("Vantrel"), canvas);
    m_title->setObjectName(QStringLiteral("Label3"));
    m_title->setFont(font);
    m_title->setForegroundRole(QPalette::Highlight);
    m_title->adjustSize();
    m_title->move(px(1590), titleTop + px(75));
    m_hint->raise();
    m_designedPlaces[0] = m_titleShadow->pos();
    m_designedPlaces[1] = m_title->pos();
    m_designedPlaces[2] = m_hint->pos();
}

void StartPage::setHint(const QString& text) {
    m_hint->setText(text);
    fitHint();
}

void StartPage::fitHint() {
    m_hint->resize(m_hint->width(),
                   std::max(m_pxDesignedHintHeight, m_hint->heightForWidth(m_hint->width())));
}

bool StartPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_hint && event->type() == QEvent::FontChange)
        fitHint();
    return QObject::eventFilter(watched, event);
}

void StartPage::setVisible(bool visible) {
    for (QLabel* part : {m_titleShadow, m_title, m_hint})
        part->setVisible(visible);
}

void StartPage::shiftBy(QPoint shift) {
    QLabel* const parts[] = {m_titleShadow, m_title, m_hint};
    for (int i = 0; i < 3; ++i)
        parts[i]->move(m_designedPlaces[i] + shift);
}

} // namespace vantrel
