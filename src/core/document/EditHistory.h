// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/BuiltinStrings.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// One cell a step changed: its text before the step and after it.
struct CellEdit {
    int index = 0;
    std::string before;
    std::string after;
};

// One user action: the string naming it and the cells it changed.
struct EditStep {
    UiString label = UiString::UndoTyping;
    std::string mergeKey;
    std::vector<CellEdit> cells;
};

// The undo and redo stacks of one document. Steps are recorded between begin()
// and end(); the caller applies the steps that takeUndo() and takeRedo() hand back.
// The stacks hold at most a memory budget; the oldest steps go first.
class EditHistory {
  public:
    static constexpr std::size_t kDefaultBudgetBytes = 64u * 1024 * 1024;
    explicit EditHistory(std::size_t budgetBytes = kDefaultBudgetBytes)
        : m_budgetBytes(budgetBytes) {}

    // Opens a step. With a non-empty mergeKey equal to the last step's, and no
    // seal() since, the last step is reopened instead, so its cells keep their
    // first "before" text.
    void begin(UiString label, std::string mergeKey);
    // A cell of the open step changed from before to after.
    void record(int index, const std::string& before, const std::string& after);
    // Closes the open step. A step that left every cell as it found it is
    // dropped; a new step that changed something ends what could be redone.
    void end();
    // The next step starts afresh even with the last step's merge key.
    void seal() { m_sealed = true; }
    void clear();

    [[nodiscard]] bool canUndo() const { return !m_done.empty(); }
    [[nodiscard]] bool canRedo() const { return !m_undone.empty(); }
    // The label of the step Undo (Redo) would apply; none when there is none.
    [[nodiscard]] std::optional<UiString> undoLabel() const {
        return canUndo() ? std::optional(m_done.back().label) : std::nullopt;
    }
    [[nodiscard]] std::optional<UiString> redoLabel() const {
        return canRedo() ? std::optional(m_undone.back().label) : std::nullopt;
    }

    // Moves the last done step to the redo stack and returns it; its cells go
    // back to their "before" texts, last cell first. Nothing when there is none.
    const EditStep* takeUndo();
    // The reverse: its cells get their "after" texts.
    const EditStep* takeRedo();

    // What the kept steps take, by the same count the budget is held to.
    [[nodiscard]] std::size_t memoryBytes() const { return m_bytes; }

  private:
    void dropOldestOverBudget();

    std::size_t m_budgetBytes;
    std::size_t m_bytes = 0;
    std::deque<EditStep> m_done;
    std::vector<EditStep> m_undone;
    EditStep m_open;
    bool m_isOpen = false;
    bool m_reopened = false;
    bool m_sealed = true;
};

} // namespace vantrel
