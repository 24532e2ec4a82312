// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/find/FindBar.h"

#include "core/i18n/UiStrings.h"
#include "gui/i18n/UiText.h"
#include "gui/widgets/Announcement.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace vantrel {

namespace {

constexpr FindMode kModes[] = {FindMode::Settings, FindMode::HexBytes, FindMode::AsciiText,
                               FindMode::Utf16Text};
constexpr UiString kModeNames[] = {UiString::FindModeSettings, UiString::FindModeBytes,
                                   UiString::FindModeAscii, UiString::FindModeUtf16};

QToolButton* newButton(QWidget* parent, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

// "&Next" on a button without its access key, which the bar's own keys replace.
QString withoutAccessKey(QString text) {
    return text.remove(QLatin1Char('&'));
}

} // namespace

FindBar::FindBar(const UiStrings& strings, QWidget* parent)
    : QToolBar(parent), m_strings(strings), m_label(new QLabel(this)), m_text(new QLineEdit(this)),
      m_mode(new QComboBox(this)), m_previous(newButton(this, "cmdFindPrevious")),
      m_next(newButton(this, "cmdFindNext")), m_status(new QLabel(this)),
      m_announcement(new Announcement(this)), m_close(newButton(this, "cmdFindClose")) {
    setObjectName(QStringLiteral("tbrFind"));
    setMovable(false);
    setFloatable(false);
    m_label->setObjectName(QStringLiteral("lblFind"));
    m_label->setBuddy(m_text);
    m_text->setObjectName(QStringLiteral("txtFind"));
    m_text->setClearButtonEnabled(true);
    m_text->setMinimumWidth(m_text->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 18);
    m_mode->setObjectName(QStringLiteral("cboFindMode"));
    m_status->setObjectName(QStringLiteral("lblFindStatus"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setMinimumWidth(m_status->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 12);
    m_close->setText(QStringLiteral("\u00D7"));
    for (QWidget* widget : std::initializer_list<QWidget*>{m_label, m_text, m_mode, m_previous,
                                                           m_next, m_status, m_close})
        addWidget(widget);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_text, m_mode, m_previous, m_next, m_close})
        widget->installEventFilter(this);

    connect(m_text, &QLineEdit::textChanged, this, &FindBar::queryChanged);
    connect(m_mode, &QComboBox::currentIndexChanged, this, &FindBar::queryChanged);
    connect(m_next, &QToolButton::clicked, this, &FindBar::nextRequested);
    connect(m_previous, &QToolButton::clicked, this, &FindBar::previousRequested);
    connect(m_close, &QToolButton::clicked, this, &FindBar::closeRequested);
    retranslate();
}

void FindBar::retranslate() {
    m_label->setText(uiText(m_strings, UiString::FindLabel));
    m_text->setAccessibleName(withoutAccessKey(m_label->text()));
    const int chosen = std::max(0, m_mode->currentIndex());
    const QSignalBlocker blocker(m_mode);
    m_mode->clear();
    for (const UiString name : kModeNames)
        m_mode->addItem(uiText(m_strings, name));
    m_mode->setCurrentIndex(chosen);
    m_mode->setAccessibleName(uiText(m_strings, UiString::FindModeLabel));
    m_next->setText(withoutAccessKey(uiText(m_strings, UiString::FindNext)) +
                    QStringLiteral(" \u25BC"));
    m_next->setAccessibleName(withoutAccessKey(uiText(m_strings, UiString::FindNext)));
    m_previous->setText(withoutAccessKey(uiText(m_strings, UiString::FindPrevious)) +
                        QStringLiteral(" \u25B2"));
    m_previous->setAccessibleName(withoutAccessKey(uiText(m_strings, UiString::FindPrevious)));
    m_close->setAccessibleName(uiText(m_strings, UiString::FindClose));
    m_close->setToolTip(m_close->accessibleName());
}

void FindBar::open() {
    show();
    // Not a shortcut's focus: a line edit focused by a shortcut selects its
    // text before screen readers hear of the focus, and Orca, having followed
    // the caret there, then says nothing of the focus. Selected afterwards.
    m_text->setFocus(Qt::OtherFocusReason);
    m_text->selectAll();
}

QString FindBar::text() const {
    return m_text->text();
}

FindMode FindBar::mode() const {
    return kModes[std::clamp(m_mode->currentIndex(), 0, 3)];
}

void FindBar::showStatus(const QString& status, const QString& note) {
    const QString shown = note.isEmpty() ? status : status + QStringLiteral("  ") + note;
    if (shown == m_status->text())
        return;
    m_status->setText(shown);
    m_status->setAccessibleName(shown);
    m_text->setAccessibleDescription(shown);
    // The answer changes while the focus stays in the text: said as it changes.
    m_announcement->announce(shown);
}

QString FindBar::status() const {
    return m_status->text();
}

bool FindBar::hasFocusInside() const {
    const QWidget* focus = focusWidget();
    return focus && isAncestorOf(focus) && focus->hasFocus();
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QToolBar::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool shift = key->modifiers().testFlag(Qt::ShiftModifier);
    if (key->key() == Qt::Key_Escape) {
        emit closeRequested();
        return true;
    }
    if (watched == m_text && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        emit shift ? previousRequested() : nextRequested();
        return true;
    }
    return QToolBar::eventFilter(watched, event);
}

} // namespace vantrel
