// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/document/ByteGridAccessible.h"

#include "core/document/ByteGrid.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"
#include "desktop/layout/GridGeometry.h"
#include "gui/document/ByteGridView.h"
#include "gui/document/GridRuler.h"
#include "gui/i18n/UiText.h"

#include <QAccessibleValueInterface>
#include <QWindow>

namespace vantrel {

namespace {

using grid::kCellsPerRow;

QString offsetText(int index) {
    return QStringLiteral("%1").arg(index, 4, 16, QLatin1Char('0')).toUpper();
}

// One cell, or one label of the row gutter or the column ruler. It holds no
// pointer into the table's interface, only the view, so it answers sensibly
// (as invalid) once the view is gone.
class GridPartAccessible : public QAccessibleInterface,
                           public QAccessibleTableCellInterface,
                           public QAccessibleValueInterface {
  public:
    GridPartAccessible(ByteGridView* view, ByteGridAccessible::Part kind, int index)
        : m_view(view), m_kind(kind), m_index(index) {}

    [[nodiscard]] bool isValid() const override {
        if (!m_view)
            return false;
        const int count = m_view->cellCount();
        switch (m_kind) {
        case ByteGridAccessible::Part::Cell:
            return m_index < count;
        case ByteGridAccessible::Part::RowHeader:
            return m_index <= grid::cellRow(count - 1);
        case ByteGridAccessible::Part::ColumnHeader:
            return m_index < kCellsPerRow;
        }
        return false;
    }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QWindow* window() const override {
        return m_view ? m_view->window()->windowHandle() : nullptr;
    }
    [[nodiscard]] QAccessibleInterface* parent() const override {
        return m_view ? QAccessible::queryAccessibleInterface(m_view.data()) : nullptr;
    }
    [[nodiscard]] QAccessibleInterface* child(int) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    [[nodiscard]] QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    [[nodiscard]] QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        if (m_kind == ByteGridAccessible::Part::RowHeader)
            return t == QAccessible::Name ? uiText(grid::rowOffsetText(m_index)) : QString();
        if (m_kind == ByteGridAccessible::Part::ColumnHeader)
            return t == QAccessible::Name ? uiText(grid::columnHeaderText(m_index)) : QString();
        switch (t) {
        case QAccessible::Name:
            // Orca speaks a table cell's name, not its value: the name says both.
            return uiText(m_view->strings(), UiString::AccessibleCell)
                .replace(QLatin1String("%1"), offsetText(m_index))
                .replace(QLatin1String("%2"), valueText());
        case QAccessible::Value:
            return valueText();
        case QAccessible::Description:
            return m_view->cellDescription(m_index);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    [[nodiscard]] QRect rect() const override {
        if (!isValid())
            return {};
        QRect local;
        const QWidget* on = m_view->viewport();
        if (m_kind == ByteGridAccessible::Part::Cell) {
            local = m_view->cellRect(m_index);
        } else if (m_kind == ByteGridAccessible::Part::RowHeader) {
            on = m_view->rowOffsets();
            const QRect cell = m_view->cellRect(m_index * kCellsPerRow);
            local = QRect(0, cell.top(), on->width(), cell.height());
        } else {
            on = m_view->columnHeader();
            const QRect cell = m_view->cellRect(m_index);
            const int pxShift = m_view->viewport()->x() - on->x();
            local = QRect(pxShift + cell.left(), 0, cell.width(), on->height());
        }
        return QRect(on->mapToGlobal(local.topLeft()), local.size());
    }

    [[nodiscard]] QAccessible::Role role() const override {
        switch (m_kind) {
        case ByteGridAccessible::Part::RowHeader:
            return QAccessible::RowHeader;
        case ByteGridAccessible::Part::ColumnHeader:
            return QAccessible::ColumnHeader;
        default:
            return QAccessible::Cell;
        }
    }

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State st;
        if (!isValid()) {
            st.invalid = true;
            return st;
        }
        const bool enabled = m_view->isEnabled() && m_view->cellsEnabled();
        st.disabled = !enabled;
        const QRect shown = m_view->viewport()->rect();
        if (m_kind == ByteGridAccessible::Part::Cell) {
            st.focusable = enabled;
            st.selectable = enabled;
            st.editable = enabled;
            const bool current = m_index == m_view->editIndex();
            st.selected = current;
            st.focused = current && m_view->hasFocus();
            st.offscreen = !shown.intersects(m_view->cellRect(m_index));
        }
        return st;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface && m_kind == ByteGridAccessible::Part::Cell)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ValueInterface && m_kind == ByteGridAccessible::Part::Cell)
            return static_cast<QAccessibleValueInterface*>(this);
        return nullptr;
    }

