#include "gui/compare/ComparisonMarks.h"

#include "core/compare/SeemComparison.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"
#include "gui/document/ByteGridView.h"
#include "gui/document/FunctionTreeEditor.h"
#include "gui/editors/StyleListEditor.h"

#include <QTreeWidgetItemIterator>

namespace vantrel {

void markDifferences(const SeemComparison& comparison, const UiStrings& strings,
                     FunctionTreeEditor& functions, StyleListEditor& styles, ByteGridView& grid) {
    for (QTreeWidgetItemIterator it(&functions); *it; ++it) {
        (*it)->setBackground(0, QBrush());
        (*it)->setToolTip(0, QString());
    }
    for (int row = 0; row < styles.count(); ++row) {
        styles.item(row)->setBackground(QBrush());
        styles.item(row)->setToolTip(QString());
    }
    std::vector<bool> cells;
    for (const SettingDifference& difference : comparison.differences) {
        const QString key = QString::fromStdString(difference.key);
        const QString tip =
            QString::fromStdString(strings.format(StrDiffTooltip, {difference.theirs}));
        if (difference.kind == SettingKind::Switch) {
            if (QTreeWidgetItem* item = functions.itemByKey(key)) {
                for (QTreeWidgetItem* above = item->parent(); above; above = above->parent()) {
                    if (above->background(0).color() != kDifferenceGround)
                        above->setBackground(0, kDifferenceAboveGround);
                }
                item->setBackground(0, kDifferenceGround);
                item->setToolTip(0, tip);
            }
        } else if (difference.kind == SettingKind::Style) {
            if (QListWidgetItem* item = styles.itemByKey(key)) {
                item->setBackground(kDifferenceGround);
                item->setToolTip(tip);
            }
        }
        for (int i = difference.firstCell; i <= difference.lastCell && i < grid.cellCount(); ++i) {
            if (cells.size() <= static_cast<std::size_t>(i))
                cells.resize(static_cast<std::size_t>(i) + 1, false);
            cells[static_cast<std::size_t>(i)] = true;
        }
    }
    grid.setHighlightedCells(std::move(cells), kDifferenceGround);
}

} // namespace vantrel
