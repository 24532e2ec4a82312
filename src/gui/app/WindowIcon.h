// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace vantrel {

// The program's icon for its windows: the PNG images the package installs in
// the desktop's data folders, or else the icon theme's.
[[nodiscard]] QIcon installedWindowIcon();

} // namespace vantrel
