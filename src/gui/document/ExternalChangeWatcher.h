// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/SeemDocument.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/session/SessionTypes.h"

#include <QFileSystemWatcher>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QPushButton;
class QToolBar;
class QWidget;

namespace vantrel {

class EditingSession;

// Notices when another program changes the open document's file: a file
// watcher, and a look whenever the window is activated again. An unmodified
// document is reloaded and the status line says so; a modified one gets this
// bar ("changed on disk — Reload / Keep Mine"), as does a file deleted or
// renamed. It shows the notice and its buttons only; saving is the file
// controller's. The bar (a tool bar named "changeBar") joins window's top
// tool bars the first time it is shown.
class ExternalChangeWatcher : public QObject {
    Q_OBJECT

  public:
    // reload re-reads the session's file as File > Reload does, asking
    // first where edits would be lost.
    ExternalChangeWatcher(EditingSession& session, std::function<void()> reload, QWidget* window);
    ~ExternalChangeWatcher() override;

    // Compares the file on disk with the document and acts on a difference.
    void checkNow();
    // Whether the bar is out of sight, as it is until there is news.
    [[nodiscard]] bool isHidden() const;

  signals:
    // A message for the status line; an empty text withdraws the last one.
    void statusMessage(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void makeBar();
    void hide();
    void onDocumentState();
    void watchPath();
    void showBar(UiString textString, bool canReload);
    void reportLeftoverRecovery();
    [[nodiscard]] QString text(UiString number, const std::vector<std::string>& args = {}) const;

    EditingSession& m_session;
    const SeemDocument& m_document;
    std::function<void()> m_reload;
    ListenerConnection m_sessionListener;
    QFileSystemWatcher m_fileWatcher;
    QTimer m_settle; // a save by another program arrives as several events
    std::string m_watchedPath;
    // The disk state "Keep Mine" was chosen for; none for a file gone.
    std::optional<FileIdentity> m_dismissed;
    bool m_hasDismissed = false;
    QWidget* m_window;
    QPointer<QToolBar> m_bar; // a child of the window, deleted with the watcher
    QLabel* m_message = nullptr;
    QPushButton* m_reloadButton = nullptr;
    QPushButton* m_keepButton = nullptr;
};

} // namespace vantrel
