// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIdentityProxyModel>

class QFileDialog;

namespace vantrel {

// Qt's file dialog writes its sizes and dates in the system's locale, whatever
// language the interface speaks. Put between the dialog and its file model,
// this writes them in the interface's locale (the default QLocale) instead.
class InterfaceLocaleFileModel : public QIdentityProxyModel {
    Q_OBJECT

  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    // Gives dialog one of these, owned by the dialog.
    static void install(QFileDialog& dialog);
};

} // namespace vantrel
