// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/InterfaceLocaleFileModel.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QLocale>

namespace vantrel {

namespace {

// The columns of QFileSystemModel.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

} // namespace

QVariant InterfaceLocaleFileModel::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files || !index.isValid())
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    switch (index.column()) {
    case kSizeColumn:
        // A folder has no size to show.
        return files->isDir(source) ? QIdentityProxyModel::data(index, role)
                                    : QLocale().formattedDataSize(files->size(source));
    case kDateColumn:
        return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
    default:
        return QIdentityProxyModel::data(index, role);
    }
}

void InterfaceLocaleFileModel::install(QFileDialog& dialog) {
    dialog.setProxyModel(new InterfaceLocaleFileModel(&dialog));
}

} // namespace vantrel
