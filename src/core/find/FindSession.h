// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ByteGrid.h"
#include "core/editors/EditorModel.h"
#include "core/find/BytePattern.h"
#include "core/find/SettingSearch.h"
#include "core/i18n/UiMessage.h"

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// Where a find stands, as the find bar shows it.
enum class FindState {
    Empty,    // nothing typed: the bar asks for something, no dialog
    Refused,  // the text is no pattern of the mode (odd hex, non-ASCII text)
    NotFound, // a pattern, and no match in this file
    Found     // a current match among matches
};

// The find bar of one open file: a mode and a text, the matches in the
// file's cells or settings, and the current one, which next and previous
// move, wrapping with a note. Every face shows these answers as they are.
class FindSession {
  public:
    // A new search; the current match becomes the first at or after
    // fromCell (byte modes) or the first setting, wrapping if none is.
    void setQuery(FindMode mode, std::string text, const ByteGrid& grid, const EditorModel& model,
                  int fromCell = 0);
    // The file or its cells changed: the same search again, the current
    // match kept by its place in the list where it still exists.
    void refresh(const ByteGrid& grid, const EditorModel& model);
    // Moves the current match; from the last to the first (or back) with
    // the wrapped note. False when there is no match to move to.
    bool next();
    bool previous();
    void clear();

    [[nodiscard]] FindMode mode() const { return m_mode; }
    [[nodiscard]] const std::string& text() const { return m_text; }
    [[nodiscard]] FindState state() const;
    // "2 of 5", "Not found: …", "Type what to find.", or the refusal.
    [[nodiscard]] UiMessage status() const;
    // "Wrapped to the start." after a step that wrapped; nothing otherwise.
    [[nodiscard]] const std::optional<UiMessage>& note() const { return m_note; }
    [[nodiscard]] int matchCount() const;
    // The current match's place in the list, from 0; -1 without one.
    [[nodiscard]] int current() const { return m_current; }

    // Byte modes: every match (the cells to mark) and the current one.
    [[nodiscard]] const std::vector<CellRange>& cellMatches() const { return m_cells; }
    [[nodiscard]] std::optional<CellRange> currentCells() const;
    // Settings mode: every match and the current one, with the folders to
    // open for it and the key its editor chooses it by.
    [[nodiscard]] const std::vector<SettingMatch>& settingMatches() const { return m_settings; }
    [[nodiscard]] const SettingMatch* currentSetting() const;

  private:
    void search(const ByteGrid& grid, const EditorModel& model);
    bool step(int direction);

    FindMode m_mode = FindMode::Settings;
    std::string m_text;
    std::optional<UiMessage> m_problem;
    std::vector<CellRange> m_cells;
    std::vector<SettingMatch> m_settings;
    int m_current = -1;
    std::optional<UiMessage> m_note;
};

} // namespace vantrel
