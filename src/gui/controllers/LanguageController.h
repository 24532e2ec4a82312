// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Failure.h"
#include "core/document/ListenerList.h"
#include "gui/controllers/EnablingRules.h"
#include "gui/i18n/QtTranslations.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace vantrel {

class EditingSession;
class LanguageFile;
class SettingsStore;

// The Language menu, the captions of the window in the chosen language and
// the definitions document that language names. Languages can only be
// switched while no file is open.
class LanguageController : public QObject {
    Q_OBJECT

  public:
    // What the controller reads and writes: the language file in the program
    // folder appDir (ending in a separator), the chosen language in settings,
    // the definitions of the session, and the captions of window and its
    // children. The menu is disabled while a file is open.
    struct Parts {
        LanguageFile& language;
        EditingSession& session;
        SettingsStore& settings;
        QString appDir;
        std::function<std::optional<std::int32_t>()> systemLcid;
    };

    LanguageController(Parts parts, QWidget& window, QMenu* menu);

    // Loads language.xml and captions the window; the reason when it could
    // not be read and the built-in English texts are used.
    std::optional<Failure> load();
    // Loads the chosen language's definitions into the session, reporting
    // why when it cannot; the session then keeps the definitions it had.
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

    Parts m_parts;
    QWidget& m_window;
    QMenu* m_menu;
    EnablingRules m_rules;
    QtTranslations m_qtTranslations; // Qt's own dialog texts follow the language
    QString m_definitionsPath;
    std::vector<QAction*> m_items;
    std::size_t m_itemsShown = 0; // m_items already put into the menu
    ListenerConnection m_sessionConnection;
};

} // namespace vantrel
