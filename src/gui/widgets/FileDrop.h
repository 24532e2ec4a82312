// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QMimeData;

namespace vantrel {

// The local files a drag carries, in the order given; folders and anything
// that is not a local file are left out.
[[nodiscard]] QStringList droppedFiles(const QMimeData* data);

} // namespace vantrel
