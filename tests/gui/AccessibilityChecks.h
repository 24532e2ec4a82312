// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace vantrel::testing {

// The letter after a lone "&", lower-cased; a null character without one.
inline QChar accessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

// "key: caption, caption" for every access key two captions of one group share.
inline QStringList clashes(const QString& group, const QStringList& captions) {
    QMap<QChar, QStringList> byKey;
    for (const QString& caption : captions) {
        if (const QChar key = accessKey(caption); !key.isNull())
            byKey[key] << caption;
    }
    QStringList found;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        if (it.value().size() > 1)
            found << group + QStringLiteral(": ") + it.value().join(QStringLiteral(", "));
    }
    return found;
}

// Access keys shared within one menu, or within the window itself (its menu
// bar titles, buttons, check boxes and labels that lead to a control).
inline QStringList accessKeyClashes(QWidget* window) {
    QStringList found;
    QStringList windowCaptions;
    for (const QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        for (const QAction* action : bar->actions())
            windowCaptions << action->text();
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        windowCaptions << button->text();
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy())
            windowCaptions << label->text();
    }
    found << clashes(window->objectName(), windowCaptions);
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        QStringList captions;
        for (const QAction* action : menu->actions())
            captions << action->text();
        found << clashes(window->objectName() + QLatin1Char('/') + menu->objectName(), captions);
    }
    return found;
}

// Controls a screen reader shows on screen without a name, and sliders or text
// boxes that share one, as "<problem>: <object name>".
inline QStringList namingProblems(QWidget* window) {
    QStringList found;
    QMap<QString, QString> inputNames; // name -> the first slider or box that has it
    std::vector<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(window)};
    while (!pending.empty()) {
        QAccessibleInterface* iface = pending.back();
        pending.pop_back();
        if (!iface || !iface->isValid() || iface->state().invisible)
            continue;
        const QAccessible::Role role = iface->role();
        const QString name = iface->text(QAccessible::Name).trimmed();
        const QString object = iface->object() ? iface->object()->objectName() : QString();
        const bool control =
            role == QAccessible::PushButton || role == QAccessible::CheckBox ||
            role == QAccessible::RadioButton || role == QAccessible::Slider ||
            role == QAccessible::EditableText || role == QAccessible::SpinBox ||
            role == QAccessible::ComboBox || role == QAccessible::List ||
            role == QAccessible::Tree || role == QAccessible::Table ||
            (role == QAccessible::Grouping && qobject_cast<QGroupBox*>(iface->object()));
        if (control && name.isEmpty())
            found << QStringLiteral("unnamed: ") + object;
        if ((role == QAccessible::Slider || role == QAccessible::EditableText) && !name.isEmpty()) {
            if (inputNames.contains(name))
                found
                    << QStringLiteral("\"%1\" shared: %2, %3").arg(name, inputNames[name], object);
            else
                inputNames.insert(name, object);
        }
        // Items of lists, trees and the byte grid are named by what they show.
        if (role == QAccessible::List || role == QAccessible::Tree || role == QAccessible::Table)
            continue;
        for (int i = 0; i < iface->childCount(); ++i)
            pending.push_back(iface->child(i));
    }
    return found;
}

// Controls that Tab reaches but that look the same with and without the
// keyboard focus, by object name (or class when unnamed).
inline QStringList focusNotShown(QWidget* window) {
    QStringList found;
    // As after a Tab: styles draw some focus frames only for the keyboard.
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window) || !control->isEnabled() ||
            !(control->focusPolicy() & Qt::TabFocus) || control->focusProxy())
            continue;
        // Styles frame the default button as if focused: Return presses it
        // wherever the focus is, so it always looks ready for the keyboard.
        if (const auto* button = qobject_cast<QPushButton*>(control); button && button->isDefault())
            continue;
        control->clearFocus();
        const QImage without = control->grab().toImage();
        control->setFocus(Qt::TabFocusReason);
        const QImage with = control->grab().toImage();
        if (control->hasFocus() && with == without)
            found << (control->objectName().isEmpty()
                          ? QString::fromLatin1(control->metaObject()->className())
                          : control->objectName());
        control->clearFocus();
    }
    return found;
}

} // namespace vantrel::testing
