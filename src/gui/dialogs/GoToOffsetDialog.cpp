// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/GoToOffsetDialog.h"

#include "core/document/OffsetInput.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"
#include "core/settings/SettingsStore.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/i18n/UiText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vantrel {

namespace {

const std::string kDecimalKey = "GoToDecimal";

} // namespace

GoToOffsetDialog::GoToOffsetDialog(const UiStrings& strings, SettingsStore& settings, int cellCount,
                                   QWidget* parent)
    : QDialog(parent), m_strings(strings), m_settings(settings), m_cellCount(cellCount) {
    setObjectName(QStringLiteral("frmGoToOffset"));
    setWindowTitle(uiText(m_strings, UiString::GoToOffsetTitle));

    m_offsetEdit = new QLineEdit(this);
    m_offsetEdit->setObjectName(QStringLiteral("txtOffset"));
    auto* prompt = new QLabel(uiText(m_strings, UiString::GoToOffsetPrompt), this);
    prompt->setBuddy(m_offsetEdit);
    m_hexadecimal = new QRadioButton(uiText(m_strings, UiString::OffsetHexadecimal), this);
    m_hexadecimal->setObjectName(QStringLiteral("optHexadecimal"));
    m_decimal = new QRadioButton(uiText(m_strings, UiString::OffsetDecimal), this);
    m_decimal->setObjectName(QStringLiteral("optDecimal"));
    (m_settings.read(kDecimalKey, "0") == "1" ? m_decimal : m_hexadecimal)->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &GoToOffsetDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &GoToOffsetDialog::reject);

    auto* entry = new QHBoxLayout;
    entry->addWidget(prompt);
    entry->addWidget(m_offsetEdit, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entry);
    layout->addWidget(m_hexadecimal);
    layout->addWidget(m_decimal);
    layout->addWidget(buttons);
    m_offsetEdit->setFocus();
}

void GoToOffsetDialog::accept() {
    const bool decimal = m_decimal->isChecked();
    m_settings.setValue(kDecimalKey, decimal ? "1" : "0");
    const std::string typed = m_offsetEdit->text().trimmed().toStdString();
    const OffsetInput input =
        parseOffset(typed, decimal ? OffsetBase::Decimal : OffsetBase::Hexadecimal, m_cellCount);

    QString refusal;
    switch (input.status) {
    case OffsetInput::Status::Ok:
        m_offset = input.offset;
        QDialog::accept();
        return;
    case OffsetInput::Status::NotANumber:
        refusal = uiText(m_strings, decimal ? UiString::OffsetNotDecimal : UiString::OffsetNotHex,
                         {typed});
        break;
    case OffsetInput::Status::BeyondEnd: {
        const int last = m_cellCount - 1;
        refusal = uiText(
            m_strings, UiString::OffsetBeyondEnd,
            {typed, std::to_string(last), QString::number(last, 16).toUpper().toStdString()});
        break;
    }
    }
    showMessage(this, MessageIcon::Warning, refusal);
    m_offsetEdit->selectAll();
    m_offsetEdit->setFocus();
}

} // namespace vantrel
