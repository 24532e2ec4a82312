// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/FolderBrowser.h"

#include "gui/dialogs/DialogAnswerer.h"
#include "gui/dialogs/InterfaceLocaleFileModel.h"
#include "gui/dialogs/StandardDialog.h"

#include <QFileDialog>

namespace vantrel {

namespace {

std::optional<QString> execFolderDialog(const FolderDialogRequest& request) {
    QFileDialog dialog(request.owner, request.title, request.initialDir);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    InterfaceLocaleFileModel::install(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString browseForFolder(const QString& title, QWidget* owner, const QString& initialDir) {
    const FolderDialogRequest request{owner, title, initialDir};
    DialogAnswerer* answerer = StandardDialog::answerer();
    return (answerer ? answerer->answerFolder(request) : execFolderDialog(request))
        .value_or(QString());
}

} // namespace vantrel
