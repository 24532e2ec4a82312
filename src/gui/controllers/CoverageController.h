// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/coverage/ByteInfoDock.h"

#include <QObject>

#include <functional>
#include <memory>

class QAction;
class QMainWindow;
class QMenu;

namespace vantrel {

class ByteGridView;
class CoverageShading;
class DocumentComparison;
class EditingSession;
class SettingsStore;
class SuggestDefinitionsController;
class UiStrings;

// What the coverage tools work on; the window supplies it.
struct CoverageParts {
    QMainWindow& window;
    EditingSession& session;
    ByteGridView& grid;
    SettingsStore& settings;
    const UiStrings& strings;
    DocumentComparison& comparison;
    std::function<QString()> definitionsPath;
    ByteInfoDock::ItemChosen itemChosen; // selects the item in its editor
};

// The window's tools for growing the definitions: the View menu with Show
// coverage and What is this byte?, the coverage status label, and Suggest
// definitions for a comparison.
class CoverageController : public QObject {
    Q_OBJECT

  public:
    // Whether the What is this byte? panel was open, "1" or "0".
    static constexpr const char* kByteInfoSettingsKey = "ShowByteInfo";

    explicit CoverageController(const CoverageParts& parts);
    ~CoverageController() override;

    [[nodiscard]] QMenu* viewMenu() const { return m_viewMenu.get(); }
    [[nodiscard]] QAction* suggestAction() const;
    [[nodiscard]] CoverageShading& shading() const { return *m_shading; }
    // The What is this byte? panel, made the first time it is wanted.
    [[nodiscard]] ByteInfoDock& dock();
    [[nodiscard]] SuggestDefinitionsController& suggestions() const { return *m_suggestions; }

    void retranslate();

  private:
    void showDock(bool shown);

    CoverageParts m_parts;
    const UiStrings& m_strings;
    std::unique_ptr<QMenu> m_viewMenu;
    std::unique_ptr<CoverageShading> m_shading;
    QAction* m_showDockAction = nullptr;
    std::unique_ptr<ByteInfoDock> m_dock;
    int m_focusedCell = -1; // for a panel made later
    std::unique_ptr<SuggestDefinitionsController> m_suggestions;
};

} // namespace vantrel
