// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/generators/GprsTextDialog.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/session/EditingSession.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/i18n/UiText.h"
#include "gui/style/PaletteColors.h"

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

constexpr int kGprsWindowWidthPx = 360;
constexpr int kCustomIndex = static_cast<int>(GprsDisplayMode::CustomText);

} // namespace

GprsTextDialog::GprsTextDialog(GeneratorHost host, QWidget* owner)
    : GeneratorWindow(std::move(host), owner) {
    setObjectName(QStringLiteral("frmGPRS"));
    buildControls();
    fillControls();
}

void GprsTextDialog::buildControls() {
    m_modeFrame = new QGroupBox(this);
    m_modeFrame->setObjectName(QStringLiteral("Frame1"));
    auto* frameLayout = new QVBoxLayout(m_modeFrame);
    auto* group = new QButtonGroup(this);
    // The three share one name, so the string table names them (fillControls);
    // until then they show these, which the window's width is taken from.
    const QString designCaptions[] = {QStringLiteral("总是显示日期"),
                                      QStringLiteral("什么都不显示"),
                                      QStringLiteral("显示为自定义文字")};
    for (int index = 0; index < static_cast<int>(m_modeButtons.size()); ++index) {
        m_modeButtons[index] = new QRadioButton(designCaptions[index], m_modeFrame);
        m_modeButtons[index]->setObjectName(QStringLiteral("OptShow"));
        group->addButton(m_modeButtons[index], index);
        frameLayout->addWidget(m_modeButtons[index]);
    }
    m_textBox = new QLineEdit(m_modeFrame);
    m_textBox->setObjectName(QStringLiteral("Text1"));
    // The record holds 13 code units; the box takes no more.
    m_textBox->setMaxLength(static_cast<int>(kGprsTextUnits));
    frameLayout->addWidget(m_textBox);
    m_textHint = new QLabel(m_modeFrame);
    m_textHint->setObjectName(QStringLiteral("Label1"));
    m_textHint->setWordWrap(true);
    frameLayout->addWidget(m_textHint);
    // The window keeps its size while the custom text comes and goes.
    for (QWidget* custom : {static_cast<QWidget*>(m_textBox), static_cast<QWidget*>(m_textHint)}) {
        QSizePolicy policy = custom->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        custom->setSizePolicy(policy);
    }

    m_saveButton = new QPushButton(this);
    m_saveButton->setObjectName(QStringLiteral("Command1"));
    m_saveButton->setDefault(true);
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName(QStringLiteral("Command2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_modeFrame);
    layout->addStretch();
    layout->addLayout(buttons);
    applyDesignCaptions(this);
    // Wider only when a large font needs it.
    setFixedWidth(std::max(kGprsWindowWidthPx, sizeHint().width()));

    connect(group, &QButtonGroup::idClicked, this, &GprsTextDialog::showModeChoice);
    connect(m_textBox, &QLineEdit::textChanged, this, &GprsTextDialog::updateHint);
    connect(m_saveButton, &QPushButton::clicked, this, &GprsTextDialog::saveRecord);
    connect(m_cancelButton, &QPushButton::clicked, this, &GeneratorWindow::cancel);
}

void GprsTextDialog::fillControls() {
    const EditingSession& session = this->session();
    applyLanguage(this, session.language());
    m_textHintCaption = m_textHint->text();
    setWindowTitle(uiText(session.strings(), UiString::GprsTitle));
    static constexpr UiString kModeCaptions[] = {UiString::GprsAlwaysDate, UiString::GprsNothing,
                                                 UiString::GprsCustomText};
    static_assert(std::size(kModeCaptions) == std::tuple_size_v<decltype(m_modeButtons)>);
    for (std::size_t index = 0; index < m_modeButtons.size(); ++index)
        m_modeButtons[index]->setText(uiText(session.strings(), kModeCaptions[index]));
    const GprsSetting setting = session.gprsPrefill();
    m_textBox->setText(QString::fromStdU16String(setting.text));
    select(setting.mode);
}

// The label under the box explains the custom text, unless the session has
// something to say of the text typed.
void GprsTextDialog::updateHint() {
    const EditingSession& session = this->session();
    const GeneratedFile file =
        session.generateGprs(GprsDisplayMode::CustomText, m_textBox->text().toStdU16String());
    m_textHint->setText(file.hint ? uiText(session.strings(), *file.hint) : m_textHintCaption);
    setWindowTextColor(m_textHint, file.warning ? warningTextColor(m_textHint) : QColor());
}

GprsDisplayMode GprsTextDialog::mode() const {
    for (int index = 0; index < static_cast<int>(m_modeButtons.size()); ++index) {
        if (m_modeButtons[index]->isChecked())
            return static_cast<GprsDisplayMode>(index);
    }
    return GprsDisplayMode::ShowNothing;
}

QRadioButton* GprsTextDialog::modeButton(GprsDisplayMode mode) const {
    return m_modeButtons[static_cast<std::size_t>(mode)];
}

void GprsTextDialog::select(GprsDisplayMode mode) {
    const int index = static_cast<int>(mode);
    m_modeButtons[index]->setChecked(true);
    showModeChoice(index);
}

void GprsTextDialog::showModeChoice(int index) {
    const bool custom = index == kCustomIndex;
    m_textBox->setVisible(custom);
    m_textHint->setVisible(custom);
    if (custom)
        m_textBox->setFocus();
}

void GprsTextDialog::saveRecord() {
    const EditingSession& session = this->session();
    const GeneratedFile file = session.generateGprs(mode(), m_textBox->text().toStdU16String());
    // An existing file of that name is replaced without a question.
    if (saveGenerated(file, UiString::GprsSaveTitle, UiString::GprsSaveFilter,
                      FileDialogOption::None)
            .isEmpty())
        return;
    returnToMainWindow(Accepted);
}

} // namespace vantrel
