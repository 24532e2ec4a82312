// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/DesktopTools.h"

#include "gui/i18n/UiText.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace vantrel {

namespace {

constexpr int kToolTimeoutMs = 15000;

} // namespace

bool runDesktopTool(const QString& program, const QStringList& arguments,
                    const XdgLocations& where) {
    const QString executable = QStandardPaths::findExecutable(program);
    if (executable.isEmpty())
        return false;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), pathText(where.dataHome));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), pathText(where.configHome));
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.setStandardOutputFile(QProcess::nullDevice());
    tool.start(executable, arguments);
    if (!tool.waitForStarted(kToolTimeoutMs))
        return false;
    if (!tool.waitForFinished(kToolTimeoutMs)) {
        tool.kill();
        tool.waitForFinished(kToolTimeoutMs);
        return false;
    }
    return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

void refreshAfterAssociating(const XdgLocations& where) {
    const QString mimeDir = pathText(where.dataHome) + QStringLiteral("/mime");
    if (QDir(mimeDir + QStringLiteral("/packages")).exists())
        runDesktopTool(QStringLiteral("update-mime-database"), {mimeDir}, where);
    refreshAfterRemoving(where);
    runDesktopTool(QStringLiteral("xdg-mime"),
                   {QStringLiteral("default"), uiText(kDesktopEntryId), uiText(kSeemMimeType)},
                   where);
}

void refreshAfterRemoving(const XdgLocations& where) {
    const QString applications = pathText(where.dataHome) + QStringLiteral("/applications");
    if (QDir(applications).exists())
        runDesktopTool(QStringLiteral("update-desktop-database"), {applications}, where);
}

} // namespace vantrel
