// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

namespace vantrel {

// Opens a file or address in the program the desktop chooses for it, or hands
// it to the dialog answerer when one is installed. Returns false when no
// program took it.
bool openWithDesktop(const QUrl& url);

} // namespace vantrel
