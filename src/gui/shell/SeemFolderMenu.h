// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/shell/SeemFolderScan.h"

class QObject;

namespace vantrel {

// Shows a scan in the six items of the edit-seem-folder-files submenu, found
// by their names under parent: enabled or not, with the catalog index each
// opens as its data (its Tag).
void showSeemFolderItems(QObject* parent, const SeemFolderItems& items);

} // namespace vantrel
