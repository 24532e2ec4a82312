// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/GeneratorController.h"

#include "core/document/SeemDocument.h"
#include "gui/generators/GeneratorHost.h"
#include "gui/generators/GprsTextDialog.h"
#include "gui/generators/OuterTextDialog.h"
#include "gui/i18n/UiText.h"
#include "gui/window/WindowCaption.h"

#include <QAction>
#include <QMenu>

namespace vantrel {

GeneratorController::GeneratorController(SeemDocument& document, const LanguageFile& language,
                                         WindowCaption& caption, QWidget& owner)
    : QObject(&owner), m_document(document), m_language(language), m_caption(caption),
      m_owner(owner) {}

void GeneratorController::fillMenu(QMenu* menu) {
    auto* outerText = new QAction(menu);
    outerText->setObjectName(QStringLiteral("mnuSetOuterText"));
    auto* gprs = new QAction(menu);
    gprs->setObjectName(QStringLiteral("mnuSetGPRS"));
    menu->addActions({outerText, gprs});
    connect(outerText, &QAction::triggered, this, &GeneratorController::showOuterText);
    connect(gprs, &QAction::triggered, this, &GeneratorController::showGprsText);
}

void GeneratorController::openFor(const std::string& typeName) {
    if (typeName == "outertext")
        showOuterText();
    else if (typeName == "gprs")
        showGprsText();
}

// The generators see the document as last read or saved, never its unsaved cells.
GeneratorHost GeneratorController::host() const {
    return GeneratorHost{
        pathText(m_document.path()),
        m_document.typeName(),
        m_document.savedBytes(),
        [this] { m_caption.showProgramName(); },
    };
}

void GeneratorController::showOuterText() {
    OuterTextDialog window(host(), m_language, &m_owner);
    window.exec();
}

void GeneratorController::showGprsText() {
    GprsTextDialog window(host(), m_language, &m_owner);
    window.exec();
}

} // namespace vantrel
