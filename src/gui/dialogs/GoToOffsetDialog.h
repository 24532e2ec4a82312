// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/BuiltinStrings.h"

#include <QDialog>

#include <optional>

class QLineEdit;
class QRadioButton;

namespace vantrel {

class SettingsStore;
class UiStrings;

// Edit > Go to offset: asks for a byte offset of the open file, in hexadecimal
// (1A, 0x1A) or in decimal, as the user last chose. An offset that is not a
// number or lies past the last byte is refused with a message, and the dialog
// stays open to mend it.
class GoToOffsetDialog : public QDialog {
    Q_OBJECT

  public:
    GoToOffsetDialog(const UiStrings& strings, SettingsStore& settings, int cellCount,
                     QWidget* parent = nullptr);

    // The offset accepted; nothing before the user confirmed a good one.
    [[nodiscard]] std::optional<int> offset() const { return m_offset; }

    [[nodiscard]] QLineEdit* offsetEdit() const { return m_offsetEdit; }
    [[nodiscard]] QRadioButton* hexadecimalChoice() const { return m_hexadecimal; }
    [[nodiscard]] QRadioButton* decimalChoice() const { return m_decimal; }

  public slots:
    void accept() override;

  private:
    const UiStrings& m_strings;
    SettingsStore& m_settings;
    int m_cellCount;
    QLineEdit* m_offsetEdit = nullptr;
    QRadioButton* m_hexadecimal = nullptr;
    QRadioButton* m_decimal = nullptr;
    std::optional<int> m_offset;
};

} // namespace vantrel
