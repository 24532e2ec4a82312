#pragma once

#include <QString>

class QWidget;

namespace vantrel {

enum class MessageIcon { Critical, Information, Warning };

// A modal message box with one OK button, titled with the application name.
// A null parent means the active window. While a dialog answerer is installed
// (CommDlg::setAnswerer), the message is handed to it instead of being shown.
void showMessage(QWidget* parent, MessageIcon icon, const QString& text);

} // namespace vantrel
