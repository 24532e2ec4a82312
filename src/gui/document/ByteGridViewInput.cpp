// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's input: navigation keys go to the grid cursor, digits to the
// edit cell; a click places the caret, and focus shows or hides it.
#include "gui/document/ByteGridView.h"

#include "core/document/ByteGrid.h"
#include "core/session/EditingSession.h"
#include "gui/document/ByteGridAccessible.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace vantrel {

void ByteGridView::keyPressEvent(QKeyEvent* event) {
    if (!m_cellsEnabled || !m_grid.contains(m_cursor.index())) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    // The session tells the cells to paint again.
    if (handleNavigationKey(event) || handleValueKey(event)) {
        restartCaretBlink();
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

bool ByteGridView::handleNavigationKey(const QKeyEvent* event) {
    std::optional<int> movedTo;
    switch (event->key()) {
    case Qt::Key_Left:
        movedTo = m_cursor.moveLeft();
        break;
    case Qt::Key_Right:
        movedTo = m_cursor.moveRight();
        break;
    case Qt::Key_Up:
        movedTo = m_cursor.moveUp();
        break;
    case Qt::Key_Down:
        movedTo = m_cursor.moveDown();
        break;
    case Qt::Key_PageUp:
        movedTo = m_cursor.movePageUp(rowsPerPage());
        break;
    case Qt::Key_PageDown:
        movedTo = m_cursor.movePageDown(rowsPerPage());
        break;
    case Qt::Key_Home:
        if (event->modifiers() & Qt::ControlModifier)
            movedTo = m_cursor.moveFirst();
        else
            m_cursor.moveHome();
        break;
    case Qt::Key_End:
        if (event->modifiers() & Qt::ControlModifier)
            movedTo = m_cursor.moveLast();
        else
            m_cursor.moveEnd();
        break;
    default:
        return false;
    }
    if (movedTo)
        showFocusedCell(*movedTo);
    return true;
}

bool ByteGridView::handleValueKey(const QKeyEvent* event) {
    if (event->key() == Qt::Key_Backspace) {
        m_session.backspace();
        return true;
    }
    if (event->key() == Qt::Key_Delete) {
        m_session.deleteForward();
        return true;
    }
    const QString typed = event->text();
    const auto commandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (typed.size() != 1 || (event->modifiers() & commandKeys) || !typed.front().isPrint())
        return false;
    // Every printable key is taken, so letters that are not digits cannot
    // reach a shortcut by accident; the cursor drops what is not hexadecimal.
    const char16_t unit = typed.front().unicode();
    if (unit < 0x80) {
        if (const auto movedTo = m_session.typeCharacter(static_cast<char>(unit)))
            showFocusedCell(*movedTo);
    }
    return true;
}

void ByteGridView::mousePressEvent(QMouseEvent* event) {
    const int index = cellAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || index < 0 || !m_cellsEnabled) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    focusCell(index);
    m_cursor.setCaret(caretAt(index, event->position().toPoint().x()));
    updateCell(index);
    event->accept();
}

void ByteGridView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    // Tabbing into the grid focuses its edit cell, as it would a text field.
    const bool byKeyboard =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (byKeyboard && m_grid.contains(m_cursor.index()))
        showFocusedCell(m_cursor.index());
    updateCell(m_cursor.index()); // its focus frame
    restartCaretBlink();
    // Qt tells screen readers that the view has the focus once this returns;
    // the current cell is named after that, so that the reader says it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus())
                announceCellFocus(this, m_cursor.index());
        },
        Qt::QueuedConnection);
}

void ByteGridView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    m_caretBlink.stop();
    updateCell(m_cursor.index());
}

} // namespace vantrel
