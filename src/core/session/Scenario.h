// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Failure.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A scenario: a few steps a user takes in an editor (open a sample, toggle a
// switch, set a volume, type a colour, undo, save, generate a text file),
// written one a line, so that the window, the web page and the command line
// can each replay it and be held to the same bytes.
namespace vantrel {

// One step: its verb and its fields. The last field runs to the end of the
// line, so names and texts may hold blanks:
//   open FILE | switch on|off PATH | style on|off ID | volume N NAME |
//   reset-volumes | color #RRGGBB GROUP/ENTRY | transparency PERCENT GROUP/ENTRY |
//   title TEXT | cell OFFSET HH | undo | redo | save |
//   outertext TEXT | gprs date|nothing | gprs-text TEXT |
//   export-changes NAME | apply-recipe NAME [except|only SETTING]
struct ScenarioStep {
    std::string verb;
    std::vector<std::string> fields;
    int line = 0;
};

struct ScenarioParse {
    std::vector<ScenarioStep> steps;
    std::optional<Failure> failure; // the first line that is no step, with its number
};

// The steps of a scenario's text; blank lines and lines starting with "#" are skipped.
[[nodiscard]] ScenarioParse parseScenario(std::string_view text);

class EditingSession;

// Replays steps through a session, opening files from samplesFolder. The
// bytes of the last save or generation, or why a step failed.
struct ScenarioRun {
    std::vector<std::uint8_t> result;
    std::optional<Failure> failure;
};
[[nodiscard]] ScenarioRun runScenario(EditingSession& session,
                                      const std::vector<ScenarioStep>& steps,
                                      const std::string& samplesFolder);

// An expected result's text: the bytes in upper-case hex, 16 a line.
[[nodiscard]] std::string scenarioBytesText(const std::vector<std::uint8_t>& bytes);
// The bytes of such a text, whose lines starting with "#" are comments;
// nothing when it holds anything but pairs of hex digits.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> parseScenarioBytes(std::string_view text);

} // namespace vantrel
