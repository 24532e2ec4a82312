// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/FunctionTreeAccessible.h"

#include "gui/editors/FunctionTreeEditor.h"

#include <QPointer>
#include <QWindow>

#include <algorithm>

namespace vantrel {

namespace {

// A part of the tree that has no object and no children of its own.
class TreePartAccessible : public QAccessibleInterface {
  public:
    explicit TreePartAccessible(FunctionTreeEditor* tree) : m_tree(tree) {}
    [[nodiscard]] bool isValid() const override { return !m_tree.isNull(); }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QWindow* window() const override {
        return m_tree ? m_tree->window()->windowHandle() : nullptr;
    }
    [[nodiscard]] QAccessibleInterface* parent() const override {
        return m_tree ? QAccessible::queryAccessibleInterface(m_tree.data()) : nullptr;
    }
    [[nodiscard]] QAccessibleInterface* child(int) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    [[nodiscard]] QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

  protected:
    QPointer<FunctionTreeEditor> m_tree;
};

// The tree's column header: there, but never shown.
class HeaderAccessible : public TreePartAccessible {
  public:
    using TreePartAccessible::TreePartAccessible;
    [[nodiscard]] QString text(QAccessible::Text) const override { return {}; }
    [[nodiscard]] QRect rect() const override { return {}; }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State st;
        st.invisible = true;
        return st;
    }
};

class ItemAccessible : public TreePartAccessible, public QAccessibleActionInterface {
  public:
    ItemAccessible(FunctionTreeEditor* tree, QTreeWidgetItem* item)
        : TreePartAccessible(tree), m_item(item) {}

    [[nodiscard]] QString text(QAccessible::Text t) const override {
        return isValid() && t == QAccessible::Name ? m_item->text(0) : QString();
    }
    [[nodiscard]] QRect rect() const override {
        if (!isValid())
            return {};
        const QRect local = m_tree->visualItemRect(m_item);
        return {m_tree->viewport()->mapToGlobal(local.topLeft()), local.size()};
    }
    // A switch is a check box to a screen reader: Orca speaks "checked" and
    // "not checked" for that role, while for a tree item it adds no state.
    [[nodiscard]] QAccessible::Role role() const override {
        return isSwitch() ? QAccessible::CheckBox : QAccessible::TreeItem;
    }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State st;
        if (!isValid()) {
            st.invalid = true;
            return st;
        }
        st.disabled = !m_tree->isEnabled();
        st.selectable = true;
        st.focusable = true;
        st.selected = m_item->isSelected();
        st.focused = m_item == m_tree->currentItem() && m_tree->hasFocus();
        st.expandable = m_item->childCount() > 0;
        st.expanded = st.expandable && m_item->isExpanded();
        st.collapsed = st.expandable && !m_item->isExpanded();
        st.checkable = isSwitch();
        st.checked = st.checkable && m_item->checkState(0) == Qt::Checked;
        st.offscreen = !m_tree->viewport()->rect().intersects(m_tree->visualItemRect(m_item));
        return st;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    // Toggle switches a switch or opens and closes a folder; press chooses the row.
    [[nodiscard]] QStringList actionNames() const override {
        QStringList names{pressAction()};
        if (isSwitch() || (isValid() && m_item->childCount() > 0))
            names << toggleAction();
        return names;
    }
    void doAction(const QString& name) override {
        if (!isValid() || !m_tree->isEnabled())
            return;
        if (name == pressAction()) {
            m_tree->setCurrentItem(m_item);
        } else if (name == toggleAction()) {
            if (isSwitch())
                m_tree->requestToggle(m_item);
            else
                m_item->setExpanded(!m_item->isExpanded());
        }
    }
    [[nodiscard]] QStringList keyBindingsForAction(const QString& name) const override {
        return name == toggleAction() && isSwitch() ? QStringList{QStringLiteral("Space")}
                                                    : QStringList{};
    }

  private:
    // Folders carry no check state, only switches do.
    [[nodiscard]] bool isSwitch() const {
        return isValid() && m_item->data(0, Qt::CheckStateRole).isValid();
    }

