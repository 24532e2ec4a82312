// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/StyleListEditor.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/session/EditingSession.h"
#include "gui/editors/CheckMarkDelegate.h"
#include "gui/i18n/UiText.h"
#include "gui/widgets/ImageList.h"

#include <QMouseEvent>
#include <QSignalBlocker>

#include <utility>

namespace vantrel {

StyleListEditor::StyleListEditor(EditingSession& session, QWidget* parent)
    : QListWidget(parent), m_session(session) {
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
    m_sessionConnection =
        m_session.addListener([this](const SessionChange& change) { onSessionChange(change); });
}

void StyleListEditor::load() {
    // Setting the check marks below must not be taken for the user's checks.
    m_filling = true;
    m_handledByPress = nullptr;
    clear();
    const EditorModel& model = m_session.model();
    const std::vector<StyleRow> none;
    const std::vector<StyleRow>& rows = model.kind == EditorKind::Style ? model.styles.rows : none;
    const QIcon icon = imageListIcon(kImageNode, palette());
    for (const StyleRow& row : rows) {
        auto* item = new QListWidgetItem(icon, uiText(row.text), this);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setData(KeyRole, uiText(row.key));
        item->setData(ImageKeyRole, kImageNode);
        showCheck(item, row.checked);
    }
    // Current but not selected, so that the first focus-in does not pick a row.
    if (count() > 0)
        setCurrentRow(0, QItemSelectionModel::NoUpdate);
    m_filling = false;
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

// Any change of an item comes here (a comparison's mark too); only a check
// that differs from the one shown is the user's.
void StyleListEditor::onItemChanged(QListWidgetItem* item) {
    const StyleRow* row = m_filling ? nullptr : rowOf(item);
    if (!row)
        return;
    const bool checked = item->checkState() == Qt::Checked;
    if (checked == item->data(ShownCheckRole).toBool())
        return;
    m_handledByPress = item;
    if (item != currentItem()) {
        // A click on the box leaves the current row where it was; move it, so
        // that Space and the highlight go on with the row just checked.
        const QSignalBlocker blocker(this);
        setCurrentItem(item);
    }
    const std::string key = row->key;
    chooseRow(*row);
    if (m_session.setStyle(key, checked))
        refreshRows({key}); // refused: the box shows the cell again
    else
        showCheck(item, checked);
}

void StyleListEditor::showCheck(QListWidgetItem* item, bool checked) {
    const bool wasFilling = std::exchange(m_filling, true);
    item->setData(ShownCheckRole, checked);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    m_filling = wasFilling;
}

void StyleListEditor::onSessionChange(const SessionChange& change) {
    if (change.model)
        load();
    else if (!change.settings.empty())
        refreshRows(change.settings);
}

void StyleListEditor::refreshRows(const std::vector<std::string>& keys) {
    // The marks set here are the cells' doing, not the user's checks.
    const bool wasFilling = m_filling;
    m_filling = true;
    for (const std::string& key : keys) {
        QListWidgetItem* rowItem = itemByKey(uiText(key));
        if (const StyleRow* row = rowOf(rowItem))
            showCheck(rowItem, row->checked);
    }
    m_filling = wasFilling;
}

void StyleListEditor::chooseRow(const StyleRow& row) {
    emit infoChanged(uiText(row.tip));
    emit cellFocusRequested(row.offset);
    setFocus(Qt::OtherFocusReason);
}

void StyleListEditor::nameForScreenReaders() {
    setAccessibleName(uiText(m_session.strings(), UiString::AccessibleStyleList));
}

QString StyleListEditor::cellDescription(int index) const {
    QStringList spoken;
    for (int i = 0; i < count(); ++i) {
        const StyleRow* row = rowOf(item(i));
        if (!row || row->offset != index)
            continue;
        const UiString label =
            row->checked ? UiString::AccessibleSwitchOn : UiString::AccessibleSwitchOff;
        spoken
            << uiText(m_session.strings(), label).replace(QLatin1String("%1"), uiText(row->text));
    }
    return spoken.join(QStringLiteral("; "));
}

// The list's rows are the model's, in its order, for as long as the model stands.
const StyleRow* StyleListEditor::rowOf(const QListWidgetItem* item) const {
    const EditorModel& model = m_session.model();
    const int index = item ? row(item) : -1;
    if (model.kind != EditorKind::Style || index < 0 ||
        index >= static_cast<int>(model.styles.rows.size()))
        return nullptr;
    const StyleRow& found = model.styles.rows[static_cast<std::size_t>(index)];
    return uiText(found.key) == itemKey(item) ? &found : nullptr;
}

} // namespace vantrel
