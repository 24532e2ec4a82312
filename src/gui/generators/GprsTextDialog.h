// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/BuiltinStrings.h"
#include "core/generators/GprsTextRecord.h"
#include "gui/generators/GeneratorHost.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vantrel {

class LanguageFile;

// The GPRS date text generator: the user chooses whether the phone's main
// screen shows the date, nothing or a text of their own, and saves the choice
// as a new 26-byte seem file. Opened over a GPRS file, it starts with that
// file's setting.
class GprsTextDialog : public QDialog {
    Q_OBJECT

  public:
    GprsTextDialog(GeneratorHost host, const LanguageFile& language, QWidget* owner = nullptr);

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 3> OptShow{}; // indexed by GprsDisplayMode
    QLineEdit* Text1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    [[nodiscard]] GprsDisplayMode mode() const;

    void showModeChoice(int index);
    void saveRecord();
    void cancel();

  private:
    void buildControls();
    void Form_Load();
    void select(GprsDisplayMode mode);
    void returnToMainWindow(DialogCode result);
    [[nodiscard]] QString str(UiString id) const;

    GeneratorHost m_host;
    const LanguageFile& m_language;
};

} // namespace vantrel
