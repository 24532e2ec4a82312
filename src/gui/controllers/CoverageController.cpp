// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/CoverageController.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/session/EditingSession.h"
#include "core/settings/SettingsStore.h"
#include "gui/controllers/SuggestDefinitionsController.h"
#include "gui/coverage/CoverageShading.h"
#include "gui/document/ByteGridView.h"
#include "gui/i18n/UiText.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

namespace vantrel {

namespace {

// The definitions file named beside each item, e.g. "seem_en.xml".
std::function<QString()> definitionsNameOf(const std::function<QString()>& path) {
    return [path] { return path ? QFileInfo(path()).fileName() : QString(); };
}

} // namespace

CoverageController::CoverageController(const CoverageParts& parts)
    : QObject(&parts.window), m_parts(parts), m_strings(parts.strings) {
    m_shading = std::make_unique<CoverageShading>(parts.session, parts.grid, parts.settings,
                                                  parts.strings, parts.window.statusBar());

    // The View menu's item stands for the panel, which is made only once it is shown.
    m_showDockAction = new QAction(this);
    m_showDockAction->setObjectName(QStringLiteral("mnuWhatIsThisByte"));
    m_showDockAction->setCheckable(true);
    // Only the user's choice is kept, not the hiding that comes with closing.
    connect(m_showDockAction, &QAction::triggered, this, [this](bool shown) {
        m_parts.settings.setValue(kByteInfoSettingsKey, shown ? "1" : "0");
        showDock(shown);
    });
    connect(&parts.grid, &ByteGridView::cellFocused, this,
            [this](int index) { m_focusedCell = index; });
    if (parts.settings.read(kByteInfoSettingsKey, "0") == "1")
        showDock(true);

    m_suggestions = std::make_unique<SuggestDefinitionsController>(
        parts.session.document(), parts.comparison, parts.strings, &parts.window);
    m_suggestions->setDefinitionsName(definitionsNameOf(parts.definitionsPath));

    m_viewMenu = std::make_unique<QMenu>();
    m_viewMenu->setObjectName(QStringLiteral("mnuView"));
    m_viewMenu->addAction(m_shading->showAction());
    m_viewMenu->addAction(m_showDockAction);
    retranslate();
}

ByteInfoDock& CoverageController::dock() {
    if (m_dock)
        return *m_dock;
    m_dock = std::make_unique<ByteInfoDock>(m_parts.session, m_parts.grid, m_parts.strings,
                                            &m_parts.window);
    m_dock->hide();
    m_dock->setItemChosen(m_parts.itemChosen);
    m_dock->setDefinitionsName(definitionsNameOf(m_parts.definitionsPath));
    m_dock->showCell(m_focusedCell);
    m_parts.window.addDockWidget(Qt::RightDockWidgetArea, m_dock.get());
    // The menu's tick follows the panel, also when its own close button hides it.
    connect(m_dock->toggleViewAction(), &QAction::toggled, m_showDockAction, &QAction::setChecked);
    return *m_dock;
}

// As the panel's own toggle action does it.
void CoverageController::showDock(bool shown) {
    if (!shown && !m_dock)
        return;
    ByteInfoDock& panel = dock();
    m_showDockAction->setChecked(shown);
    if (shown)
        panel.placeInWindow();
    panel.setVisible(shown);
    if (shown)
        panel.raise();
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
    if (m_dock)
        m_dock->retranslate();
    m_showDockAction->setText(uiText(m_strings, UiString::WhatIsThisByte));
    m_suggestions->retranslate();
}

} // namespace vantrel
