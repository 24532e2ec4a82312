// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/ShellCommands.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"
#include "core/shell/HelpFile.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/shell/DesktopTools.h"

#include <QUrl>

namespace vantrel {

namespace {

constexpr int kStrHelpMissing = 4;
constexpr int kStrSucceeded = 27;
constexpr int kStrRefused = 28;
constexpr int kStrUnexpected = 29;
constexpr int kStrAssociated = 33;
constexpr int kStrAssociation = 34;
constexpr int kStrRemoving = 35;

QString str(const UiStrings& strings, int n) {
    return QString::fromStdString(strings.get(n));
}

// What went wrong, on a line of its own after the message.
QString detailOf(const AssociationOutcome& outcome) {
    const QString reason = QString::fromStdString(outcome.reason);
    if (outcome.file.empty())
        return QLatin1Char('\n') + reason;
    return QLatin1Char('\n') + QString::fromStdString(outcome.file) + QStringLiteral(": ") + reason;
}

} // namespace

void associateSeemFilesAndReport(QWidget* owner, const UiStrings& strings,
                                 const XdgLocations& where, const QString& programPath) {
    const AssociationOutcome outcome = AssociateSeemFiles(where, programPath.toStdString());
    switch (outcome.status) {
    case AssociationOutcome::Status::Done:
        refreshAfterAssociating(where);
        showMessage(owner, MessageIcon::Information, str(strings, kStrAssociated));
        return;
    case AssociationOutcome::Status::Refused:
        showMessage(owner, MessageIcon::Critical,
                    str(strings, kStrAssociation) + str(strings, kStrRefused) + detailOf(outcome));
        return;
    case AssociationOutcome::Status::Failed:
        showMessage(owner, MessageIcon::Information,
                    str(strings, kStrAssociation) + str(strings, kStrUnexpected) +
                        detailOf(outcome));
        return;
    }
}

void removeSeemAssociationAndReport(QWidget* owner, const UiStrings& strings,
                                    const XdgLocations& where) {
    const AssociationOutcome outcome = RemoveSeemAssociation(where);
    const QString removing = str(strings, kStrRemoving) + str(strings, kStrAssociation);
    switch (outcome.status) {
    case AssociationOutcome::Status::Done:
        refreshAfterRemoving(where);
        showMessage(owner, MessageIcon::Information, removing + str(strings, kStrSucceeded));
        return;
    case AssociationOutcome::Status::Refused:
        showMessage(owner, MessageIcon::Critical,
                    removing + str(strings, kStrRefused) + detailOf(outcome));
        return;
    case AssociationOutcome::Status::Failed:
        showMessage(owner, MessageIcon::Information,
                    removing + str(strings, kStrUnexpected) + detailOf(outcome));
        return;
    }
}

void openHelpTopics(QWidget* owner, const UiStrings& strings, const QString& appDir) {
    const auto helpFile = findHelpFile(appDir.toStdString());
    if (!helpFile) {
        showMessage(owner, MessageIcon::Critical, str(strings, kStrHelpMissing));
        return;
    }
    const QString path = QString::fromStdString(*helpFile);
    if (!openWithDesktop(QUrl::fromLocalFile(path)))
        showMessage(owner, MessageIcon::Information,
                    QString::fromStdString(strings.format(StrHelpNotOpened, {helpFile->c_str()})));
}

} // namespace vantrel
