// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/compare/SeemComparison.h"
#include "core/coverage/Coverage.h"
#include "core/document/FunctionTree.h"
#include "core/document/GridCursor.h"
#include "core/document/SeemDocument.h"
#include "core/recipe/RecipeSettings.h"

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <vector>

namespace vantrel::wasm {

// One document in memory, as one window of the desktop editor holds it, with
// the grid's cursor. Its members are defined by concern: opening and the
// editors' edits (DocumentEdits.cpp), what the editors show
// (DocumentModel.cpp), the cells, the cursor and saving (DocumentCells.cpp),
// comparison, recipes and coverage (DocumentComparison.cpp), seem folders
// (FolderBinding.cpp).
class Document {
  public:
    using val = emscripten::val;

    Document();

    val loadDefinitions(const std::string& text, const std::string& name);
    val open(const val& bytes, const std::string& name);
    void close();
    [[nodiscard]] std::string name() const { return m_document.path(); }
    [[nodiscard]] bool isOpen() const { return m_document.hasFile(); }

    [[nodiscard]] val type() const;
    val editorModel();

    val setSwitch(const std::string& key, bool on);
    val setStyle(const std::string& key, bool on);
    val setVolume(int row, int position);
    val resetVolumes();
    val setColor(const std::string& key, const std::string& rgbText, const val& gesture);
    val setTransparency(const std::string& key, const std::string& percentText);
    val setTitle(const std::string& title);
    val setCellText(int index, const std::string& text);

    [[nodiscard]] bool canUndo() const { return m_document.canUndo(); }
    [[nodiscard]] bool canRedo() const { return m_document.canRedo(); }
    [[nodiscard]] std::string undoName() const;
    [[nodiscard]] std::string redoName() const;
    void undo();
    void redo();
    [[nodiscard]] bool isModified() const { return m_document.isModified(); }

    [[nodiscard]] val bytesToSave() const;
    val markSaved();
    [[nodiscard]] val savedBytes() const;

    [[nodiscard]] int cellCount() const { return m_document.grid().cellCount(); }
    [[nodiscard]] std::string cellText(int index) const;
    [[nodiscard]] val cellTexts() const;
    [[nodiscard]] std::string cellStatus(int index) const;
    // The cells changed since the last call, in order; [-1] when all may have.
    val takeChangedCells();

    // The grid's cursor, as the desktop grid drives it.
    [[nodiscard]] int currentCell() const { return m_cursor.index(); }
    [[nodiscard]] int caret() const { return m_cursor.caret(); }
    void focusCell(int index);
    void setCaret(int caret) { m_cursor.setCaret(caret); }
    val moveCursor(const std::string& move, const val& rowsPerPage);
    val typeCharacter(const std::string& typed);
    void backspace();
    void deleteForward();
    // What was typed into Go to offset as a cell, or the desktop's refusal.
    [[nodiscard]] val offsetFromText(const std::string& typed, bool decimal) const;

    [[nodiscard]] std::string outerTextPrefill() const;
    [[nodiscard]] val gprsPrefill() const;

    [[nodiscard]] val compare(const Document& other) const;
    val takeOther(const Document& other, int index);
    [[nodiscard]] std::string exportRecipe() const;
    [[nodiscard]] val recipeTo(const Document& other) const;
    val applyRecipe(const std::string& json, const val& options);
    [[nodiscard]] val coverage() const;
    [[nodiscard]] val byteInfo(int cell) const;

    [[nodiscard]] val scanSeemFolder(const val& files) const;
    [[nodiscard]] val compareFolders(const val& ours, const val& theirs) const;

  private:
    // Calls in a row that continue one gesture (a slider dragged, a box typed
    // into) are one undo step; any other call ends it.
    void continueGesture(UiString label, const std::string& key);
    void endGesture();
    [[nodiscard]] bool hasEditor() const;
    // The editor's refusal of a file of another kind, as the desktop has no editor for it.
    [[nodiscard]] std::optional<val> requireKind(const char* kind) const;
    [[nodiscard]] std::optional<int> colorEntry(const std::string& key) const;
    [[nodiscard]] RecipeTarget target() const;
    [[nodiscard]] SeemComparison compareWith(const Document& other) const;
    [[nodiscard]] Coverage computeCoverageNow() const;

    SeemDocument m_document;
    GridCursor m_cursor{m_document.grid()};
    std::string m_gestureKey;
    FunctionTreeBuilder m_builder;
    std::string m_definitionsName;
    ListenerConnection m_gridConnection;
    std::vector<int> m_changed;
    bool m_reset = false;
};

} // namespace vantrel::wasm
