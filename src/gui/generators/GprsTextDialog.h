// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/generators/GprsTextRecord.h"
#include "core/i18n/BuiltinStrings.h"
#include "gui/generators/GeneratorWindow.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vantrel {

// The GPRS date text generator: the user chooses whether the phone's main
// screen shows the date, nothing or a text of their own, and saves the choice
// as a new 26-byte seem file. Opened over a GPRS file, it starts with that
// file's setting. The session makes the file and says what is wrong with a text.
class GprsTextDialog : public GeneratorWindow {
    Q_OBJECT

  public:
    explicit GprsTextDialog(GeneratorHost host, QWidget* owner = nullptr);

    [[nodiscard]] GprsDisplayMode mode() const;
    [[nodiscard]] QRadioButton* modeButton(GprsDisplayMode mode) const;

    void showModeChoice(int index);
    void saveRecord();

  private:
    void buildControls();
    // Captions in the chosen language, and the setting the opened file holds.
    void fillControls();
    void select(GprsDisplayMode mode);
    void updateHint();

    QString m_textHintCaption; // the hint's own text, where the session has none
    QGroupBox* m_modeFrame = nullptr;
    std::array<QRadioButton*, 3> m_modeButtons{}; // indexed by GprsDisplayMode
    QLineEdit* m_textBox = nullptr;
    QLabel* m_textHint = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};

} // namespace vantrel