    // QAccessibleTableCellInterface
    [[nodiscard]] bool isSelected() const override {
        return isValid() && m_index == m_view->editIndex();
    }
    [[nodiscard]] QList<QAccessibleInterface*> columnHeaderCells() const override {
        return {tablePart(ByteGridAccessible::Part::ColumnHeader, columnIndex())};
    }
    [[nodiscard]] QList<QAccessibleInterface*> rowHeaderCells() const override {
        return {tablePart(ByteGridAccessible::Part::RowHeader, rowIndex())};
    }
    [[nodiscard]] int columnIndex() const override { return grid::cellColumn(m_index); }
    [[nodiscard]] int rowIndex() const override { return grid::cellRow(m_index); }
    [[nodiscard]] int columnExtent() const override { return 1; }
    [[nodiscard]] int rowExtent() const override { return 1; }
    [[nodiscard]] QAccessibleInterface* table() const override { return parent(); }

    // QAccessibleValueInterface: the byte as a number. Setting it is typing
    // both digits, and is undone like typing.
    [[nodiscard]] QVariant currentValue() const override {
        if (!isValid())
            return {};
        const auto value = m_view->grid().value(m_index);
        return value ? QVariant(int(*value)) : QVariant();
    }
    void setCurrentValue(const QVariant& value) override {
        bool ok = false;
        const int byte = value.toInt(&ok);
        if (isValid() && ok && byte >= 0 && byte <= 255 && m_view->cellsEnabled() &&
            m_view->isEnabled())
            m_view->setCellValue(m_index, static_cast<std::uint8_t>(byte));
    }
    [[nodiscard]] QVariant maximumValue() const override { return 255; }
    [[nodiscard]] QVariant minimumValue() const override { return 0; }
    [[nodiscard]] QVariant minimumStepSize() const override { return 1; }

  private:
    [[nodiscard]] QString valueText() const {
        return uiText(m_view->grid().text(m_index)).toUpper();
    }
    [[nodiscard]] QAccessibleInterface* tablePart(ByteGridAccessible::Part kind, int index) const {
        auto* table = dynamic_cast<ByteGridAccessible*>(parent());
        return table ? table->part(kind, index) : nullptr;
    }

    QPointer<ByteGridView> m_view;
    ByteGridAccessible::Part m_kind;
    int m_index;
};

QAccessibleInterface* gridFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("vantrel::ByteGridView"))
        return nullptr;
    auto* view = qobject_cast<ByteGridView*>(object);
    return view ? new ByteGridAccessible(view) : nullptr;
}

// Asked whether or not a screen reader listens: the platform may not say (an
// offscreen one never does), and the objects made are bounded by the grid.
ByteGridAccessible* tableOf(ByteGridView* view) {
    if (!view)
        return nullptr;
    return dynamic_cast<ByteGridAccessible*>(QAccessible::queryAccessibleInterface(view));
}

} // namespace

ByteGridAccessible::ByteGridAccessible(ByteGridView* view)
    : QAccessibleWidget(view, QAccessible::Table) {}

ByteGridAccessible::~ByteGridAccessible() {
    dropPartsBeyond(0);
    m_parts.clear();
}

void ByteGridAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(gridFactory);
        return true;
    }();
    (void)installed;
}

ByteGridView* ByteGridAccessible::view() const {
    return static_cast<ByteGridView*>(widget());
}

