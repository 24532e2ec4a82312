// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/BuiltinStrings.h"
#include "gui/generators/GprsTextDialog.h"

#include "core/i18n/LanguageFile.h"
#include "gui/generators/GeneratedFile.h"
#include "gui/i18n/ApplyLanguage.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vantrel {

namespace {

constexpr int kWindowWidthPx = 360;
constexpr int kCustomIndex = static_cast<int>(GprsDisplayMode::CustomText);

} // namespace

GprsTextDialog::GprsTextDialog(GeneratorHost host, const LanguageFile& language, QWidget* owner)
    : QDialog(owner), m_host(std::move(host)), m_language(language) {
    setObjectName(QStringLiteral("frmGPRS"));
    setWindowTitle(QStringLiteral("修改主屏显示的GPRS文字"));
    setModal(true);
    buildControls();
    Form_Load();
}

void GprsTextDialog::buildControls() {
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* frameLayout = new QVBoxLayout(Frame1);
    auto* group = new QButtonGroup(this);
    const char* const designCaptions[] = {"总是显示日期", "什么都不显示", "显示为自定义文字"};
    for (int index = 0; index < static_cast<int>(OptShow.size()); ++index) {
        OptShow[index] = new QRadioButton(QString::fromUtf8(designCaptions[index]), Frame1);
        OptShow[index]->setObjectName(QStringLiteral("OptShow"));
        group->addButton(OptShow[index], index);
        frameLayout->addWidget(OptShow[index]);
    }
    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    // The record holds 13 code units; the box takes no more.
    Text1->setMaxLength(static_cast<int>(kGprsTextUnits));
    frameLayout->addWidget(Text1);
    Label1 = new QLabel(QStringLiteral("可以显示12个Unicode字符,10汉字满屏"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    frameLayout->addWidget(Label1);
    // The window keeps its size while the custom text comes and goes.
    for (QWidget* custom : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Label1)}) {
        QSizePolicy policy = custom->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        custom->setSizePolicy(policy);
    }

    Command1 = new QPushButton(QStringLiteral("保存(&O)"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("取消(&I)"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addStretch();
    layout->addLayout(buttons);
    // Wider only when a large font needs it.
    setFixedWidth(std::max(kWindowWidthPx, sizeHint().width()));

    connect(group, &QButtonGroup::idClicked, this, &GprsTextDialog::showModeChoice);
    connect(Command1, &QPushButton::clicked, this, &GprsTextDialog::saveRecord);
    connect(Command2, &QPushButton::clicked, this, &GprsTextDialog::cancel);
}

void GprsTextDialog::Form_Load() {
    ApplyLanguage(this, m_language);
    setWindowTitle(str(StrGprsTitle));
    for (int index = 0; index < static_cast<int>(OptShow.size()); ++index)
        OptShow[index]->setText(str(static_cast<UiString>(StrGprsAlwaysDate + index)));
    const GprsSetting setting =
        gprsPrefill(m_host.fileName.toStdString(), m_host.curType, m_host.fileBytes);
    Text1->setText(QString::fromStdU16String(setting.text));
    select(setting.mode);
}

GprsDisplayMode GprsTextDialog::mode() const {
    for (int index = 0; index < static_cast<int>(OptShow.size()); ++index) {
        if (OptShow[index]->isChecked())
            return static_cast<GprsDisplayMode>(index);
    }
    return GprsDisplayMode::ShowNothing;
}

void GprsTextDialog::select(GprsDisplayMode mode) {
    const int index = static_cast<int>(mode);
    OptShow[index]->setChecked(true);
    showModeChoice(index);
}

void GprsTextDialog::showModeChoice(int index) {
    const bool custom = index == kCustomIndex;
    Text1->setVisible(custom);
    Label1->setVisible(custom);
    if (custom)
        Text1->setFocus();
}

void GprsTextDialog::saveRecord() {
    // Flags 0: an existing file of that name is replaced without a question.
    const QString path =
        askForGeneratedFile(this, str(StrGprsSaveTitle), str(StrGprsSaveFilter), 0);
    if (path.isEmpty())
        return;
    const auto record = encodeGprsTextRecord(mode(), Text1->text().toStdU16String());
    if (!writeGeneratedFile(this, path, record, m_language.strings()))
        return;
    returnToMainWindow(Accepted);
}

void GprsTextDialog::cancel() {
    returnToMainWindow(Rejected);
}

void GprsTextDialog::returnToMainWindow(DialogCode result) {
    if (m_host.restoreMainCaption)
        m_host.restoreMainCaption();
    done(result);
    if (QWidget* owner = parentWidget())
        owner->activateWindow();
}

QString GprsTextDialog::str(UiString id) const {
    return QString::fromStdString(m_language.strings().get(id));
}

} // namespace vantrel
