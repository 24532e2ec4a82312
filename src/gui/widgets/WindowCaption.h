// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace vantrel {

class EditingSession;

// The main window's caption, and the one place that writes it: the program's
// name, then the open file (in brackets until it is saved) and a star while
// the document has unsaved changes.
class WindowCaption {
  public:
    WindowCaption(QWidget& window, const EditingSession& session);

    // The name the caption starts with, once start-up has set it.
    void setProgramName(const QString& name);
    [[nodiscard]] const QString& programName() const { return m_programName; }

    // Names path: in brackets after opening, after two blanks once saved;
    // an empty path leaves the program's name alone.
    void showFile(const QString& path, bool saved);
    // The program's name alone until the document next changes its state,
    // as a generator window leaves it.
    void showProgramName();
    // Adds or drops the modified mark.
    void refresh();

  private:
    QWidget& m_window;
    const EditingSession& m_session;
    QString m_programName;
    QString m_base; // the caption without the modified mark
};

} // namespace vantrel
