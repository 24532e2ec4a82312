// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/ColorTreeEditor.h"

#include "core/editors/ColorMath.h"
#include "core/editors/ColorScheme.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/session/EditingSession.h"
#include "gui/editors/EditorAccessibility.h"
#include "gui/editors/PhoneScreenPreview.h"
#include "gui/i18n/UiText.h"
#include "gui/widgets/ImageList.h"

#include <QColor>
#include <QEvent>
#include <QPainter>
#include <QResizeEvent>

namespace vantrel {

namespace {

constexpr int kRecordBytes = 4;
constexpr int kSwatchPx = 16;
constexpr int kPreviewMarginPx = 6;

// The colour over a chequered ground, so its transparency shows.
QIcon swatchIcon(const ColorRecord& record, const QPalette& palette) {
    QPixmap pixmap(kSwatchPx, kSwatchPx);
    pixmap.fill(palette.color(QPalette::Base));
    QPainter painter(&pixmap);
    const int half = kSwatchPx / 2;
    painter.fillRect(1, 1, half - 1, half - 1, palette.color(QPalette::Mid));
    painter.fillRect(half, half, half - 1, half - 1, palette.color(QPalette::Mid));
    painter.fillRect(1, 1, kSwatchPx - 2, kSwatchPx - 2,
                     QColor(record.red, record.green, record.blue, 255 - record.transparency));
    painter.setPen(palette.color(QPalette::Text));
    painter.drawRect(0, 0, kSwatchPx - 1, kSwatchPx - 1);
    return QIcon(pixmap);
}

// "#RRGGBB, transparency N %" for the entry at offset, as the cells hold it now.
QString spokenColor(const ByteGrid& grid, const UiStrings& strings, int offset) {
    const ColorRecord record = readColorRecord(grid, offset);
    const QString rgb = QColor(record.red, record.green, record.blue).name().toUpper();
    return uiText(strings, UiString::AccessibleColorEntry)
        .replace(QLatin1String("%1"), rgb)
        .replace(QLatin1String("%2"), QString::number(percentFromByte(record.transparency)));
}

// An entry reads its colour from the cells whenever a screen reader asks, so
// it is never out of date, whoever changed the cells.
class ColorEntryItem : public QTreeWidgetItem {
  public:
    ColorEntryItem(QTreeWidgetItem* group, const QString& caption, const ByteGrid& grid,
                   const UiStrings& strings, int offset)
        : QTreeWidgetItem(group, {caption}), m_grid(grid), m_strings(strings), m_offset(offset) {}

    [[nodiscard]] QVariant data(int column, int role) const override {
        if (role == Qt::AccessibleDescriptionRole && column == 0 &&
            m_grid.contains(m_offset + kRecordBytes - 1))
            return spokenColor(m_grid, m_strings, m_offset);
        return QTreeWidgetItem::data(column, role);
    }

  private:
    const ByteGrid& m_grid;
    const UiStrings& m_strings;
    int m_offset;
};

} // namespace

ColorTreeEditor::ColorTreeEditor(EditingSession& session, QWidget* parent)
    : QTreeWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("tvwColor"));
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    nameForScreenReaders();
    announceExpansion(this);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (m_filling || !current)
            return;
        const bool entry = current->data(0, OffsetRole).isValid();
        emit nodeClicked(entry ? itemKey(current) : QString());
    });
    m_listener =
        m_session.addListener([this](const SessionChange& change) { onSessionChange(change); });
    // Below the entries, where a change is judged by eye before flashing.
    m_preview = new PhoneScreenPreview(m_session.grid(), this);
    placePreview();
}

void ColorTreeEditor::placePreview() {
    const QSize size = m_preview->sizeHint();
    setViewportMargins(0, 0, 0, size.height() + 2 * kPreviewMarginPx);
    const QRect inside = contentsRect();
    m_preview->setGeometry(inside.left() + (inside.width() - size.width()) / 2,
                           inside.bottom() - kPreviewMarginPx - size.height(), size.width(),
                           size.height());
}

void ColorTreeEditor::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    placePreview();
}

ColorTreeEditor::~ColorTreeEditor() = default;

void ColorTreeEditor::showEntryColor(QTreeWidgetItem* entry) {
    const ByteGrid& grid = m_session.grid();
    const int offset = entry->data(0, OffsetRole).toInt();
    if (grid.contains(offset + kRecordBytes - 1))
        entry->setIcon(0, swatchIcon(readColorRecord(grid, offset), palette()));
}

// Whoever changes a colour's cells (the panel, typing, undo), its icon follows.
void ColorTreeEditor::onSessionChange(const SessionChange& change) {
    if (change.model) {
        load();
        return;
    }
    if (change.allCells || !change.cells.empty())
        m_preview->update();
    for (const std::string& key : change.settings) {
        QTreeWidgetItem* entry = itemByKey(uiText(key));
        if (entry && entry->data(0, OffsetRole).isValid())
            showEntryColor(entry);
    }
}

void ColorTreeEditor::load() {
    m_filling = true;
    clear();
    const EditorModel& model = m_session.model();
    const ColorTree tree = model.kind == EditorKind::Color ? model.colors : ColorTree();
    const QIcon folderIcon = imageListIcon(kImageFolder, palette());
    for (const ColorGroup& group : tree.groups) {
        auto* groupItem = new QTreeWidgetItem(this, {uiText(group.caption)});
        groupItem->setIcon(0, folderIcon);
        groupItem->setData(0, KeyRole, uiText(group.key));
        groupItem->setData(0, ImageKeyRole, kImageFolder);
        for (const ColorEntry& entry : group.entries) {
            auto* entryItem = new ColorEntryItem(groupItem, uiText(entry.caption), m_session.grid(),
                                                 m_session.strings(), entry.offset);
            entryItem->setData(0, KeyRole, uiText(entry.key));
            entryItem->setData(0, ImageKeyRole, kImageNode);
            entryItem->setData(0, OffsetRole, entry.offset);
            showEntryColor(entryItem);
        }
        // Not expandAll(): it marks the entries expanded too, and screen
        // readers would call every leaf "expanded".
        groupItem->setExpanded(true);
    }
    m_filling = false;
    m_preview->setScheme(tree);
    m_preview->setAccessibleName(uiText(m_session.strings(), UiString::ColorPreview));
    m_preview->setToolTip(m_preview->accessibleName());
}

void ColorTreeEditor::changeEvent(QEvent* event) {
    QTreeWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        nameForScreenReaders();
    if (event->type() != QEvent::PaletteChange)
        return;
    // The images are drawn in the palette's colours: draw them anew.
    for (int g = 0; g < topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = topLevelItem(g);
        group->setIcon(0, imageListIcon(itemImageKey(group), palette()));
        for (int e = 0; e < group->childCount(); ++e)
            showEntryColor(group->child(e));
    }
}

void ColorTreeEditor::nameForScreenReaders() {
    setAccessibleName(uiText(m_session.strings(), UiString::AccessibleColorTree));
}

QString ColorTreeEditor::cellDescription(int index) const {
    for (int g = 0; g < topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = topLevelItem(g);
        for (int e = 0; e < group->childCount(); ++e) {
            const QVariant offset = group->child(e)->data(0, OffsetRole);
            if (offset.isValid() && index >= offset.toInt() &&
                index < offset.toInt() + kRecordBytes)
                return group->child(e)->text(0) + QStringLiteral(": ") +
                       spokenColor(m_session.grid(), m_session.strings(), offset.toInt());
        }
    }
    return {};
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
