// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ListenerList.h"
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
class QWidget;

namespace vantrel {

class EditingSession;

// File > Compare folders..., Export settings... and Apply settings...: two
// backups compared file by file in a list of their own, and the open file's
// settings written to or read from a recipe.
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
    [[nodiscard]] QAction* exportAction() const { return m_exportAction; }
    [[nodiscard]] QAction* applyAction() const { return m_applyAction; }
    // Captions again, after the language changed.
    void retranslate();

    // The list of changed files; null until the first comparison.
    [[nodiscard]] QListWidget* changedFiles() const { return m_list; }

    void compareFolders();
    void exportSettings();
    void applySettings();

  private:
    void updateActions();
    void showList(const QString& ours, const QString& theirs);
    void placeListWindow();

    EditingSession& m_session;
    const UiStrings& m_strings;
    Callbacks m_callbacks;
    QWidget* m_window;
    QAction* m_compareFoldersAction;
    QAction* m_exportAction;
    QAction* m_applyAction;
    QPointer<QWidget> m_listWindow;
    QLabel* m_hint = nullptr; // how a pair is opened
    QListWidget* m_list = nullptr;
    ListenerConnection m_sessionListener;
};

} // namespace vantrel
