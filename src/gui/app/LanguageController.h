// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/app/EnablingRules.h"
#include "gui/i18n/QtTranslations.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace vantrel {

class MainWindow;

// The Language menu, the captions of the window in the chosen language and
// the definitions document that language names. Languages can only be
// switched while no file is open.
class LanguageController : public QObject {
    Q_OBJECT

  public:
    LanguageController(MainWindow& window, QMenu* menu);

    // Loads language.xml and captions the window; the reason when it could
    // not be read and the built-in English texts are used.
    std::optional<std::string> load();
    // Loads the chosen language's definitions into the document, reporting
    // why when it cannot; the document then keeps the definitions it had.
    bool loadDefinitions(const std::string& languageFailure);
    // The definitions file the chosen language names; "" when language.xml names none.
    [[nodiscard]] std::string chosenDefinitionsFile() const;
    [[nodiscard]] const QString& definitionsPath() const { return m_definitionsPath; }

    void chooseLanguage(int index);

  signals:
    // The captions changed: texts the window sets itself follow.
    void languageChanged();

  private:
    void rebuildMenu();
    [[nodiscard]] QAction* newItem(int index);
    void fillMenu();
    void applyCaptions();
    [[nodiscard]] std::string languagePath() const;

    MainWindow& m_window;
    QMenu* m_menu;
    EnablingRules m_rules;
    QtTranslations m_qtTranslations; // Qt's own dialog texts follow the language
    QString m_definitionsPath;
    std::vector<QAction*> m_items;
    std::size_t m_itemsShown = 0; // m_items already put into the menu
};

} // namespace vantrel
