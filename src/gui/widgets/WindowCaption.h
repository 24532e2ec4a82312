// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ListenerList.h"

#include <QString>

class QWidget;

namespace vantrel {

class EditingSession;
struct SessionChange;

// The program's name as the main window's caption starts with it: "Vantrel",
// two blanks and the version.
[[nodiscard]] QString programCaption();

// The main window's caption, and the one place that writes it. It follows the
// session: the program's name, then the open file (in brackets after opening,
// after two blanks once Save As named it) and a star while the document has
// unsaved changes.
class WindowCaption {
  public:
    WindowCaption(QWidget& window, EditingSession& session, QString programName);
    WindowCaption(const WindowCaption&) = delete;
    WindowCaption& operator=(const WindowCaption&) = delete;

    // The program's name alone until the session's file or modified state
    // next changes, as a generator window leaves it when it closes.
    void showProgramName();

  private:
    void onSessionChange(const SessionChange& change);
    void show();

    QWidget& m_window;
    const EditingSession& m_session;
    const QString m_programName;
    ListenerConnection m_connection;
};

} // namespace vantrel
