// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/i18n/ApplyLanguage.h"

#include "core/i18n/DesignCaptions.h"
#include "core/i18n/LanguageFile.h"
#include "gui/i18n/UiText.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

#include <optional>
#include <string>

namespace vantrel {

namespace {

// Only these kinds carry a caption; text boxes, option buttons, lists, trees
// and sliders keep whatever they show.
void setCaption(QObject* control, const QString& caption) {
    if (auto* frame = qobject_cast<QGroupBox*>(control))
        frame->setTitle(caption);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(caption);
    else if (auto* menu = qobject_cast<QMenu*>(control))
        menu->setTitle(caption);
    else if (auto* button = qobject_cast<QPushButton*>(control))
        button->setText(caption);
    else if (auto* toolButton = qobject_cast<QToolButton*>(control))
        toolButton->setText(caption);
    else if (auto* check = qobject_cast<QCheckBox*>(control))
        check->setText(caption);
    else if (auto* action = qobject_cast<QAction*>(control); action && !action->menu())
        action->setText(caption);
}

// Every named control of part (and part itself when it is not window) with
// the caption that captionOf finds for it by objectName.
template <typename CaptionOf>
void captionControls(QObject* part, bool withPart, CaptionOf captionOf) {
    QList<QObject*> controls = part->findChildren<QObject*>();
    if (withPart)
        controls.prepend(part);
    for (QObject* control : controls) {
        if (control->objectName().isEmpty())
            continue;
        if (const std::optional<QString> caption = captionOf(control->objectName().toStdString()))
            setCaption(control, *caption);
    }
}

} // namespace

void applyDesignCaptions(QWidget* window, QObject* part) {
    const std::string windowName = window->objectName().toStdString();
    captionControls(part ? part : window, part && part != window,
                    [&](const std::string& control) -> std::optional<QString> {
                        if (const DesignCaption* caption = findDesignCaption(windowName, control))
                            return uiText(caption->text);
                        return std::nullopt;
                    });
}

void applyLanguage(QWidget* window, const LanguageFile& language) {
    applyLanguage(window, window, language);
}

void applyLanguage(QWidget* window, QObject* part, const LanguageFile& language) {
    const std::string windowName = window->objectName().toStdString();
    captionControls(part, part != window,
                    [&](const std::string& control) -> std::optional<QString> {
                        if (const auto caption = language.caption(windowName, control))
                            return uiText(*caption);
                        return std::nullopt;
                    });
    // Names made from the string table (those screen readers read) follow too.
    QEvent changed(QEvent::LanguageChange);
    QCoreApplication::sendEvent(window, &changed);
}

QString plainCaption(QString caption) {
    while (caption.endsWith(QLatin1Char('.')))
        caption.chop(1);
    // The access key of a caption without the letter in it: "(&E)" at its end.
    if (caption.size() >= 4 && caption.endsWith(QLatin1Char(')')) &&
        caption.at(caption.size() - 4) == QLatin1Char('(') &&
        caption.at(caption.size() - 3) == QLatin1Char('&'))
        caption.chop(4);
    caption.remove(QLatin1Char('&'));
    return caption;
}

} // namespace vantrel
