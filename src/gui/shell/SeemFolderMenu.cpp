// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/SeemFolderMenu.h"

#include <QAction>

namespace vantrel {

void showSeemFolderItems(QObject* parent, const SeemFolderItems& items) {
    for (const SeemFolderItem item : kSeemFolderItems) {
        const QString name = QString::fromLatin1(seemFolderItemName(item));
        auto* action = parent->findChild<QAction*>(name);
        if (!action)
            continue;
        const auto index = items.catalogIndex[static_cast<std::size_t>(item)];
        action->setEnabled(index.has_value());
        action->setData(index ? QVariant::fromValue(static_cast<qulonglong>(*index)) : QVariant());
    }
}

} // namespace vantrel
