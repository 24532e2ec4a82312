#include "gui/dialogs/MessageBox.h"

#include "gui/dialogs/CommDlg.h"
#include "gui/dialogs/DialogAnswerer.h"

#include <QApplication>
#include <QMessageBox>

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
    if (DialogAnswerer* answerer = CommDlg::answerer()) {
        answerer->showMessage(request);
        return;
    }
    QMessageBox box(toQtIcon(request.icon), request.title, request.text, QMessageBox::Ok,
                    request.parent);
    box.exec();
}

} // namespace vantrel
