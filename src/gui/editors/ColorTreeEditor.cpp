// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/BuiltinStrings.h"
#include "gui/editors/ColorTreeEditor.h"

#include "core/editors/ColorScheme.h"
#include "gui/app/ImageList.h"

#include <QEvent>

namespace vantrel {

ColorTreeEditor::ColorTreeEditor(const ByteGrid& grid, const UiStrings& strings, QWidget* parent)
    : QTreeWidget(parent), m_grid(grid), m_strings(strings) {
    setObjectName(QStringLiteral("tvwColor"));
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (m_filling || !current)
            return;
        const QVariant offset = current->data(0, OffsetRole);
        emit nodeClicked(offset.isValid() ? std::optional<int>(offset.toInt()) : std::nullopt);
    });
}

bool ColorTreeEditor::load(const XmlElement& typeElement) {
    m_filling = true;
    clear();
    const ColorTree tree = buildColorTree(typeElement, m_grid);
    const QIcon folderIcon = imageListIcon(kImageFolder, palette());
    const QIcon nodeIcon = imageListIcon(kImageNode, palette());
    for (const ColorGroup& group : tree.groups) {
        auto* groupItem = new QTreeWidgetItem(this, {QString::fromStdString(group.caption)});
        groupItem->setIcon(0, folderIcon);
        groupItem->setData(0, KeyRole, QString::fromStdString(group.key));
        groupItem->setData(0, ImageKeyRole, kImageFolder);
        for (const ColorEntry& entry : group.entries) {
            auto* entryItem =
                new QTreeWidgetItem(groupItem, {QString::fromStdString(entry.caption)});
            entryItem->setIcon(0, nodeIcon);
            entryItem->setData(0, KeyRole, QString::fromStdString(entry.key));
            entryItem->setData(0, ImageKeyRole, kImageNode);
            entryItem->setData(0, OffsetRole, entry.offset);
        }
    }
    expandAll();
    m_filling = false;

    if (!tree.complete) {
        emit failed(QString::fromStdString(m_strings.get(StrEditorIncomplete)));
        return false;
    }
    return true;
}

void ColorTreeEditor::changeEvent(QEvent* event) {
    QTreeWidget::changeEvent(event);
    if (event->type() != QEvent::PaletteChange)
        return;
    // The images are drawn in the palette's colours: draw them anew.
    for (int g = 0; g < topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = topLevelItem(g);
        group->setIcon(0, imageListIcon(itemImageKey(group), palette()));
        for (int e = 0; e < group->childCount(); ++e)
            group->child(e)->setIcon(0, imageListIcon(itemImageKey(group->child(e)), palette()));
    }
}

QTreeWidgetItem* ColorTreeEditor::itemByKey(const QString& key) const {
    for (int g = 0; g < topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = topLevelItem(g);
        if (itemKey(group) == key)
            return group;
        for (int e = 0; e < group->childCount(); ++e) {
            if (itemKey(group->child(e)) == key)
                return group->child(e);
        }
    }
    return nullptr;
}

QString ColorTreeEditor::itemKey(const QTreeWidgetItem* item) {
    return item ? item->data(0, KeyRole).toString() : QString();
}

QString ColorTreeEditor::itemImageKey(const QTreeWidgetItem* item) {
    return item ? item->data(0, ImageKeyRole).toString() : QString();
}

} // namespace vantrel
