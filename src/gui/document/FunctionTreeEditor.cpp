// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/document/FunctionTreeEditor.h"

#include "core/document/BitHelpers.h"
#include "core/i18n/BuiltinStrings.h"
#include "gui/app/ImageList.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace vantrel {

FunctionTreeEditor::FunctionTreeEditor(SeemDocument& document, const UiStrings& strings,
                                       QWidget* parent)
    : QTreeWidget(parent), m_document(document), m_grid(document.grid()), m_strings(strings) {
    setObjectName(QStringLiteral("tvwFuct"));
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    drawIcons();

    // A mouse click changes the current item and then reports the click; the
    // keyboard only changes the current item. Either way the node runs once.
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (!current)
            return;
        m_handledByPress = current;
        nodeClick(current);
    });
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (item == m_handledByPress) {
            m_handledByPress = nullptr;
            return;
        }
        nodeClick(item);
    });
    m_gridConnection = m_grid.addListener([this](int index) { refreshSwitches(index); });
}

void FunctionTreeEditor::load(const XmlElement& typeElement) {
    const QSignalBlocker blocker(this);
    m_handledByPress = nullptr;
    m_nodes.clear();
    clear();
    m_root = m_builder.build(typeElement, m_grid);
    auto* rootItem = new QTreeWidgetItem(this);
    addItems(rootItem, m_root);
    expandItem(rootItem);
    // Current but not selected, so that the first focus-in does not pick a node.
    setCurrentItem(rootItem, 0, QItemSelectionModel::NoUpdate);
}

void FunctionTreeEditor::addItems(QTreeWidgetItem* rootItem, FunctionNode& root) {
    // A stack of its own rather than recursion: the depth comes from the file.
    std::vector<std::pair<QTreeWidgetItem*, FunctionNode*>> pending{{rootItem, &root}};
    while (!pending.empty()) {
        const auto [item, node] = pending.back();
        pending.pop_back();
        item->setText(0, QString::fromStdString(node->text));
        item->setData(0, KeyRole, QString::fromStdString(node->key));
        setImage(item, *node);
        m_nodes.insert(item, node);
        // Items are created here, in document order, and filled when popped.
        for (FunctionNode& child : node->children)
            pending.emplace_back(new QTreeWidgetItem(item), &child);
    }
}

void FunctionTreeEditor::toggleSelected() {
    if (!shownInWindow())
        return;
    QTreeWidgetItem* item = currentItem();
    FunctionNode* node = nodeOf(item);
    if (!node || !node->isSwitch())
        return;
    const EditScope step(m_document, StrUndoSwitch);
    toggleSwitch(m_grid, *node, !node->on);
}

void FunctionTreeEditor::refreshSwitches(int cellIndex) {
    for (auto it = m_nodes.cbegin(); it != m_nodes.cend(); ++it) {
        FunctionNode* node = it.value();
        if (!node->isSwitch() || (cellIndex >= 0 && node->cellIndex != cellIndex))
            continue;
        const bool on = IsBitSet(m_grid.text(node->cellIndex), node->bit);
        if (on == node->on && cellIndex >= 0)
            continue;
        node->on = on;
        auto* item = const_cast<QTreeWidgetItem*>(it.key());
        setImage(item, *node);
        // The Edit menu names what the selected switch's command would do now.
        if (item == currentItem() && item->isSelected() && shownInWindow())
            emit switchStateChanged(true, uiString(on ? StrSwitchOff : StrSwitchOn));
    }
}

bool FunctionTreeEditor::switchSelected() const {
    const FunctionNode* node = nodeOf(currentItem());
    return node && node->isSwitch();
}

QString FunctionTreeEditor::selectedKey() const {
    return itemKey(currentItem());
}

QTreeWidgetItem* FunctionTreeEditor::itemByKey(const QString& key) const {
    for (auto it = m_nodes.cbegin(); it != m_nodes.cend(); ++it) {
        if (itemKey(it.key()) == key)
            return const_cast<QTreeWidgetItem*>(it.key());
    }
    return nullptr;
}

