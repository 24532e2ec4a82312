// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/WindowIcon.h"

#include <QImageReader>
#include <QPixmap>
#include <QStandardPaths>

namespace vantrel {

QIcon installedWindowIcon() {
    const QString name = QStringLiteral("org.vantrel.Vantrel");
    QIcon icon;
    for (const int side : {48, 256}) {
        const QString path = QStandardPaths::locate(
            QStandardPaths::GenericDataLocation,
            QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(side).arg(name));
        if (path.isEmpty())
            continue;
        // Read as PNG by name: the icon theme would have Qt detect the format,
        // which loads every image format plugin it has (some 0.5 MiB) at start.
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon.isNull() ? QIcon::fromTheme(name) : icon;
}

} // namespace vantrel
