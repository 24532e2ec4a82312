// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing the open file with another: File > Compare with..., the list of
// differences, the marks on the editors and the grid, and Edit > Take the
// other file's value.
#include "gui/app/Form1.h"

#include "core/compare/DocumentComparison.h"
#include "core/i18n/BuiltinStrings.h"
#include "gui/compare/ComparisonMarks.h"
#include "gui/compare/DifferenceList.h"
#include "gui/dialogs/CommDlg.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/document/ByteGridView.h"
#include "gui/document/FunctionTreeEditor.h"
#include "gui/editors/ColorTreeEditor.h"
#include "gui/editors/StyleListEditor.h"
#include "gui/editors/VolumeEditor.h"

#include <QAction>
#include <QDockWidget>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QSlider>
#include <QStyle>

#include <algorithm>

namespace vantrel {

namespace {

constexpr int kOpenFlags = 4100; // the file must exist; no read-only box

} // namespace

void Form1::buildComparison() {
    m_comparison = std::make_unique<DocumentComparison>(m_document, m_language.strings());
    m_lstCompare = new DifferenceList;
    m_dockCompare = new QDockWidget(this);
    m_dockCompare->setObjectName(QStringLiteral("dockCompare"));
    m_dockCompare->setFeatures(QDockWidget::NoDockWidgetFeatures);
    m_dockCompare->setTitleBarWidget(new QWidget(m_dockCompare));
    m_dockCompare->setWidget(m_lstCompare);
    addDockWidget(Qt::BottomDockWidgetArea, m_dockCompare);
    m_dockCompare->hide();

    m_comparison->addListener([this] { showComparison(); });
    connect(m_lstCompare, &DifferenceList::differenceChosen, this, &Form1::showDifference);
    connect(m_lstCompare, &DifferenceList::currentChanged, this, &Form1::updateTakeMenu);
    // Choosing a marked setting in its editor chooses its line in the list.
    connect(m_tvwFuct, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        chooseDifferenceOf(SettingKind::Switch, FunctionTreeEditor::itemKey(item));
    });
    connect(m_lvwStyle, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        chooseDifferenceOf(SettingKind::Style, StyleListEditor::itemKey(item));
    });
    connect(m_tvwColor, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        chooseDifferenceOf(SettingKind::Color, ColorTreeEditor::itemKey(item));
    });

    m_folderComparison = std::make_unique<FolderComparisonController>(
        m_document, strings(),
        FolderComparisonController::Callbacks{
            [this] { return m_definitionsPath.toStdString(); },
            [this](const QString& file, const QString& other) { openCompared(file, other); },
            [this](const QString& text) { showMessage(this, MessageIcon::Information, text); }},
        this);
    const QList<QAction*> fileItems = m_mnuFile->actions();
    m_mnuFile->insertActions(fileItems.at(fileItems.indexOf(m_mnuCloseCompare) + 1),
                             {m_folderComparison->compareFoldersAction(),
                              m_folderComparison->exportAction(),
                              m_folderComparison->applyAction()});
}

// A file of a folder comparison, opened compared with its partner.
void Form1::openCompared(const QString& file, const QString& other) {
    if (!confirmUnsavedChanges())
        return;
    OpenSeemFile(file);
    if (QString::fromStdString(m_document.path()) == file)
        reportRefusal(m_comparison->start(m_definitionsPath.toStdString(), other.toStdString()),
                      other);
}

void Form1::mnuCompare_Click() {
    if (!m_isLoaded)
        return;
    const QString chosen = askForSeemFile(CommDlg::Open, StrCompareDialogTitle, kOpenFlags, {});
    if (chosen.isEmpty())
        return;
    const OpenOutcome outcome =
        m_comparison->start(m_definitionsPath.toStdString(), chosen.toStdString());
    reportRefusal(outcome, chosen);
}

void Form1::mnuCloseCompare_Click() {
    m_comparison->stop();
}

void Form1::mnuTakeOther_Click() {
    const int index = m_lstCompare->currentDifference();
    if (index >= 0)
        m_comparison->take(static_cast<std::size_t>(index), StrUndoTakeOther);
}

