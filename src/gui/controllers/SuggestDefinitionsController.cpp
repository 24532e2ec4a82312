// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/SuggestDefinitionsController.h"

#include "core/coverage/DefinitionSuggestions.h"
#include "core/document/SeemDocument.h"
#include "core/i18n/BuiltinStrings.h"
#include "desktop/compare/DocumentComparison.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/i18n/UiText.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel {

SuggestDefinitionsController::SuggestDefinitionsController(const SeemDocument& document,
                                                           DocumentComparison& comparison,
                                                           const UiStrings& strings,
                                                           QWidget* window)
    : QObject(window), m_document(document), m_comparison(comparison), m_strings(strings),
      m_window(window) {
    m_action = new QAction(this);
    m_action->setObjectName(QStringLiteral("mnuSuggestDefinitions"));
    m_action->setEnabled(m_comparison.active());
    retranslate();
    connect(m_action, &QAction::triggered, this, &SuggestDefinitionsController::showSuggestions);
    m_comparisonListener = m_comparison.addListener([this] {
        m_action->setEnabled(m_comparison.active());
        if (m_dialog && m_dialog->isVisible())
            m_text->setPlainText(suggestion());
    });
}

SuggestDefinitionsController::~SuggestDefinitionsController() = default;

void SuggestDefinitionsController::retranslate() {
    m_action->setText(uiText(m_strings, UiString::SuggestDefinitions));
    if (!m_dialog)
        return;
    m_dialog->setWindowTitle(plainCaption(m_action->text()));
    m_copyButton->setText(uiText(m_strings, UiString::Copy));
    m_hint->setText(uiText(m_strings, UiString::SuggestDefinitionsHint));
    m_text->setAccessibleDescription(m_hint->text());
}

QString SuggestDefinitionsController::suggestion() const {
    const SeemDocument* other = m_comparison.otherDocument();
    if (!m_comparison.active() || other == nullptr || !m_document.type())
        return {};
    const ByteGrid& ours = m_document.grid();
    const DefinitionSuggestions suggestions = suggestDefinitions(
        m_document.type(), m_document.typeName(), ours, other->grid(), m_strings);
    const int typeLine = m_document.definitions().position(m_document.type()).line;
    const QString definitionsName = m_definitionsName ? m_definitionsName() : QString();
    return uiText(suggestionText(suggestions, m_document.type(), m_document.typeName(), typeLine,
                                 definitionsName.toStdString(), m_strings));
}

void SuggestDefinitionsController::showSuggestions() {
    if (!m_comparison.active())
        return;
    if (!m_dialog)
        createDialog();
    m_text->setPlainText(suggestion());
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

QDialog* SuggestDefinitionsController::dialog() const {
    return m_dialog.data();
}

void SuggestDefinitionsController::createDialog() {
    m_dialog = new QDialog(m_window);
    m_dialog->setObjectName(QStringLiteral("dlgSuggestDefinitions"));
    // Raw XML says nothing to a user who has not edited definitions before.
    m_hint = new QLabel(m_dialog);
    m_hint->setObjectName(QStringLiteral("lblSuggestionHint"));
    m_hint->setWordWrap(true);
    m_text = new QPlainTextEdit(m_dialog);
    m_text->setObjectName(QStringLiteral("txtSuggestion"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, m_dialog);
    m_copyButton = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    m_copyButton->setObjectName(QStringLiteral("cmdCopySuggestion"));
    connect(m_copyButton, &QPushButton::clicked, m_dialog,
            [this] { QGuiApplication::clipboard()->setText(m_text->toPlainText()); });
    connect(buttons, &QDialogButtonBox::rejected, m_dialog, &QDialog::hide);
    auto* layout = new QVBoxLayout(m_dialog);
    layout->addWidget(m_hint);
    layout->addWidget(m_text, 1);
    layout->addWidget(buttons);
    m_dialog->resize(640, 240);
    retranslate();
    m_text->setAccessibleName(m_dialog->windowTitle());
}

} // namespace vantrel
