// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/coverage/Coverage.h"
#include "core/document/ListenerList.h"

#include <QDockWidget>

#include <functional>
#include <vector>

class QLabel;
class QListWidget;

namespace vantrel {

class ByteGridView;
class EditingSession;
class SeemDocument;
class UiStrings;

// "What is this byte?": for the current cell, the bits the definitions
// describe and every item that reads them, with the value it reads and where
// it is defined (file:line); items that share bits with another are flagged.
// Choosing an item hands it to the window, which selects it in its editor.
class ByteInfoDock : public QDockWidget {
    Q_OBJECT

  public:
    using ItemChosen = std::function<void(const CoveredItem& item)>;

    ByteInfoDock(EditingSession& session, ByteGridView& view, const UiStrings& strings,
                 QWidget* parent = nullptr);
    ~ByteInfoDock() override;

    void setItemChosen(ItemChosen chosen) { m_itemChosen = std::move(chosen); }
    // The definitions file named beside each item, e.g. "seem_en.xml"; asked
    // at every refresh, as a language change brings other definitions.
    void setDefinitionsName(std::function<QString()> name);
    void retranslate();

    // Beside the grid where the screen leaves it room next to the window's
    // least client width (the window grows to give it), else below the grid:
    // the grid's sixteen columns stay in view either way.
    void placeInWindow(const QRect& available);
    void placeInWindow();

    // Shows the cell; the dock follows the grid's current cell by itself.
    void showCell(int index);
    [[nodiscard]] QListWidget* list() const { return m_list; }
    [[nodiscard]] QLabel* summary() const { return m_summary; }

  private:
    [[nodiscard]] int leastWidth() const;
    void refresh();
    [[nodiscard]] QString itemLine(const Coverage& coverage, std::size_t item) const;
    void choose(int row);

    EditingSession& m_session;
    const SeemDocument& m_document;
    ByteGridView& m_view;
    const UiStrings& m_strings;
    QLabel* m_summary = nullptr;
    QListWidget* m_list = nullptr;
    std::function<QString()> m_definitionsName;
    int m_cell = -1;
    std::vector<CoveredItem> m_shown; // the list's rows
    ItemChosen m_itemChosen;
    ListenerConnection m_sessionListener;
};

} // namespace vantrel
