// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

#include <map>

class QTreeWidgetItem;

namespace vantrel {

class FunctionTreeEditor;

// What a screen reader sees of the function tree: its rows as tree items, a
// switch as a check box whose check state is the switch and whose toggle
// action is the same undoable step as Edit > On/Off (Qt's own tree items would
// only select the row). Children are numbered as in Qt's trees, the hidden
// header first, so the focus events the tree view sends name the right row.
class FunctionTreeAccessible : public QAccessibleWidget {
  public:
    explicit FunctionTreeAccessible(FunctionTreeEditor* tree);
    ~FunctionTreeAccessible() override;

    // Registers the factory that gives every FunctionTreeEditor this interface.
    static void install();

    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface* focusChild() const override;

    // The object of an item, made on first use; nothing for nullptr.
    [[nodiscard]] QAccessibleInterface* itemInterface(QTreeWidgetItem* item) const;
    // Before the tree deletes its items.
    void forgetItems();

  private:
    [[nodiscard]] FunctionTreeEditor* tree() const;
    // The rows on show, top to bottom: every item whose parents are expanded.
    [[nodiscard]] std::vector<QTreeWidgetItem*> shownRows() const;

    mutable std::map<const QTreeWidgetItem*, QAccessible::Id> m_items;
    mutable QAccessible::Id m_header = 0;
};

// The tree tells screen readers about its items, when it has an interface.
void forgetAccessibleItems(FunctionTreeEditor* tree);
void announceCheckChange(FunctionTreeEditor* tree, QTreeWidgetItem* item);

} // namespace vantrel