    QTreeWidgetItem* m_item; // forgotten (see forgetItems) before the tree deletes it
};

QAccessibleInterface* treeFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("vantrel::FunctionTreeEditor"))
        return nullptr;
    auto* tree = qobject_cast<FunctionTreeEditor*>(object);
    return tree ? new FunctionTreeAccessible(tree) : nullptr;
}

FunctionTreeAccessible* interfaceOf(FunctionTreeEditor* tree) {
    return dynamic_cast<FunctionTreeAccessible*>(QAccessible::queryAccessibleInterface(tree));
}

} // namespace

FunctionTreeAccessible::FunctionTreeAccessible(FunctionTreeEditor* tree)
    : QAccessibleWidget(tree, QAccessible::Tree) {}

FunctionTreeAccessible::~FunctionTreeAccessible() {
    forgetItems();
    if (m_header)
        QAccessible::deleteAccessibleInterface(m_header);
}

void FunctionTreeAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(treeFactory);
        return true;
    }();
    (void)installed;
}

FunctionTreeEditor* FunctionTreeAccessible::tree() const {
    return static_cast<FunctionTreeEditor*>(widget());
}

std::vector<QTreeWidgetItem*> FunctionTreeAccessible::shownRows() const {
    std::vector<QTreeWidgetItem*> rows;
    std::vector<QTreeWidgetItem*> pending;
    for (int i = tree()->topLevelItemCount() - 1; i >= 0; --i)
        pending.push_back(tree()->topLevelItem(i));
    while (!pending.empty()) {
        QTreeWidgetItem* item = pending.back();
        pending.pop_back();
        if (item->isHidden())
            continue;
        rows.push_back(item);
        if (item->isExpanded()) {
            for (int i = item->childCount() - 1; i >= 0; --i)
                pending.push_back(item->child(i));
        }
    }
    return rows;
}

int FunctionTreeAccessible::childCount() const {
    return 1 + static_cast<int>(shownRows().size());
}

QAccessibleInterface* FunctionTreeAccessible::child(int index) const {
    if (index == 0) {
        if (!m_header)
            m_header = QAccessible::registerAccessibleInterface(new HeaderAccessible(tree()));
        return QAccessible::accessibleInterface(m_header);
    }
    const std::vector<QTreeWidgetItem*> rows = shownRows();
    if (index < 0 || index > static_cast<int>(rows.size()))
        return nullptr;
    return itemInterface(rows[static_cast<std::size_t>(index - 1)]);
}

int FunctionTreeAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (m_header && QAccessible::accessibleInterface(m_header) == child)
        return 0;
    const std::vector<QTreeWidgetItem*> rows = shownRows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const auto found = m_items.find(rows[row]);
        if (found != m_items.end() && QAccessible::accessibleInterface(found->second) == child)
            return static_cast<int>(row) + 1;
    }
    return -1;
}

QAccessibleInterface* FunctionTreeAccessible::childAt(int x, int y) const {
    return itemInterface(tree()->itemAt(tree()->viewport()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* FunctionTreeAccessible::focusChild() const {
    return tree()->hasFocus() ? itemInterface(tree()->currentItem()) : nullptr;
}

QAccessibleInterface* FunctionTreeAccessible::itemInterface(QTreeWidgetItem* item) const {
    if (!item)
        return nullptr;
    if (const auto found = m_items.find(item); found != m_items.end())
        return QAccessible::accessibleInterface(found->second);
    auto* made = new ItemAccessible(tree(), item);
    m_items.emplace(item, QAccessible::registerAccessibleInterface(made));
    return made;
}

void FunctionTreeAccessible::forgetItems() {
    for (const auto& [item, id] : m_items)
        QAccessible::deleteAccessibleInterface(id);
    m_items.clear();
}

void forgetAccessibleItems(FunctionTreeEditor* tree) {
    if (FunctionTreeAccessible* iface = interfaceOf(tree))
        iface->forgetItems();
}

void announceCheckChange(FunctionTreeEditor* tree, QTreeWidgetItem* item) {
    FunctionTreeAccessible* iface = interfaceOf(tree);
    QAccessibleInterface* itemIface = iface ? iface->itemInterface(item) : nullptr;
    if (!itemIface)
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(itemIface, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace vantrel
