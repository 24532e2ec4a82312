// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/BuiltinStrings.h"
#include "gui/generators/GeneratorHost.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vantrel {

class LanguageFile;

// The outer-screen text generator: the user types the text of the phone's
// cover screen and saves it as a new 34-byte seem file. Opened over an
// outer-text file, it starts with that file's text.
class OuterTextDialog : public QDialog {
    Q_OBJECT

  public:
    OuterTextDialog(GeneratorHost host, const LanguageFile& language, QWidget* owner = nullptr);

    QGroupBox* Frame1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* lblTip = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;

    void saveRecord();
    void cancel();

  private:
    void buildControls();
    void Form_Load();
    void Text1_Change();
    void returnToMainWindow(DialogCode result);
    [[nodiscard]] QString str(UiString id) const;

    GeneratorHost m_host;
    const LanguageFile& m_language;
};

} // namespace vantrel
