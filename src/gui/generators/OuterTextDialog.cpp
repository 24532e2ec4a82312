// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/generators/OuterTextDialog.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/session/EditingSession.h"
#include "desktop/files/FileDialogOptions.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/i18n/UiText.h"
#include "gui/style/PaletteColors.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vantrel {

namespace {

constexpr double kTextPointSize = 21.75;
constexpr int kOuterTextWindowWidthPx = 320;

// The text box shows the text as the cover screen would: large, light on dark.
void styleAsCoverScreen(QLineEdit* box) {
    QFont font;
    font.setFamilies({QStringLiteral("SimHei"), QStringLiteral("黑体"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")});
    font.setPointSizeF(kTextPointSize);
    box->setFont(font);
    box->setAlignment(Qt::AlignCenter);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    palette.setColor(QPalette::Text, QColor(0xE8, 0xF0, 0xFF));
    box->setPalette(palette);
}

} // namespace

OuterTextDialog::OuterTextDialog(GeneratorHost host, QWidget* owner)
    : GeneratorWindow(std::move(host), owner) {
    setObjectName(QStringLiteral("frmOuterText"));
    buildControls();
    fillControls();
}

void OuterTextDialog::buildControls() {
    m_textFrame = new QGroupBox(this);
    m_textFrame->setObjectName(QStringLiteral("Frame1"));
    m_textBox = new QLineEdit(m_textFrame);
    m_textBox->setObjectName(QStringLiteral("Text1"));
    styleAsCoverScreen(m_textBox);
    auto* frameLayout = new QVBoxLayout(m_textFrame);
    frameLayout->addWidget(m_textBox);

    m_hintLabel = new QLabel(this);
    m_hintLabel->setObjectName(QStringLiteral("lblTip"));
    m_hintLabel->setWordWrap(true);
    // Room for either hint, so the window does not change size as the text grows.
    m_hintLabel->setMinimumHeight(2 * m_hintLabel->fontMetrics().lineSpacing());

    m_saveButton = new QPushButton(this);
    m_saveButton->setObjectName(QStringLiteral("cmdSave"));
    m_saveButton->setDefault(true);
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_textFrame);
    layout->addWidget(m_hintLabel);
    layout->addLayout(buttons);
    applyDesignCaptions(this);
    // Wider only when a large font needs it.
    setFixedWidth(std::max(kOuterTextWindowWidthPx, sizeHint().width()));

    connect(m_textBox, &QLineEdit::textChanged, this, &OuterTextDialog::updateHint);
    connect(m_saveButton, &QPushButton::clicked, this, &OuterTextDialog::saveRecord);
    connect(m_cancelButton, &QPushButton::clicked, this, &GeneratorWindow::cancel);
}

void OuterTextDialog::fillControls() {
    const EditingSession& session = this->session();
    setWindowTitle(uiText(session.strings(), UiString::OuterTextTitle));
    applyLanguage(this, session.language());
    m_textBox->setText(QString::fromStdU16String(session.outerTextPrefill()));
}

void OuterTextDialog::updateHint() {
    const EditingSession& session = this->session();
    const GeneratedFile file = session.generateOuterText(m_textBox->text().toStdU16String());
    m_hintLabel->setText(file.hint ? uiText(session.strings(), *file.hint) : QString());
    setWindowTextColor(m_hintLabel, file.warning ? warningTextColor(m_hintLabel) : QColor());
}

void OuterTextDialog::saveRecord() {
    const EditingSession& session = this->session();
    const GeneratedFile file = session.generateOuterText(m_textBox->text().toStdU16String());
    const QString path =
        saveGenerated(file, UiString::OuterTextSaveTitle, UiString::OuterTextSaveFilter,
                      FileDialogOption::ConfirmOverwrite);
    if (path.isEmpty())
        return;
    showMessage(this, MessageIcon::Information,
                uiText(session.strings(), UiString::OuterTextSavedPrefix) + QStringLiteral(" [ ") +
                    path + QStringLiteral(" ] ") + uiText(session.strings(), UiString::Succeeded));
    returnToMainWindow(Accepted);
}

} // namespace vantrel
