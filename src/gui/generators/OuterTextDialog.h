// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/BuiltinStrings.h"
#include "gui/generators/GeneratorWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vantrel {

// The outer-screen text generator: the user types the text of the phone's
// cover screen and saves it as a new 34-byte seem file. Opened over an
// outer-text file, it starts with that file's text. The session words the
// hint and makes the file.
class OuterTextDialog : public GeneratorWindow {
    Q_OBJECT

  public:
    explicit OuterTextDialog(GeneratorHost host, QWidget* owner = nullptr);

    void saveRecord();

  private:
    void buildControls();
    // Captions in the chosen language, and the text the opened file holds.
    void fillControls();
    void updateHint();

    QGroupBox* m_textFrame = nullptr;
    QLineEdit* m_textBox = nullptr;
    QLabel* m_hintLabel = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};

} // namespace vantrel
