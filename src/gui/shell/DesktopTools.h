// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/shell/SeemAssociation.h"

#include <QString>
#include <QStringList>

namespace vantrel {

// Runs a desktop tool with the user's dirs of where in its environment; a
// tool that is not installed, fails or hangs past the timeout is passed by.
// Returns whether it ran and exited with 0.
bool runDesktopTool(const QString& program, const QStringList& arguments,
                    const XdgLocations& where);

// Brings the desktop's MIME and application caches up to date after the user's
// association changed, and, after associating, sets the default its own way.
void refreshAfterAssociating(const XdgLocations& where);
void refreshAfterRemoving(const XdgLocations& where);

} // namespace vantrel
