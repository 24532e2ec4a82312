// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/BuiltinStrings.h"
#include "desktop/files/FileDialogOptions.h"
#include "gui/generators/GeneratorHost.h"

#include <QDialog>

namespace vantrel {

struct GeneratedFile;

// What the two generator windows share: the session they ask, and their one
// way out, the file saved or Cancel, after which the main window takes over
// again with its own caption.
class GeneratorWindow : public QDialog {
    Q_OBJECT

  public:
    void cancel();

  protected:
    GeneratorWindow(GeneratorHost host, QWidget* owner);

    [[nodiscard]] const EditingSession& session() const { return m_host.session; }
    // Asks where to save the file the session made (offering its name) and
    // writes it there; the path written, or "" when the user chose none or
    // the write failed (and was reported).
    QString saveGenerated(const GeneratedFile& file, UiString title, UiString filter,
                          FileDialogOption options);
    void returnToMainWindow(DialogCode result);

  private:
    GeneratorHost m_host;
};

} // namespace vantrel
