// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QPointer>

#include <map>
#include <utility>

namespace vantrel {

class ByteGridView;

// What a screen reader sees of the byte grid: a table of sixteen columns whose
// children are the cells (offset and hex value as name, hex value as value,
// the settings the open editor shows for the byte as description), with the
// row offsets and column digits as headers. The view itself is painted in one piece, so the
// cells exist here only as accessibility objects, made when first asked for.
class ByteGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit ByteGridAccessible(ByteGridView* view);
    ~ByteGridAccessible() override;

    // Registers the factory that gives every ByteGridView this interface.
    static void install();

    enum class Part { Cell, RowHeader, ColumnHeader };
    // The accessibility object of a cell or header, made on first use and kept
    // until the grid shrinks below it or the view goes.
    [[nodiscard]] QAccessibleInterface* part(Part kind, int index) const;

    // QAccessibleInterface
    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableInterface
    [[nodiscard]] QAccessibleInterface* caption() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* summary() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* cellAt(int row, int column) const override;
    [[nodiscard]] int columnCount() const override;
    [[nodiscard]] int rowCount() const override;
    [[nodiscard]] int selectedCellCount() const override;
    [[nodiscard]] int selectedColumnCount() const override { return 0; }
    [[nodiscard]] int selectedRowCount() const override { return 0; }
    [[nodiscard]] QString columnDescription(int column) const override;
    [[nodiscard]] QString rowDescription(int row) const override;
    [[nodiscard]] QList<QAccessibleInterface*> selectedCells() const override;
    [[nodiscard]] QList<int> selectedColumns() const override { return {}; }
    [[nodiscard]] QList<int> selectedRows() const override { return {}; }
    [[nodiscard]] bool isColumnSelected(int) const override { return false; }
    [[nodiscard]] bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

  private:
    [[nodiscard]] ByteGridView* view() const;
    // Forgets the objects of cells and rows the grid no longer has.
    void dropPartsBeyond(int cellCount);

    mutable std::map<std::pair<Part, int>, QAccessible::Id> m_parts;
};

// The view tells screen readers what happened, when one listens.
void announceCellFocus(ByteGridView* view, int index);
void announceCellValue(ByteGridView* view, int index);
void announceGridRebuilt(ByteGridView* view);

} // namespace vantrel
