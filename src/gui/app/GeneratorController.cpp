// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/GeneratorController.h"

#include "gui/app/MainWindow.h"
#include "gui/generators/GeneratorHost.h"
#include "gui/generators/GprsTextDialog.h"
#include "gui/generators/OuterTextDialog.h"

#include <QAction>
#include <QMenu>

namespace vantrel {

GeneratorController::GeneratorController(MainWindow& window) : QObject(&window), m_window(window) {}

void GeneratorController::fillMenu(QMenu* menu) {
    auto* outerText = new QAction(QString::fromUtf8("生成外屏文字seem文件(&O)"), menu);
    outerText->setObjectName(QStringLiteral("mnuSetOuterText"));
    auto* gprs = new QAction(QString::fromUtf8("生成GPRS日期文字文件(&G)"), menu);
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
    SeemDocument& document = m_window.document();
    return GeneratorHost{
        m_window.fileName(),
        document.typeName(),
        document.savedBytes(),
        [this] { m_window.setWindowTitle(m_window.mainCaption()); },
    };
}

void GeneratorController::showOuterText() {
    OuterTextDialog window(host(), m_window.language(), &m_window);
    window.exec();
}

void GeneratorController::showGprsText() {
    GprsTextDialog window(host(), m_window.language(), &m_window);
    window.exec();
}

} // namespace vantrel
