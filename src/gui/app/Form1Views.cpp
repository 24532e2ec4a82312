// SPDX-License-Identifier: GPL-3.0-or-later
// What the window shows follows the document: the editors' signals, the cell
// status line, the caption with its modified mark and the Undo menu.
#include "gui/app/Form1.h"

#include "core/document/CellStatus.h"
#include "gui/document/ByteGridView.h"
#include "gui/document/FunctionTreeEditor.h"
#include "gui/editors/ColorEditor.h"
#include "gui/editors/ColorTreeEditor.h"
#include "gui/editors/StyleListEditor.h"
#include "gui/editors/VolumeEditor.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace vantrel {

void Form1::connectEditors() {
    connect(m_picEdit, &ByteGridView::cellFocused, this, [this](int index) {
        // Typing goes on in another cell, or after something else: a new step.
        m_document.sealEdits();
        showCellStatus(index);
    });
    const auto focusCellThenReturn = [this](QWidget* editor) {
        return [this, editor](int index) {
            m_picEdit->focusCell(index);
            editor->setFocus();
        };
    };
    connect(m_tvwFuct, &FunctionTreeEditor::cellFocusRequested, this,
            focusCellThenReturn(m_tvwFuct));
    connect(m_tvwFuct, &FunctionTreeEditor::infoChanged, this,
            [this](const QString& caption, const QString& info) {
                m_frameSet->setTitle(caption);
                if (!info.isNull())
                    m_lblinfo->setText(info);
            });
    connect(m_tvwFuct, &FunctionTreeEditor::statusPathChanged, this,
            [this](const QString& path) { setStatus(1, path); });
    connect(m_tvwFuct, &FunctionTreeEditor::switchStateChanged, this,
            [this](bool isSwitch, const QString& caption) {
                m_mnuOnOff->setEnabled(isSwitch);
                m_frameSet->setEnabled(isSwitch);
                if (isSwitch)
                    m_mnuOnOff->setText(caption);
            });
    connect(m_tvwFuct, &FunctionTreeEditor::contextMenuRequested, this,
            [this](const QPoint& globalPos) { m_mnuEdit->popup(globalPos); });
    connect(m_tvwFuct, &FunctionTreeEditor::toggleRequested, this, &Form1::mnuOnOff_Click);

    connect(m_lvwStyle, &StyleListEditor::cellFocusRequested, this,
            focusCellThenReturn(m_lvwStyle));
    connect(m_lvwStyle, &StyleListEditor::infoChanged, this,
            [this](const QString& info) { m_lblinfo->setText(info); });
    connect(m_lvwStyle, &StyleListEditor::failed, this,
            [this](const QString& message) { reportFailure(message); });

    connect(m_frameVolume, &VolumeEditor::cellFocusRequested, m_picEdit, &ByteGridView::focusCell);
    connect(m_frameVolume, &VolumeEditor::failed, this,
            [this](const QString& message) { reportFailure(message); });
    connect(m_tvwColor, &ColorTreeEditor::nodeClicked, m_frameColor, &ColorEditor::NodeClick);
    connect(m_tvwColor, &ColorTreeEditor::failed, this,
            [this](const QString& message) { reportFailure(message); });
}

void Form1::listenToDocument() {
    // The status line describes the current cell as it reads now, whoever wrote it.
    m_document.grid().addListener([this](int index) {
        if (!m_cellStatusShown)
            return;
        if (index < 0) {
            setStatus(2, QString());
            m_cellStatusShown = false;
        } else if (index == m_document.grid().lastSelect()) {
            showCellStatus(index);
        }
    });
    m_document.addStateListener([this] {
        updateCaption();
        updateUndoMenu();
    });
}

void Form1::showCellStatus(int index) {
    const ByteGrid& grid = m_document.grid();
    setStatus(2, QString::fromStdString(cellStatusText(index, grid.text(index), strings())));
    m_cellStatusShown = true;
}

// Opening names the file in brackets, Save As after two blanks.
void Form1::setCaptionForFile(const QString& path, bool saved) {
    if (path.isEmpty())
        m_captionBase = m_mainCaption;
    else if (saved)
        m_captionBase = m_mainCaption + QStringLiteral("  ") + path;
    else
        m_captionBase = m_mainCaption + QStringLiteral(" [") + path + QLatin1Char(']');
    updateCaption();
}

void Form1::updateCaption() {
    if (m_captionBase.isEmpty())
        return; // before start-up has taken the design caption
    setWindowTitle(m_document.isModified() ? m_captionBase + QStringLiteral(" *") : m_captionBase);
}

} // namespace vantrel
