// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/generators/GeneratedFile.h"

#include "core/files/SeemFile.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"
#include "desktop/files/FileFilter.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/i18n/UiText.h"

namespace vantrel {

QString askForGeneratedFile(QWidget* owner, const QString& title, const QString& filter,
                            FileDialogOption options, const QString& name) {
    StandardDialog dialog;
    dialog.setOwner(owner);
    dialog.setTitle(title);
    dialog.setFilter(filter);
    dialog.setOptions(options);
    dialog.setFileName(name);
    dialog.show(StandardDialog::Action::Save);
    if (dialog.fileName().isEmpty())
        return {};
    return pathText(withSeemSuffix(dialog.fileName().toStdString()));
}

bool writeGeneratedFile(QWidget* owner, const QString& path, const std::vector<std::uint8_t>& bytes,
                        const UiStrings& strings) {
    const auto failure = writeFileAtomically(path.toStdString(), bytes);
    if (!failure)
        return true;
    showMessage(owner, MessageIcon::Critical,
                uiText(strings, UiString::SaveFailed, {path.toStdString(), failure->message}));
    return false;
}

} // namespace vantrel
