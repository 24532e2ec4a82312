// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/MessageBox.h"

#include "gui/dialogs/DialogAnswerer.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/i18n/UiText.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace vantrel {

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

void showMessage(QWidget* parent, MessageIcon icon, const QString& text) {
    const MessageRequest request{
        parent ? parent : QApplication::activeWindow(),
        icon,
        QStringLiteral("Vantrel"),
        text,
    };
    if (DialogAnswerer* answerer = StandardDialog::answerer()) {
        answerer->showMessage(request);
        return;
    }
    QMessageBox box(toQtIcon(request.icon), request.title, request.text, QMessageBox::Ok,
                    request.parent);
    box.exec();
}

int askQuestion(QWidget* parent, MessageIcon icon, const QString& text, const QStringList& buttons,
                int defaultButton, int escapeButton) {
    const QuestionRequest request{
        parent ? parent : QApplication::activeWindow(),
        icon,
        QStringLiteral("Vantrel"),
        text,
        buttons,
        defaultButton,
        escapeButton,
    };
    if (DialogAnswerer* answerer = StandardDialog::answerer())
        return answerer->answerQuestion(request);
    QMessageBox box(toQtIcon(request.icon), request.title, request.text, QMessageBox::NoButton,
                    request.parent);
    std::vector<QPushButton*> pushButtons;
    for (const QString& caption : request.buttons)
        pushButtons.push_back(box.addButton(caption, QMessageBox::ActionRole));
    const auto at = [&pushButtons](int index) {
        return index >= 0 && index < static_cast<int>(pushButtons.size())
                   ? pushButtons[static_cast<std::size_t>(index)]
                   : nullptr;
    };
    box.setDefaultButton(at(request.defaultButton));
    box.setEscapeButton(at(request.escapeButton));
    box.exec();
    const auto chosen = std::find(pushButtons.begin(), pushButtons.end(), box.clickedButton());
    if (chosen == pushButtons.end())
        return request.escapeButton;
    return static_cast<int>(chosen - pushButtons.begin());
}

Answer askQuestion(QWidget* parent, const UiStrings& strings, const Question& question) {
    QStringList buttons;
    int defaultButton = 0;
    int escapeButton = 0;
    for (std::size_t i = 0; i < question.answers.size(); ++i) {
        buttons << uiText(strings, answerString(question.answers[i]));
        if (question.answers[i] == question.defaultAnswer)
            defaultButton = static_cast<int>(i);
        if (question.answers[i] == question.cancelAnswer)
            escapeButton = static_cast<int>(i);
    }
    const int chosen = askQuestion(parent, question.text.icon, uiText(strings, question.text),
                                   buttons, defaultButton, escapeButton);
    if (chosen < 0 || chosen >= static_cast<int>(question.answers.size()))
        return question.cancelAnswer;
    return question.answers[static_cast<std::size_t>(chosen)];
}

} // namespace vantrel
