// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/WindowCaption.h"

#include "core/session/EditingSession.h"

#include <QWidget>

namespace vantrel {

WindowCaption::WindowCaption(QWidget& window, const EditingSession& session)
    : m_window(window), m_session(session) {}

void WindowCaption::setProgramName(const QString& name) {
    m_programName = name;
    m_base = name;
}

void WindowCaption::showFile(const QString& path, bool saved) {
    if (path.isEmpty())
        m_base = m_programName;
    else if (saved)
        m_base = m_programName + QStringLiteral("  ") + path;
    else
        m_base = m_programName + QStringLiteral(" [") + path + QLatin1Char(']');
    refresh();
}

void WindowCaption::showProgramName() {
    m_window.setWindowTitle(m_programName);
}

void WindowCaption::refresh() {
    if (m_base.isEmpty())
        return; // before start-up has set the program's name
    m_window.setWindowTitle(m_session.document().isModified() ? m_base + QStringLiteral(" *")
                                                              : m_base);
}

} // namespace vantrel
