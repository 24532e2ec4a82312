// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/document/ByteGridView.h"
#include "gui/i18n/UiText.h"
#include "gui/widgets/WindowCaption.h"
#include "gui/window/MainWindow.h"
#include "gui/window/StatusPanel.h"

#include <QStatusBar>

namespace vantrel::testing {

// What a test reads of the main window, found as a user finds it where it can
// be: the grid and the status line by their object names, the file by the
// caption's session. The window keeps all of it to itself.
class MainWindowProbe {
  public:
    explicit MainWindowProbe(MainWindow& window) : m_window(window) {}

    [[nodiscard]] EditingSession& session() const { return m_window.m_session; }
    [[nodiscard]] const UiStrings& strings() const { return session().strings(); }
    [[nodiscard]] QString fileName() const { return pathText(session().document().path()); }
    [[nodiscard]] const QString& appDir() const { return m_window.m_appDir; }
    // What the caption starts with.
    [[nodiscard]] static QString programName() { return programCaption(); }

    [[nodiscard]] ByteGridView* gridView() const {
        return m_window.findChild<ByteGridView*>(QStringLiteral("picEdit"));
    }

    // Panel 1 or 2 of the status line.
    [[nodiscard]] QString statusText(int panel) const {
        const auto panels =
            m_window.findChild<QStatusBar*>(QStringLiteral("staBar"))->findChildren<StatusPanel*>();
        return panels.value(panel - 1) ? panels.value(panel - 1)->text() : QString();
    }

  private:
    MainWindow& m_window;
};

} // namespace vantrel::testing
