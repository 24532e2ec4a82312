// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/GeneratorController.h"

#include "gui/generators/GeneratorHost.h"
#include "gui/generators/GprsTextDialog.h"
#include "gui/generators/OuterTextDialog.h"

#include <QAction>
#include <QMenu>

namespace vantrel {

GeneratorController::GeneratorController(const EditingSession& session, QWidget& owner)
    : QObject(&owner), m_session(session), m_owner(owner) {}

void GeneratorController::fillMenu(QMenu* menu) {
    auto* outerText = new QAction(menu);
    outerText->setObjectName(QStringLiteral("mnuSetOuterText"));
    auto* gprs = new QAction(menu);
    gprs->setObjectName(QStringLiteral("mnuSetGPRS"));
    menu->addActions({outerText, gprs});
    connect(outerText, &QAction::triggered, this, &GeneratorController::showOuterText);
    connect(gprs, &QAction::triggered, this, &GeneratorController::showGprsText);
}

void GeneratorController::openFor(EditorKind kind) {
    if (kind == EditorKind::OuterText)
        showOuterText();
    else if (kind == EditorKind::Gprs)
        showGprsText();
}

GeneratorHost GeneratorController::host() {
    return GeneratorHost{m_session, [this] { emit returnedToMainWindow(); }};
}

void GeneratorController::showOuterText() {
    OuterTextDialog window(host(), &m_owner);
    window.exec();
}

void GeneratorController::showGprsText() {
    GprsTextDialog window(host(), &m_owner);
    window.exec();
}

} // namespace vantrel
