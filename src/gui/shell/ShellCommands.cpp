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

QString str(const UiStrings& strings, UiString id) {
    return QString::fromStdString(strings.get(id));
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
    const AssociationOutcome outcome = associateSeemFiles(where, programPath.toStdString());
    switch (outcome.status) {
    case AssociationOutcome::Status::Done:
        refreshAfterAssociating(where);
        showMessage(owner, MessageIcon::Information, str(strings, UiString::AssociationMade));
        return;
    case AssociationOutcome::Status::Refused:
        showMessage(owner, MessageIcon::Critical,
                    str(strings, UiString::AssociationMessage) +
                        str(strings, UiString::AssociationRefused) + detailOf(outcome));
        return;
    case AssociationOutcome::Status::Failed:
        showMessage(owner, MessageIcon::Information,
                    str(strings, UiString::AssociationMessage) +
                        str(strings, UiString::AssociationError) + detailOf(outcome));
        return;
    }
}

void removeSeemAssociationAndReport(QWidget* owner, const UiStrings& strings,
                                    const XdgLocations& where) {
    const AssociationOutcome outcome = removeSeemAssociation(where);
    const QString removing =
        str(strings, UiString::RemovingPrefix) + str(strings, UiString::AssociationMessage);
    switch (outcome.status) {
    case AssociationOutcome::Status::Done:
        refreshAfterRemoving(where);
        showMessage(owner, MessageIcon::Information, removing + str(strings, UiString::Succeeded));
        return;
    case AssociationOutcome::Status::Refused:
        showMessage(owner, MessageIcon::Critical,
                    removing + str(strings, UiString::AssociationRefused) + detailOf(outcome));
        return;
    case AssociationOutcome::Status::Failed:
        showMessage(owner, MessageIcon::Information,
                    removing + str(strings, UiString::AssociationError) + detailOf(outcome));
        return;
    }
}

void openHelpTopics(QWidget* owner, const UiStrings& strings, const QString& appDir) {
    const auto helpFile = findHelpFile(appDir.toStdString());
    if (!helpFile) {
        showMessage(owner, MessageIcon::Critical, str(strings, UiString::HelpMissing));
        return;
    }
    const QString path = QString::fromStdString(*helpFile);
    if (!openWithDesktop(QUrl::fromLocalFile(path)))
        showMessage(
            owner, MessageIcon::Information,
            QString::fromStdString(strings.format(UiString::HelpNotOpened, {helpFile->c_str()})));
}

} // namespace vantrel
