// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/coverage/CoverageController.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/settings/SettingsStore.h"
#include "gui/coverage/CoverageShading.h"
#include "gui/coverage/SuggestDefinitionsController.h"
#include "gui/i18n/UiText.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

namespace vantrel {

CoverageController::CoverageController(const CoverageParts& parts)
    : QObject(&parts.window), m_strings(parts.strings) {
    const auto definitionsName = [path = parts.definitionsPath] {
        return path ? QFileInfo(path()).fileName() : QString();
    };
    m_shading = std::make_unique<CoverageShading>(parts.document, parts.grid, parts.settings,
                                                  parts.strings, parts.window.statusBar());

    // Created hidden; the View menu shows it.
    m_dock =
        std::make_unique<ByteInfoDock>(parts.document, parts.grid, parts.strings, &parts.window);
    m_dock->setItemChosen(parts.itemChosen);
    m_dock->setDefinitionsName(definitionsName);
    parts.window.addDockWidget(Qt::RightDockWidgetArea, m_dock.get());
    QAction* showDock = m_dock->toggleViewAction();
    showDock->setObjectName(QStringLiteral("mnuWhatIsThisByte"));
    if (parts.settings.read(kByteInfoSettingsKey, "0") == "1") {
        m_dock->placeInWindow();
        m_dock->show();
    } else {
        m_dock->hide();
    }
    // Only the user's choice is kept, not the hiding that comes with closing.
    connect(showDock, &QAction::triggered, this, [this, &settings = parts.settings](bool shown) {
        settings.setValue(kByteInfoSettingsKey, shown ? "1" : "0");
        if (shown)
            m_dock->placeInWindow();
    });

    m_suggestions = std::make_unique<SuggestDefinitionsController>(parts.document, parts.comparison,
                                                                   parts.strings, &parts.window);
    m_suggestions->setDefinitionsName(definitionsName);

    m_viewMenu = std::make_unique<QMenu>();
    m_viewMenu->setObjectName(QStringLiteral("mnuView"));
    m_viewMenu->addAction(m_shading->showAction());
    m_viewMenu->addAction(m_dock->toggleViewAction());
    retranslate();
}

// The menu leaves the menu bar and the dock the window as they go; the label
// belongs to the status bar.
CoverageController::~CoverageController() = default;

QAction* CoverageController::suggestAction() const {
    return m_suggestions->action();
}

void CoverageController::retranslate() {
    m_viewMenu->setTitle(uiText(m_strings, UiString::ViewMenu));
    m_shading->retranslate();
    m_dock->retranslate();
    m_dock->toggleViewAction()->setText(uiText(m_strings, UiString::WhatIsThisByte));
    m_suggestions->retranslate();
}

} // namespace vantrel
