// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/compare/DifferenceList.h"

#include "core/compare/SeemComparison.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"
#include "gui/i18n/UiText.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vantrel {

DifferenceList::DifferenceList(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frameCompare"));
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("lblCompare"));
    m_caption->setTextFormat(Qt::PlainText);
    m_reason = new QLabel(this);
    m_reason->setObjectName(QStringLiteral("lblCompareReason"));
    m_reason->setTextFormat(Qt::PlainText);
    m_reason->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstDifferences"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    constexpr int kRowsShown = 6;
    m_list->setFixedHeight(kRowsShown * m_list->fontMetrics().height() + 2 * m_list->frameWidth() +
                           8);
    // The list keeps its own height; the window, not the editors, makes room for it.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(m_caption);
    layout->addWidget(m_reason);
    layout->addWidget(m_list);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_filling)
            return;
        emit currentChanged();
        if (row >= 0)
            emit differenceChosen(row);
    });
    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);
    // A click on the line already chosen shows its setting again.
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = m_list->row(item);
        if (row == m_list->currentRow())
            emit differenceChosen(row);
    });
}

void DifferenceList::showComparison(const SeemComparison& comparison, const QString& otherPath,
                                    const UiStrings& strings) {
    const QString chosen = m_list->currentItem() ? m_list->currentItem()->text() : QString();
    m_filling = true;
    m_list->clear();
    int chosenRow = -1;
    for (const SettingDifference& difference : comparison.differences) {
        const QString line = uiText(differenceLine(difference));
        // A line keeps being chosen while its setting still differs.
        const QString name = uiText(difference.name);
        if (!chosen.isEmpty() && chosenRow < 0 && chosen.startsWith(name + QStringLiteral(": ")))
            chosenRow = m_list->count();
        m_list->addItem(line);
    }
    m_list->setCurrentRow(chosenRow);
    m_filling = false;
    m_caption->setText(uiText(strings, UiString::DiffListCaption, {otherPath.toStdString()}));
    QString note = uiText(comparison.reason);
    if (comparison.equal())
        note = uiText(strings, UiString::DiffNone);
    m_reason->setText(note);
    m_reason->setVisible(!note.isEmpty());
    emit currentChanged();
}

void DifferenceList::setLineActions(const QList<QAction*>& actions) {
    m_lineActions = actions;
}

bool DifferenceList::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu && !m_lineActions.isEmpty() &&
        (watched == m_list || watched == m_list->viewport())) {
        showLineMenu(*static_cast<QContextMenuEvent*>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DifferenceList::showLineMenu(const QContextMenuEvent& request) {
    QPoint place = m_list->viewport()->mapFromGlobal(request.globalPos());
    if (request.reason() == QContextMenuEvent::Mouse) {
        if (QListWidgetItem* item = m_list->itemAt(place))
            m_list->setCurrentItem(item);
    } else if (m_list->currentItem()) {
        place = m_list->visualItemRect(m_list->currentItem()).center();
    }
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mnuDifferenceLine"));
    menu.addActions(m_lineActions);
    menu.exec(m_list->viewport()->mapToGlobal(place));
}

int DifferenceList::currentDifference() const {
    return m_list->currentRow();
}

void DifferenceList::setCurrentDifference(int index) {
    m_filling = true;
    m_list->setCurrentRow(index);
    m_filling = false;
    emit currentChanged();
}

} // namespace vantrel
