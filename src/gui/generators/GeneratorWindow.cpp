// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/generators/GeneratorWindow.h"

#include "core/session/EditingSession.h"
#include "gui/generators/GeneratedFile.h"
#include "gui/i18n/UiText.h"

namespace vantrel {

GeneratorWindow::GeneratorWindow(GeneratorHost host, QWidget* owner)
    : QDialog(owner), m_host(std::move(host)) {
    setModal(true);
}

void GeneratorWindow::cancel() {
    returnToMainWindow(Rejected);
}

QString GeneratorWindow::saveGenerated(const GeneratedFile& file, UiString title, UiString filter,
                                       FileDialogOption options) {
    const UiStrings& strings = session().strings();
    const QString path = askForGeneratedFile(this, uiText(strings, title), uiText(strings, filter),
                                             options, pathText(file.fileName));
    if (path.trimmed().isEmpty() || !writeGeneratedFile(this, path, file.bytes, strings))
        return {};
    return path;
}

void GeneratorWindow::returnToMainWindow(DialogCode result) {
    if (m_host.restoreMainCaption)
        m_host.restoreMainCaption();
    done(result);
    if (QWidget* owner = parentWidget())
        owner->activateWindow();
}

} // namespace vantrel
