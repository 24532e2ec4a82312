// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/StyleListEditor.h"

#include "core/i18n/BuiltinStrings.h"
#include "gui/editors/CheckMarkDelegate.h"
#include "gui/i18n/UiText.h"
#include "gui/window/ImageList.h"

#include <QMouseEvent>
#include <QSignalBlocker>

namespace vantrel {

StyleListEditor::StyleListEditor(SeemDocument& document, const UiStrings& strings, QWidget* parent)
    : QListWidget(parent), m_document(document), m_grid(document.grid()), m_strings(strings) {
    setObjectName(QStringLiteral("lvwStyle"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new CheckMarkDelegate(this));
    nameForScreenReaders();

    connect(this, &QListWidget::itemChanged, this, &StyleListEditor::onItemChanged);
    // A mouse click changes the current item and then reports the click; the
    // keyboard only changes the current item. Either way the row runs once.
    connect(this, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* current) {
        const StyleRow* row = m_filling ? nullptr : rowOf(current);
        if (!row)
            return;
        m_handledByPress = current;
        chooseRow(*row);
    });
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (item == m_handledByPress) {
            m_handledByPress = nullptr;
            return;
        }
        if (const StyleRow* row = rowOf(item))
            chooseRow(*row);
    });
    m_gridConnection = m_grid.addListener([this](int index) { refreshRows(index); });
}

bool StyleListEditor::load(const XmlElement& typeElement) {
    // Setting the check marks below must not be taken for the user's checks.
    m_filling = true;
    m_handledByPress = nullptr;
    clear();
    StyleRows built = buildStyleRows(typeElement, m_grid);
    m_rows = std::move(built.rows);
    const QIcon icon = imageListIcon(kImageNode, palette());
    for (const StyleRow& row : m_rows) {
        auto* item = new QListWidgetItem(icon, uiText(row.text), this);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setData(KeyRole, uiText(row.key));
        item->setData(ImageKeyRole, kImageNode);
        item->setCheckState(row.checked ? Qt::Checked : Qt::Unchecked);
    }
    // Current but not selected, so that the first focus-in does not pick a row.
    if (count() > 0)
        setCurrentRow(0, QItemSelectionModel::NoUpdate);
    m_filling = false;

    if (!built.complete) {
        emit failed(uiText(m_strings, UiString::EditorIncomplete));
        return false;
    }
    return true;
}

QListWidgetItem* StyleListEditor::itemByKey(const QString& key) const {
    for (int i = 0; i < count(); ++i) {
        if (itemKey(item(i)) == key)
            return item(i);
    }
    return nullptr;
}

QString StyleListEditor::itemKey(const QListWidgetItem* item) {
    return item ? item->data(KeyRole).toString() : QString();
}

QString StyleListEditor::itemImageKey(const QListWidgetItem* item) {
    return item ? item->data(ImageKeyRole).toString() : QString();
}

void StyleListEditor::mousePressEvent(QMouseEvent* event) {
    m_handledByPress = nullptr;
    QListWidget::mousePressEvent(event);
}

void StyleListEditor::changeEvent(QEvent* event) {
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        nameForScreenReaders();
    if (event->type() != QEvent::PaletteChange)
        return;
    const QIcon icon = imageListIcon(kImageNode, palette());
    const QSignalBlocker blocker(this); // a new icon is not the user's check
    for (int i = 0; i < count(); ++i)
        item(i)->setIcon(icon);
}

void StyleListEditor::onItemChanged(QListWidgetItem* item) {
    StyleRow* row = m_filling ? nullptr : rowOf(item);
    if (!row)
        return;
    const bool checked = item->checkState() == Qt::Checked;
    if (checked == row->checked)
        return;
    m_handledByPress = item;
    if (item != currentItem()) {
        // A click on the box leaves the current row where it was; move it, so
        // that Space and the highlight go on with the row just checked.
        const QSignalBlocker blocker(this);
        setCurrentItem(item);
    }
    chooseRow(*row);
    const EditScope step(m_document, UiString::UndoStyle);
    applyCheck(m_grid, *row, checked);
}

void StyleListEditor::refreshRows(int cellIndex) {
    // The marks set here are the cells' doing, not the user's checks.
    const bool wasFilling = m_filling;
    m_filling = true;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        StyleRow& row = m_rows[i];
        if (cellIndex >= 0 && row.offset != cellIndex)
            continue;
        row.checked = isRowOn(m_grid, row);
        if (QListWidgetItem* rowItem = item(static_cast<int>(i)))
            rowItem->setCheckState(row.checked ? Qt::Checked : Qt::Unchecked);
    }
    m_filling = wasFilling;
}

void StyleListEditor::chooseRow(const StyleRow& row) {
    emit infoChanged(uiText(row.tip));
    emit cellFocusRequested(row.offset);
    setFocus(Qt::OtherFocusReason);
}

void StyleListEditor::nameForScreenReaders() {
    setAccessibleName(uiText(m_strings, UiString::AccessibleStyleList));
}

QString StyleListEditor::cellDescription(int index) const {
    QStringList spoken;
    for (const StyleRow& row : m_rows) {
        if (row.offset != index)
            continue;
        const UiString label =
            isRowOn(m_grid, row) ? UiString::AccessibleSwitchOn : UiString::AccessibleSwitchOff;
        spoken << uiText(m_strings, label).replace(QLatin1String("%1"), uiText(row.text));
    }
    return spoken.join(QStringLiteral("; "));
}

StyleRow* StyleListEditor::rowOf(const QListWidgetItem* item) {
    const int index = item ? row(item) : -1;
    if (index < 0 || index >= static_cast<int>(m_rows.size()))
        return nullptr;
    return &m_rows[static_cast<std::size_t>(index)];
}

} // namespace vantrel
