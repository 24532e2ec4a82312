// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace vantrel {

// The folder the user chooses in the folder dialog, starting at initialDir,
// as the file system names it ("/" for the root, no trailing "/" otherwise);
// "" when the user cancels. Answered by the dialog answerer when one is installed.
[[nodiscard]] QString browseForFolder(const QString& title, QWidget* owner,
                                      const QString& initialDir = QString());

} // namespace vantrel
