// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/FileDrop.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace vantrel {

QStringList droppedFiles(const QMimeData* data) {
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QFileInfo file(url.toLocalFile());
        if (file.isFile())
            files << file.absoluteFilePath();
    }
    return files;
}

} // namespace vantrel
