// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/shell/SeemAssociation.h"

#include <QString>

class QWidget;

namespace vantrel {

class UiStrings;

// Tools ▸ Associate: makes Vantrel (programPath) the user's handler of seem
// files and says how that went in a message box.
void associateSeemFilesAndReport(QWidget* owner, const UiStrings& strings,
                                 const XdgLocations& where, const QString& programPath);
// Tools ▸ Remove association, reported the same way.
void removeSeemAssociationAndReport(QWidget* owner, const UiStrings& strings,
                                    const XdgLocations& where);
// Help ▸ Help topics: opens the help document of the program folder appDir,
// or says that there is none.
void openHelpTopics(QWidget* owner, const UiStrings& strings, const QString& appDir);

} // namespace vantrel
