// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/WindowCaption.h"

#include "core/ProjectInfo.h"
#include "core/session/EditingSession.h"
#include "gui/i18n/UiText.h"

#include <QWidget>

namespace vantrel {

QString programCaption() {
    return QStringLiteral("Vantrel  V") + uiText(kProjectVersion);
}

WindowCaption::WindowCaption(QWidget& window, EditingSession& session, QString programName)
    : m_window(window), m_session(session), m_programName(std::move(programName)) {
    m_connection =
        session.addListener([this](const SessionChange& change) { onSessionChange(change); });
    show();
}

void WindowCaption::showProgramName() {
    m_window.setWindowTitle(m_programName);
}

void WindowCaption::onSessionChange(const SessionChange& change) {
    if (change.file || change.modified)
        show();
}

void WindowCaption::show() {
    const SeemDocument& document = m_session.document();
    const QString path = pathText(document.path());
    QString caption = m_programName;
    if (!path.isEmpty())
        caption += m_session.namedBySaveAs() ? QStringLiteral("  ") + path
                                             : QStringLiteral(" [") + path + QLatin1Char(']');
    if (document.isModified())
        caption += QStringLiteral(" *");
    m_window.setWindowTitle(caption);
}

} // namespace vantrel
