// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/DocumentUndoKeys.h"

#include <QKeyEvent>
#include <QWidget>

namespace vantrel {

namespace {

bool isUndoOrRedo(const QKeyEvent& key) {
    const QKeyCombination pressed = key.keyCombination();
    return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo) ||
           pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           pressed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

class UndoKeyFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    // Refusing the override lets the window's shortcut have the keys; the
    // key press that comes when Undo has nothing to undo is dropped, so the
    // box never undoes on its own.
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) &&
            isUndoOrRedo(*static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void leaveUndoKeysToDocument(QWidget* box) {
    box->installEventFilter(new UndoKeyFilter(box));
}

} // namespace vantrel
