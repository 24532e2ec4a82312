// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/BuiltinStrings.h"
#include "core/document/SeemDocument.h"

#include <functional>
#include <optional>
#include <string>

#include <QFileSystemWatcher>
#include <QTimer>
#include <QToolBar>

class QLabel;
class QPushButton;

namespace vantrel {

class LanguageFile;

// Notices when another program changes the open document's file: a file
// watcher, and a look whenever the window is activated again. An unmodified
// document is reloaded and the status line says so; a modified one gets this
// bar ("changed on disk — Reload / Keep Mine"), as does a file deleted or
// renamed. Saves go through save(), which asks before writing over another
// program's changes or creating a file that has gone.
class ExternalChangeWatcher : public QToolBar {
    Q_OBJECT

  public:
    // reload re-reads the document's file the way the window opens files.
    ExternalChangeWatcher(SeemDocument& document, const LanguageFile& language,
                          std::function<void()> reload, QWidget* window);
    ~ExternalChangeWatcher() override;

    // Compares the file on disk with the document and acts on a difference.
    void checkNow();
    // Saves to path (the document's own file unless saveAs), asking first when
    // the file changed on disk. Returns the document's outcome; ChangedOnDisk
    // when the user cancelled or reloaded instead.
    SaveOutcome save(const std::string& path, bool saveAs);

  signals:
    void statusMessage(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onDocumentState();
    void watchPath();
    void showBar(UiString textString, bool canReload);
    void reportLeftoverRecovery();
    [[nodiscard]] QString text(UiString number, const std::vector<std::string>& args = {}) const;

    SeemDocument& m_document;
    const LanguageFile& m_language;
    std::function<void()> m_reload;
    ListenerConnection m_stateListener;
    QFileSystemWatcher m_fileWatcher;
    QTimer m_settle; // a save by another program arrives as several events
    std::string m_watchedPath;
    // The disk state "Keep Mine" was chosen for; none for a file gone.
    std::optional<FileIdentity> m_dismissed;
    bool m_hasDismissed = false;
    QLabel* m_message;
    QPushButton* m_reloadButton;
    QPushButton* m_keepButton;
};

} // namespace vantrel
