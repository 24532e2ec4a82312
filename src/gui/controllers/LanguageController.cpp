// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/LanguageController.h"

#include "core/definitions/DefinitionsFailure.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/LanguageFile.h"
#include "core/session/EditingSession.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/i18n/ApplyLanguage.h"
#include "gui/i18n/UiText.h"

#include <QAction>
#include <QMenu>

namespace vantrel {

LanguageController::LanguageController(Parts parts, QWidget& window, QMenu* menu)
    : QObject(&window), m_parts(std::move(parts)), m_window(window), m_menu(menu) {
    connect(m_menu, &QMenu::aboutToShow, this, &LanguageController::fillMenu);
    m_rules.add(m_menu, [this] { return !m_parts.session.fileOpen(); });
    m_sessionConnection = m_parts.session.addListener([this](const SessionChange& change) {
        if (change.file)
            m_rules.refresh();
    });
}

std::string LanguageController::languagePath() const {
    return (m_parts.appDir + QStringLiteral("language.xml")).toStdString();
}

std::optional<Failure> LanguageController::load() {
    const auto& systemLcid = m_parts.systemLcid;
    auto failure = m_parts.language.load(languagePath(), m_parts.settings,
                                         systemLcid ? systemLcid() : std::nullopt);
    rebuildMenu();
    applyCaptions();
    return failure;
}

std::string LanguageController::chosenDefinitionsFile() const {
    const LanguageFile& language = m_parts.language;
    const auto index = static_cast<std::size_t>(language.index());
    return index < language.languages().size() ? language.languages()[index].definitionsFile
                                               : std::string();
}

bool LanguageController::loadDefinitions(const std::string& languageFailure) {
    const std::string file = chosenDefinitionsFile();
    if (file.empty()) {
        showMessage(&m_window, MessageIcon::Critical,
                    uiText(unnamedDefinitionsMessage(m_parts.language.strings(),
                                                     m_parts.language.index(), languageFailure)));
        return false;
    }
    m_definitionsPath = m_parts.appDir + pathText(file);
    const auto failure = m_parts.session.loadDefinitions(m_definitionsPath.toStdString());
    if (failure)
        showMessage(&m_window, MessageIcon::Critical, uiText(failure->message));
    return !failure;
}

void LanguageController::chooseLanguage(int index) {
    const auto& systemLcid = m_parts.systemLcid;
    const auto failure = m_parts.language.choose(index, languagePath(), m_parts.settings,
                                                 systemLcid ? systemLcid() : std::nullopt);
    if (failure)
        showMessage(&m_window, MessageIcon::Critical,
                    uiText(m_parts.language.strings(), UiString::LanguageFileUnreadable) +
                        QLatin1Char('\n') + uiText(failure->message));
    rebuildMenu();
    applyCaptions();
    loadDefinitions(messageOf(failure));
}

// The items are made here but put into the menu only when it first opens:
// adding an item to a menu (or to an action group) looks through every item
// already there, which would make start-up quadratic in the number of languages.
void LanguageController::rebuildMenu() {
    const auto& languages = m_parts.language.languages();
    for (std::size_t i = 0; i < languages.size(); ++i) {
        if (i == m_items.size())
            m_items.push_back(newItem(static_cast<int>(i)));
        m_items[i]->setText(uiText(languages[i].caption));
        m_items[i]->setData(pathText(languages[i].definitionsFile));
    }
    if (m_items.empty()) {
        // Without a readable language.xml the menu still offers the one language we have.
        m_items.push_back(newItem(0));
        m_items.back()->setText(QStringLiteral("English"));
    }
    const auto chosen = static_cast<std::size_t>(m_parts.language.index());
    for (std::size_t i = 0; i < m_items.size(); ++i)
        m_items[i]->setChecked(i == chosen);
}

QAction* LanguageController::newItem(int index) {
    auto* item = new QAction(m_menu);
    item->setObjectName(QStringLiteral("mnuLans"));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, index] { chooseLanguage(index); });
    return item;
}

void LanguageController::fillMenu() {
    for (std::size_t i = m_itemsShown; i < m_items.size(); ++i)
        m_menu->addAction(m_items[i]);
    m_itemsShown = m_items.size();
}

void LanguageController::applyCaptions() {
    const LanguageFile& language = m_parts.language;
    applyLanguage(&m_window, language);
    const auto& languages = language.languages();
    const auto chosen = static_cast<std::size_t>(language.index());
    m_qtTranslations.apply(chosen < languages.size() ? languages[chosen].lcid : std::nullopt,
                           uiText(language.strings(), UiString::FolderType));
    emit languageChanged();
}

} // namespace vantrel
