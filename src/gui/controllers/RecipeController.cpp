// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/RecipeController.h"

#include "core/compare/SeemComparison.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/PluralText.h"
#include "core/i18n/UiStrings.h"
#include "core/session/EditingSession.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/dialogs/RecipeReviewDialog.h"
#include "gui/dialogs/RecipeSaving.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/i18n/UiText.h"

#include <QAction>
#include <QWidget>

namespace vantrel {

namespace {} // namespace

RecipeController::RecipeController(EditingSession& session, QWidget& window)
    : QObject(&window), m_session(session), m_strings(session.strings()), m_window(window),
      m_exportSettingsAction(new QAction(this)), m_exportChangesAction(new QAction(this)),
      m_applyAction(new QAction(this)) {
    // Each works on the open file, so each waits for one.
    const auto fileOpen = [this] { return m_session.fileOpen(); };
    m_exportSettingsAction->setObjectName(QStringLiteral("mnuExportSettings"));
    m_rules.add(m_exportSettingsAction, fileOpen);
    m_exportChangesAction->setObjectName(QStringLiteral("mnuExportChanges"));
    m_rules.add(m_exportChangesAction, fileOpen);
    m_applyAction->setObjectName(QStringLiteral("mnuApplySettings"));
    m_rules.add(m_applyAction, fileOpen);
    connect(m_exportSettingsAction, &QAction::triggered, this, &RecipeController::exportSettings);
    connect(m_exportChangesAction, &QAction::triggered, this, &RecipeController::exportChanges);
    connect(m_applyAction, &QAction::triggered, this, &RecipeController::applySettings);
    m_sessionListener = m_session.addListener([this](const SessionChange& change) {
        if (change.file)
            m_rules.refresh();
    });
    retranslate();
}

QList<QAction*> RecipeController::fileMenuItems() const {
    return {m_exportSettingsAction, m_exportChangesAction, m_applyAction};
}

void RecipeController::retranslate() {
    m_exportSettingsAction->setText(uiText(m_strings, UiString::MenuExportSettings));
    m_exportChangesAction->setText(uiText(m_strings, UiString::MenuExportChanges));
    m_applyAction->setText(uiText(m_strings, UiString::MenuApplySettings));
}

void RecipeController::report(const QString& text) {
    showMessage(&m_window, MessageIcon::Information, text);
}

void RecipeController::exportSettings() {
    if (!m_session.fileOpen())
        return;
    if (const auto said =
            saveRecipeAs(&m_window, m_strings, plainCaption(m_exportSettingsAction->text()),
                         m_session.recipeSeemId(), m_session.settingsRecipe()))
        report(*said);
}

void RecipeController::exportChanges() {
    if (!m_session.fileOpen())
        return;
    const RecipeChanges changes = m_session.changesSinceOpen();
    const auto uncarried = uncarriedCellsMessage(changes);
    if (changes.recipe.entries.empty()) {
        QString text = uiText(m_strings, UiString::RecipeNoChanges);
        if (uncarried)
            text += QLatin1Char('\n') + uiText(m_strings, *uncarried);
        report(text);
        return;
    }
    auto said = saveRecipeAs(&m_window, m_strings, plainCaption(m_exportChangesAction->text()),
                             m_session.recipeSeemId(), changes.recipe);
    if (!said)
        return;
    if (uncarried)
        *said += QLatin1Char('\n') + uiText(m_strings, *uncarried);
    report(*said);
}

void RecipeController::applySettings() {
    if (!m_session.fileOpen())
        return;
    RecipeReviewDialog dialog(m_session, &m_window);
    if (dialog.exec() != QDialog::Accepted || !dialog.review())
        return;
    const SeemDocument& document = m_session.document();
    ByteGrid before;
    before.load(document.grid().bytes());
    const std::vector<std::string> problems =
        m_session.applyReviewed(*dialog.review(), dialog.tickedRows());
    if (!problems.empty()) {
        report(uiText(m_strings, UiString::RecipeRefused) + joinLines(problems));
        return;
    }
    const SeemComparison changes =
        compareSeemFiles({document.type(), document.typeName(), before},
                         {document.type(), document.typeName(), document.grid()}, m_strings);
    if (changes.equal()) {
        report(uiText(m_strings, UiString::RecipeUnchanged));
        return;
    }
    std::vector<std::string> lines;
    for (const SettingDifference& difference : changes.differences)
        lines.push_back(differenceLine(difference));
    const auto count = static_cast<std::int64_t>(lines.size());
    report(uiText(pluralText(m_strings, UiString::RecipeApplied, count, {std::to_string(count)})) +
           joinLines(lines));
}

} // namespace vantrel
