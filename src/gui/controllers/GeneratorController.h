// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/editors/EditorKind.h"

#include <QObject>

class QMenu;
class QWidget;

namespace vantrel {

class EditingSession;
struct GeneratorHost;

// The Tools menu's text generators: the outer-screen text and the GPRS date
// text windows, also opened for a file of their type.
class GeneratorController : public QObject {
    Q_OBJECT

  public:
    // The generator windows open over owner.
    GeneratorController(const EditingSession& session, QWidget& owner);

    void fillMenu(QMenu* menu);
    // Opens the generator of kind, for a file of its type.
    void openFor(EditorKind kind);

    void showOuterText();
    void showGprsText();

  signals:
    // A generator window gave the keys back to the main window; its caption
    // shows the program's name alone until the document next changes.
    void returnedToMainWindow();

  private:
    [[nodiscard]] GeneratorHost host();

    const EditingSession& m_session;
    QWidget& m_owner;
};

} // namespace vantrel
