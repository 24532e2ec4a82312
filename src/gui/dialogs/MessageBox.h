// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/UiMessage.h"
#include "core/session/SessionTypes.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace vantrel {

// A modal message box with one OK button, titled with the application name.
// A null parent means the active window. While a dialog answerer is installed
// (StandardDialog::setAnswerer), the message is handed to it instead of being shown.
void showMessage(QWidget* parent, MessageIcon icon, const QString& text);

// A modal question with buttons of the caller's own (texts with "&" access
// keys). Returns the index of the button chosen; Escape or closing the box
// chooses escapeButton. Answered by the dialog answerer like showMessage.
int askQuestion(QWidget* parent, MessageIcon icon, const QString& text, const QStringList& buttons,
                int defaultButton, int escapeButton);
// A question the editing session asks, its buttons in its order.
Answer askQuestion(QWidget* parent, const UiStrings& strings, const Question& question);

} // namespace vantrel
