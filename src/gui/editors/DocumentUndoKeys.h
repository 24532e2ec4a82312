// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace vantrel {

// A text box that edits the document keeps no undo of its own for the keys:
// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z go past it to Edit > Undo and Redo, so the
// document's history is the one they walk wherever the focus is.
void leaveUndoKeysToDocument(QWidget* box);

} // namespace vantrel
