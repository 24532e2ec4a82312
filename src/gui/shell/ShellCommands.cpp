// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/ShellCommands.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"
#include "desktop/shell/HelpFile.h"
#include "gui/dialogs/DesktopOpen.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/i18n/UiText.h"
#include "gui/shell/DesktopTools.h"

#include <QUrl>

namespace vantrel {

namespace {

// What went wrong, on a line of its own after the message.
QString detailOf(const AssociationOutcome& outcome) {
    const QString reason = uiText(outcome.reason);
    if (outcome.file.empty())
        return QLatin1Char('\n') + reason;
    return QLatin1Char('\n') + pathText(outcome.file) + QStringLiteral(": ") + reason;
}

} // namespace

void associateSeemFilesAndReport(QWidget* owner, const UiStrings& strings,
                                 const XdgLocations& where, const QString& programPath) {
    const AssociationOutcome outcome = associateSeemFiles(where, programPath.toStdString());
    switch (outcome.status) {
    case AssociationOutcome::Status::Done:
        refreshAfterAssociating(where);
        showMessage(owner, MessageIcon::Information, uiText(strings, UiString::AssociationMade));
        return;
    case AssociationOutcome::Status::Refused:
        showMessage(owner, MessageIcon::Critical,
                    uiText(strings, UiString::AssociationMessage) +
                        uiText(strings, UiString::AssociationRefused) + detailOf(outcome));
        return;
    case AssociationOutcome::Status::Failed:
        showMessage(owner, MessageIcon::Information,
                    uiText(strings, UiString::AssociationMessage) +
                        uiText(strings, UiString::AssociationError) + detailOf(outcome));
        return;
    }
}

void removeSeemAssociationAndReport(QWidget* owner, const UiStrings& strings,
                                    const XdgLocations& where) {
    const AssociationOutcome outcome = removeSeemAssociation(where);
    const QString removing =
        uiText(strings, UiString::RemovingPrefix) + uiText(strings, UiString::AssociationMessage);
    switch (outcome.status) {
    case AssociationOutcome::Status::Done:
        refreshAfterRemoving(where);
        showMessage(owner, MessageIcon::Information,
                    removing + uiText(strings, UiString::Succeeded));
        return;
    case AssociationOutcome::Status::Refused:
        showMessage(owner, MessageIcon::Critical,
                    removing + uiText(strings, UiString::AssociationRefused) + detailOf(outcome));
        return;
    case AssociationOutcome::Status::Failed:
        showMessage(owner, MessageIcon::Information,
                    removing + uiText(strings, UiString::AssociationError) + detailOf(outcome));
        return;
    }
}

void openHelpTopics(QWidget* owner, const UiStrings& strings, const QString& appDir) {
    const auto helpFile = findHelpFile(appDir.toStdString());
    if (!helpFile) {
        showMessage(owner, MessageIcon::Critical, uiText(strings, UiString::HelpMissing));
        return;
    }
    const QString path = pathText(*helpFile);
    if (!openWithDesktop(QUrl::fromLocalFile(path)))
        showMessage(owner, MessageIcon::Information,
                    uiText(strings, UiString::HelpNotOpened, {helpFile->c_str()}));
}

} // namespace vantrel
