// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/EditorAccessibility.h"

#include "gui/editors/ColorTreeEditor.h"
#include "gui/editors/FunctionTreeEditor.h"
#include "gui/editors/StyleListEditor.h"
#include "gui/editors/VolumeEditor.h"

#include <QAccessible>
#include <QLabel>
#include <QTreeWidget>

#include <utility>

namespace vantrel {

ByteGridView::CellDescriber describeByShownEditor(std::function<const QWidget*()> shownEditor) {
    return [shownEditor = std::move(shownEditor)](int index) {
        const QWidget* editor = shownEditor();
        if (const auto* functions = qobject_cast<const FunctionTreeEditor*>(editor))
            return functions->cellDescription(index);
        if (const auto* styles = qobject_cast<const StyleListEditor*>(editor))
            return styles->cellDescription(index);
        if (const auto* volumes = qobject_cast<const VolumeEditor*>(editor))
            return volumes->cellDescription(index);
        if (const auto* colors = qobject_cast<const ColorTreeEditor*>(editor))
            return colors->cellDescription(index);
        return QString();
    };
}

namespace {

// A panel's own tab stops in their present order, or the widget itself when
// it takes the focus: Qt moves a panel in the chain, not what it holds.
QList<QWidget*> tabStops(QWidget* widget) {
    if (widget->focusPolicy() & Qt::TabFocus)
        return {widget};
    QList<QWidget*> stops;
    for (QWidget* next = widget->nextInFocusChain(); next != widget;
         next = next->nextInFocusChain()) {
        if (widget->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus))
            stops << next;
    }
    return stops;
}

} // namespace

QWidget* firstTabStop(QWidget* panel) {
    return tabStops(panel).value(0, nullptr);
}

void setMainTabOrder(QWidget* grid, const std::vector<QWidget*>& editors, QLabel* information) {
    information->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    information->setFocusPolicy(Qt::TabFocus);
    QList<QWidget*> order{grid};
    for (QWidget* editor : editors)
        order << tabStops(editor);
    order << information;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void announceExpansion(QTreeWidget* tree) {
    const auto announce = [tree](QTreeWidgetItem* item) {
        // A tree's children are its rows on show, after the (hidden) header.
        int row = 1;
        for (const QTreeWidgetItem* above = tree->itemAbove(item); above;
             above = tree->itemAbove(above))
            ++row;
        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(tree);
        QAccessibleInterface* itemInterface = view ? view->child(row) : nullptr;
        if (!itemInterface)
            return;
        QAccessible::State changed;
        changed.expanded = true;
        QAccessibleStateChangeEvent event(itemInterface, changed);
        QAccessible::updateAccessibility(&event);
    };
    QObject::connect(tree, &QTreeWidget::itemExpanded, tree, announce);
    QObject::connect(tree, &QTreeWidget::itemCollapsed, tree, announce);
}

} // namespace vantrel