QString FunctionTreeEditor::itemKey(const QTreeWidgetItem* item) {
    return item ? item->data(0, KeyRole).toString() : QString();
}

QString FunctionTreeEditor::itemImageKey(const QTreeWidgetItem* item) {
    return item ? item->data(0, ImageKeyRole).toString() : QString();
}

void FunctionTreeEditor::mousePressEvent(QMouseEvent* event) {
    m_handledByPress = nullptr;
    // The right button only opens the Edit menu; it must not move the selection.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void FunctionTreeEditor::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        emit contextMenuRequested(event->globalPosition().toPoint());
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void FunctionTreeEditor::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse case was answered on release; keep the event from the window behind.
    if (event->reason() == QContextMenuEvent::Keyboard)
        emit contextMenuRequested(event->globalPos());
    event->accept();
}

void FunctionTreeEditor::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool toggleKey = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (toggleKey && modifiers == Qt::NoModifier && switchSelected()) {
        event->accept();
        emit toggleRequested();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void FunctionTreeEditor::changeEvent(QEvent* event) {
    QTreeWidget::changeEvent(event);
    if (event->type() != QEvent::PaletteChange)
        return;
    drawIcons();
    for (auto it = m_nodes.cbegin(); it != m_nodes.cend(); ++it)
        setImage(const_cast<QTreeWidgetItem*>(it.key()), *it.value());
}

void FunctionTreeEditor::drawIcons() {
    for (const QString& key : {kImageFolder, kImageOn, kImageOff})
        m_icons.insert(key, imageListIcon(key, palette()));
}

void FunctionTreeEditor::nodeClick(QTreeWidgetItem* item) {
    const FunctionNode* node = nodeOf(item);
    if (!node)
        return;
    if (node->isSwitch()) {
        showSwitch(item, *node);
    } else {
        emit infoChanged(uiString(StrInformation), QString());
        m_grid.setBorder(m_grid.lastSelect(), false);
        emit switchStateChanged(false, QString());
    }
    emit statusPathChanged(pathOf(item));
}

void FunctionTreeEditor::showSwitch(QTreeWidgetItem* item, const FunctionNode& node) {
    emit cellFocusRequested(node.cellIndex);
    setFocus(Qt::OtherFocusReason);
    const QString tip =
        node.tip.empty() ? uiString(StrNoDescription) : QString::fromStdString(node.tip);
    emit infoChanged(QStringLiteral("[ ") + item->text(0) + QStringLiteral(" ]"), tip);
    emit switchStateChanged(true, uiString(node.on ? StrSwitchOff : StrSwitchOn));
}

void FunctionTreeEditor::setImage(QTreeWidgetItem* item, const FunctionNode& node) {
    const QString key = QString::fromStdString(node.imageKey());
    item->setIcon(0, m_icons.value(key));
    item->setData(0, ImageKeyRole, key);
}

FunctionNode* FunctionTreeEditor::nodeOf(const QTreeWidgetItem* item) const {
    return item ? m_nodes.value(item, nullptr) : nullptr;
}

QString FunctionTreeEditor::pathOf(const QTreeWidgetItem* item) const {
    std::vector<std::string> texts;
    for (; item; item = item->parent())
        texts.push_back(item->text(0).toStdString());
    std::reverse(texts.begin(), texts.end());
    return QString::fromStdString(statusPath(m_strings.get(StrLocationPrefix), texts));
}

QString FunctionTreeEditor::uiString(UiString id) const {
    return QString::fromStdString(m_strings.get(id));
}

// The window hides the editors that do not belong to the open file; a window
// that is not on screen yet (or any more) does not count as hiding the tree.
bool FunctionTreeEditor::shownInWindow() const {
    for (const QWidget* widget = this; widget && !widget->isWindow();
         widget = widget->parentWidget()) {
        if (widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide))
            return false;
    }
    return isEnabled();
}

} // namespace vantrel
