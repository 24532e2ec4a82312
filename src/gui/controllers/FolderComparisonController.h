// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <string>

class QAction;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace vantrel {

class EditingSession;

// File > Compare folders...: two backups compared file by file in a list of
// their own, from which the differences can be saved as a recipe that turns
// the first folder's files into the second's.
class FolderComparisonController : public QObject {
    Q_OBJECT

  public:
    struct Callbacks {
        // The definitions document the window reads files with.
        std::function<std::string()> definitionsPath;
        // Opens file compared with other, as File > Compare with... does.
        std::function<void(const QString& file, const QString& other)> openCompared;
        // Tells the user something, in a message box of the window's.
        std::function<void(const QString& text)> report;
    };

    FolderComparisonController(EditingSession& session, Callbacks callbacks, QWidget* window);
    ~FolderComparisonController() override;

    [[nodiscard]] QAction* compareFoldersAction() const { return m_compareFoldersAction; }
    // Captions again, after the language changed.
    void retranslate();

    // The list of changed files; null until the first comparison.
    [[nodiscard]] QListWidget* changedFiles() const { return m_list; }
    // Save Differences as Recipe, in the list's window; null like the list.
    [[nodiscard]] QPushButton* saveRecipeButton() const { return m_saveRecipe; }

    void compareFolders();
    void saveDifferencesAsRecipe();

  private:
    void buildListWindow();
    void showList(const QString& ours, const QString& theirs);
    void placeListWindow();

    const UiStrings& m_strings;
    Callbacks m_callbacks;
    QWidget* m_window;
    QAction* m_compareFoldersAction;
    QPointer<QWidget> m_listWindow;
    QLabel* m_hint = nullptr; // how a pair is opened
    QListWidget* m_list = nullptr;
    QPushButton* m_saveRecipe = nullptr;
    QString m_ours; // the folders on show
    QString m_theirs;
};

} // namespace vantrel