QAccessibleInterface* ByteGridAccessible::part(Part kind, int index) const {
    const auto key = std::make_pair(kind, index);
    if (const auto found = m_parts.find(key); found != m_parts.end())
        return QAccessible::accessibleInterface(found->second);
    auto* made = new GridPartAccessible(view(), kind, index);
    if (!made->isValid()) {
        delete made;
        return nullptr;
    }
    m_parts.emplace(key, QAccessible::registerAccessibleInterface(made));
    return made;
}

void ByteGridAccessible::dropPartsBeyond(int cellCount) {
    const int rows = cellCount > 0 ? grid::cellRow(cellCount - 1) + 1 : 0;
    for (auto it = m_parts.begin(); it != m_parts.end();) {
        const auto [kind, index] = it->first;
        const bool gone = (kind == Part::Cell && index >= cellCount) ||
                          (kind == Part::RowHeader && index >= rows) ||
                          (kind == Part::ColumnHeader && cellCount == 0);
        if (gone) {
            QAccessible::deleteAccessibleInterface(it->second);
            it = m_parts.erase(it);
        } else {
            ++it;
        }
    }
}

QString ByteGridAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return uiText(view()->strings(), UiString::AccessibleGrid);
    return QAccessibleWidget::text(t);
}

// Only the cells are children; the headers are reached through them, as in
// Qt's own tables, and the scroll bar is left to the keyboard.
int ByteGridAccessible::childCount() const {
    return view()->cellCount();
}

QAccessibleInterface* ByteGridAccessible::child(int index) const {
    return index >= 0 && index < childCount() ? part(Part::Cell, index) : nullptr;
}

int ByteGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (const auto& [key, id] : m_parts) {
        if (key.first == Part::Cell && QAccessible::accessibleInterface(id) == child)
            return key.second;
    }
    return -1;
}

QAccessibleInterface* ByteGridAccessible::childAt(int x, int y) const {
    const QPoint local = view()->viewport()->mapFromGlobal(QPoint(x, y));
    const int index = view()->cellAt(local);
    return index >= 0 ? child(index) : nullptr;
}

QAccessibleInterface* ByteGridAccessible::focusChild() const {
    return view()->hasFocus() ? child(view()->editIndex()) : nullptr;
}

void* ByteGridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* ByteGridAccessible::cellAt(int row, int column) const {
    if (column < 0 || column >= kCellsPerRow || row < 0)
        return nullptr;
    return child(row * kCellsPerRow + column);
}

int ByteGridAccessible::columnCount() const {
    return kCellsPerRow;
}

int ByteGridAccessible::rowCount() const {
    return grid::cellRow(view()->cellCount() - 1) + 1;
}

int ByteGridAccessible::selectedCellCount() const {
    return 1;
}

QString ByteGridAccessible::columnDescription(int column) const {
    return uiText(grid::columnHeaderText(column));
}

QString ByteGridAccessible::rowDescription(int row) const {
    return uiText(grid::rowOffsetText(row));
}

QList<QAccessibleInterface*> ByteGridAccessible::selectedCells() const {
    QAccessibleInterface* current = child(view()->editIndex());
    return current ? QList<QAccessibleInterface*>{current} : QList<QAccessibleInterface*>{};
}

void ByteGridAccessible::modelChange(QAccessibleTableModelChangeEvent* /*event*/) {
    dropPartsBeyond(view()->cellCount());
}

void announceCellFocus(ByteGridView* view, int index) {
    ByteGridAccessible* table = tableOf(view);
    if (!table || !view->hasFocus())
        return;
    if (QAccessibleInterface* cell = table->child(index)) {
        QAccessibleEvent event(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void announceCellValue(ByteGridView* view, int index) {
    ByteGridAccessible* table = tableOf(view);
    if (!table)
        return;
    if (QAccessibleInterface* cell = table->child(index)) {
        QAccessibleValueChangeEvent valueEvent(cell, cell->text(QAccessible::Value));
        QAccessible::updateAccessibility(&valueEvent);
        // The name holds the value too, and screen readers cache names.
        QAccessibleEvent nameEvent(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&nameEvent);
    }
}

void announceGridRebuilt(ByteGridView* view) {
    ByteGridAccessible* table = tableOf(view);
    if (!table)
        return;
    table->modelChange(nullptr);
    QAccessibleTableModelChangeEvent event(view, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

} // namespace vantrel
