// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/BuiltinStrings.h"
#include "gui/generators/OuterTextDialog.h"

#include "core/files/DialogValues.h"
#include "core/generators/OuterTextRecord.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/LanguageFile.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/generators/GeneratedFile.h"
#include "gui/i18n/ApplyLanguage.h"
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
constexpr int kWindowWidthPx = 320;

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

OuterTextDialog::OuterTextDialog(GeneratorHost host, const LanguageFile& language, QWidget* owner)
    : QDialog(owner), m_host(std::move(host)), m_language(language) {
    setObjectName(QStringLiteral("frmOuterText"));
    setModal(true);
    buildControls();
    Form_Load();
}

void OuterTextDialog::buildControls() {
    Frame1 = new QGroupBox(QStringLiteral("文字"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    styleAsCoverScreen(Text1);
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(Text1);

    lblTip = new QLabel(QStringLiteral("最多显示6个汉字"), this);
    lblTip->setObjectName(QStringLiteral("lblTip"));
    lblTip->setWordWrap(true);
    // Room for either hint, so the window does not change size as the text grows.
    lblTip->setMinimumHeight(2 * lblTip->fontMetrics().lineSpacing());

    cmdSave = new QPushButton(QStringLiteral("保存(&S)"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("取消(&I)"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(lblTip);
    layout->addLayout(buttons);
    // Wider only when a large font needs it.
    setFixedWidth(std::max(kWindowWidthPx, sizeHint().width()));

    connect(Text1, &QLineEdit::textChanged, this, &OuterTextDialog::Text1_Change);
    connect(cmdSave, &QPushButton::clicked, this, &OuterTextDialog::saveRecord);
    connect(cmdCancel, &QPushButton::clicked, this, &OuterTextDialog::cancel);
}

void OuterTextDialog::Form_Load() {
    setWindowTitle(str(StrOuterTextTitle));
    ApplyLanguage(this, m_language);
    const std::u16string text = outerTextPrefill(m_host.curType, m_host.fileBytes);
    Text1->setText(QString::fromStdU16String(text));
}

// The hint only informs; a text that does not fit is still saved, cut to the
// record, and then the hint says what the file will hold.
void OuterTextDialog::Text1_Change() {
    const std::u16string typed = Text1->text().toStdU16String();
    const bool cut = outerTextIsCut(typed);
    const bool fits = !cut && outerTextFitsScreen(typed);
    if (cut) {
        const QString stored = QString::fromStdU16String(outerTextStored(typed));
        lblTip->setText(QString::fromStdString(
            m_language.strings().format(StrOuterTextStored, {stored.toStdString()})));
    } else {
        lblTip->setText(str(fits ? StrOuterTextFits : StrOuterTextTooLong));
    }
    setWindowTextColor(lblTip, fits ? QColor() : warningTextColor(lblTip));
}

void OuterTextDialog::saveRecord() {
    const QString path =
        askForGeneratedFile(this, str(StrOuterTextSaveTitle), str(StrOuterTextSaveFilter),
                            FileDialogFlag::OverwritePrompt);
    if (path.trimmed().isEmpty())
        return;
    const auto record = encodeOuterTextRecord(Text1->text().toStdU16String());
    if (!writeGeneratedFile(this, path, record, m_language.strings()))
        return;
    showMessage(this, MessageIcon::Information,
                str(StrOuterTextSavedPrefix) + QStringLiteral(" [ ") + path +
                    QStringLiteral(" ] ") + str(StrSucceeded));
    returnToMainWindow(Accepted);
}

void OuterTextDialog::cancel() {
    returnToMainWindow(Rejected);
}

void OuterTextDialog::returnToMainWindow(DialogCode result) {
    if (m_host.restoreMainCaption)
        m_host.restoreMainCaption();
    done(result);
    if (QWidget* owner = parentWidget())
        owner->activateWindow();
}

QString OuterTextDialog::str(UiString id) const {
    return QString::fromStdString(m_language.strings().get(id));
}

} // namespace vantrel