void Form1::showComparison() {
    const bool active = m_comparison->active();
    const SeemComparison& result = m_comparison->result();
    markDifferences(result, strings(),
                    {*m_tvwFuct, *m_lvwStyle, *m_frameVolume, *m_tvwColor, *m_picEdit});
    m_mnuCloseCompare->setEnabled(active);
    m_lstCompare->showComparison(result, QString::fromStdString(m_comparison->otherPath()),
                                 strings());
    if (active != m_dockCompare->isHidden())
        return;
    // The list comes below the editors; the window grows by its height, so the
    // editors keep their room, and gives it back when the list goes.
    const int pxSeparator = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent);
    const int pxListHeight = active ? m_dockCompare->sizeHint().height() + pxSeparator
                                    : -(m_dockCompare->height() + pxSeparator);
    m_dockCompare->setVisible(active);
    if (isMaximized() || isFullScreen())
        return;
    const QScreen* shownOn = screen();
    const QRect room = shownOn ? shownOn->availableGeometry() : QRect();
    const int pxFrame = frameGeometry().height() - height();
    int pxHeight = height() + pxListHeight;
    if (shownOn)
        pxHeight = std::min(pxHeight, room.height() - pxFrame);
    resize(width(), pxHeight);
    // A window grown past the bottom of the screen moves up.
    if (shownOn && frameGeometry().bottom() > room.bottom())
        move(x(), std::max(room.top(), room.bottom() + 1 - pxHeight - pxFrame));
}

// Shows the setting of a difference in its editor, else its first cell.
void Form1::showDifference(int index) {
    const auto& differences = m_comparison->result().differences;
    if (index < 0 || static_cast<std::size_t>(index) >= differences.size())
        return;
    const SettingDifference& difference = differences[static_cast<std::size_t>(index)];
    const bool listHadFocus = m_lstCompare->list()->hasFocus();
    showSetting(difference.kind, QString::fromStdString(difference.key), difference.firstCell);
    if (listHadFocus)
        m_lstCompare->list()->setFocus();
}

void Form1::showSetting(SettingKind kind, const QString& key, int firstCell) {
    QTreeWidgetItem* node = kind == SettingKind::Switch ? m_tvwFuct->itemByKey(key) : nullptr;
    QListWidgetItem* row = kind == SettingKind::Style ? m_lvwStyle->itemByKey(key) : nullptr;
    QTreeWidgetItem* entry = kind == SettingKind::Color ? m_tvwColor->itemByKey(key) : nullptr;
    const int volumeRow = volumeRowOf(key.toStdString());
    if (entry && m_tvwColor->isVisible()) {
        m_tvwColor->scrollToItem(entry);
        m_tvwColor->setCurrentItem(entry);
    } else if (volumeRow >= 0 && m_frameVolume->isVisible()) {
        m_picEdit->focusCell(firstCell);
        m_frameVolume->sldVolume[static_cast<std::size_t>(volumeRow)]->setFocus();
    } else if (node && m_tvwFuct->isVisible()) {
        m_tvwFuct->scrollToItem(node);
        m_tvwFuct->setCurrentItem(node);
    } else if (row && m_lvwStyle->isVisible()) {
        m_lvwStyle->scrollToItem(row);
        m_lvwStyle->setCurrentItem(row);
    } else if (m_picEdit->cellsEnabled()) {
        m_picEdit->focusCell(firstCell);
    } else {
        m_picEdit->scrollToCell(firstCell);
    }
}

void Form1::chooseDifferenceOf(SettingKind kind, const QString& key) {
    if (!m_comparison->active())
        return;
    const auto& differences = m_comparison->result().differences;
    int chosen = -1;
    for (std::size_t i = 0; i < differences.size() && chosen < 0; ++i) {
        if (differences[i].kind == kind && QString::fromStdString(differences[i].key) == key)
            chosen = static_cast<int>(i);
    }
    m_lstCompare->setCurrentDifference(chosen);
}

void Form1::updateTakeMenu() {
    const int index = m_lstCompare->currentDifference();
    const auto& differences = m_comparison->result().differences;
    m_mnuTakeOther->setEnabled(
        m_comparison->active() && index >= 0 &&
        static_cast<std::size_t>(index) < differences.size() &&
        canTake(m_document.grid(), differences[static_cast<std::size_t>(index)]));
}

} // namespace vantrel
