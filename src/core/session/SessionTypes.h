// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/editors/EditorKind.h"
#include "core/i18n/UiMessage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What an editing session answers a face: the outcome of opening and saving,
// the questions to ask the user, and what changed.
namespace vantrel {

// Why the open file would be set aside; before each the user may be asked.
enum class Leaving { Open, Close, Reload, Language, Exit };

// The buttons a question offers.
enum class Answer { Save, Discard, Cancel, Reload, Overwrite };

// The text of an answer's button ("&" marks its access key).
[[nodiscard]] UiString answerString(Answer answer);

// A question for the user, with its buttons in order; Escape or closing the
// box gives cancelAnswer.
struct Question {
    UiMessage text;
    std::vector<Answer> answers;
    Answer defaultAnswer = Answer::Cancel;
    Answer cancelAnswer = Answer::Cancel;
};

// How a file came to be read: opened, read again with File > Reload, or read
// again because another program changed it (which keeps the tip away).
enum class OpenReason { Open, Reload, QuietReload };

// The feature tip of a type: its alert text and the type's ID.
struct Tip {
    std::string text; // line breaks already made
    std::string typeId;
};

struct OpenResult {
    // False: the file was refused (message says why) and nothing changed.
    bool opened = false;
    // The editor or generator the file gets; None for bytes alone.
    EditorKind editor = EditorKind::None;
    // A refusal, a type without an editor, an editor that had to leave items out.
    std::optional<UiMessage> message;
    // The tip to show once the file is on screen.
    std::optional<Tip> tip;
};

struct SaveResult {
    // Asked: another program changed or removed the file since it was read;
    // nothing was written until question is answered. Cancelled: the user
    // chose not to write.
    enum class Status { Saved, InvalidCell, Failed, Asked, Cancelled };
    Status status = Status::Failed;
    std::string message; // InvalidCell, Failed: in the language in use
    int invalidCell = -1;
    std::optional<Question> question;
    std::string detail; // InvalidCell, Failed, Asked: plainly, for the command line
};

// A file a generator writes anew: its bytes, the name it is offered under,
// and what the generator window says of the text (hint), as a warning when
// the phone would not show the text as typed.
struct GeneratedFile {
    std::vector<std::uint8_t> bytes;
    std::string fileName;
    std::optional<UiMessage> hint;
    bool warning = false;
};

// What changed with one user action, pushed to every face at its end.
struct SessionChange {
    // The cells whose text changed, each once, in the order they changed.
    std::vector<int> cells;
    bool allCells = false; // every cell, and maybe their number
    bool modified = false; // isModified()
    bool history = false;  // canUndo(), canRedo() and their captions
    bool file = false;     // the name, the file open or not
    bool model = false;    // the editor's model was built anew (another file or type)
    bool cursor = false;   // the current cell, its caret or its value
    bool find = false;     // the find bar's matches, its current one or its text
    // The keys of the settings whose value changed (the model not built anew).
    std::vector<std::string> settings;

    [[nodiscard]] bool empty() const {
        return cells.empty() && !allCells && !modified && !history && !file && !model && !cursor &&
               !find && settings.empty();
    }
};

} // namespace vantrel
