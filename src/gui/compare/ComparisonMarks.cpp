// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/compare/ComparisonMarks.h"

#include "core/compare/SeemComparison.h"
#include "core/editors/EditorModel.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"
#include "gui/document/ByteGridView.h"
#include "gui/editors/ColorTreeEditor.h"
#include "gui/editors/FunctionTreeEditor.h"
#include "gui/editors/StyleListEditor.h"
#include "gui/editors/VolumeEditor.h"
#include "gui/i18n/UiText.h"
#include "gui/style/PaletteColors.h"

#include <QLabel>
#include <QSlider>
#include <QTreeWidgetItemIterator>

namespace vantrel {

QColor differenceGround(const QPalette& palette) {
    return markGround(palette, kDifferenceGround);
}

QColor differenceAboveGround(const QPalette& palette) {
    return fainterMarkGround(palette, kDifferenceAboveGround, differenceGround(palette));
}

namespace {

void clearTree(QTreeWidget& tree) {
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        (*it)->setBackground(0, QBrush());
        (*it)->setToolTip(0, QString());
    }
}

// The node gets the mark; the folders above it a lighter one, so a closed
// folder still shows that something inside differs.
void markNode(QTreeWidgetItem* item, const QString& tip) {
    if (!item)
        return;
    const QPalette& palette = item->treeWidget()->palette();
    const QColor ground = differenceGround(palette);
    for (QTreeWidgetItem* above = item->parent(); above; above = above->parent()) {
        if (above->background(0).color() != ground)
            above->setBackground(0, differenceAboveGround(palette));
    }
    item->setBackground(0, ground);
    item->setToolTip(0, tip);
}

void markVolumeRow(VolumeEditor& volumes, int row, const QString& tip) {
    QLabel* caption = volumes.caption(row);
    QPalette palette = caption->palette();
    palette.setColor(QPalette::Window, differenceGround(palette));
    caption->setPalette(palette);
    caption->setAutoFillBackground(!tip.isEmpty());
    caption->setToolTip(tip);
    volumes.slider(row)->setToolTip(tip);
}

} // namespace

void markDifferences(const SeemComparison& comparison, const UiStrings& strings,
                     const MarkedEditors& editors) {
    if (editors.functions)
        clearTree(*editors.functions);
    if (editors.colors)
        clearTree(*editors.colors);
    for (int row = 0; editors.styles && row < editors.styles->count(); ++row) {
        editors.styles->item(row)->setBackground(QBrush());
        editors.styles->item(row)->setToolTip(QString());
    }
    for (int row = 0; editors.volumes && row < VolumeEditor::kRows; ++row)
        markVolumeRow(*editors.volumes, row, QString());

    std::vector<bool> cells;
    for (const SettingDifference& difference : comparison.differences) {
        const QString key = uiText(difference.key);
        const QString tip = uiText(strings, UiString::DiffTooltip, {difference.theirs});
        if (difference.kind == SettingKind::Switch) {
            if (editors.functions)
                markNode(editors.functions->itemByKey(key), tip);
        } else if (difference.kind == SettingKind::Color) {
            if (editors.colors)
                markNode(editors.colors->itemByKey(key), tip);
        } else if (difference.kind == SettingKind::Style) {
            if (QListWidgetItem* item = editors.styles ? editors.styles->itemByKey(key) : nullptr) {
                item->setBackground(differenceGround(editors.styles->palette()));
                item->setToolTip(tip);
            }
        } else if (const int row = volumeRowOf(difference.key); row >= 0 && editors.volumes) {
            markVolumeRow(*editors.volumes, row, tip);
        }
        for (int i = difference.firstCell; i <= difference.lastCell && i < editors.grid.cellCount();
             ++i) {
            if (cells.size() <= static_cast<std::size_t>(i))
                cells.resize(static_cast<std::size_t>(i) + 1, false);
            cells[static_cast<std::size_t>(i)] = true;
        }
    }
    editors.grid.setHighlightedCells(std::move(cells), differenceGround(editors.grid.palette()));
}

} // namespace vantrel
