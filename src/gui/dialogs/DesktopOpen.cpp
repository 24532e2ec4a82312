// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/DesktopOpen.h"

#include "gui/dialogs/DialogAnswerer.h"
#include "gui/dialogs/StandardDialog.h"

#include <QDesktopServices>

namespace vantrel {

bool openWithDesktop(const QUrl& url) {
    if (DialogAnswerer* answerer = StandardDialog::answerer())
        return answerer->openUrl(url);
    return QDesktopServices::openUrl(url);
}

} // namespace vantrel
