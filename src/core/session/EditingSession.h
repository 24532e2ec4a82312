// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Failure.h"
#include "core/compare/SeemComparison.h"
#include "core/document/GridCursor.h"
#include "core/document/SeemDocument.h"
#include "core/editors/EditorModel.h"
#include "core/editors/SettingWrites.h"
#include "core/find/FindSession.h"
#include "core/i18n/LanguageFile.h"
#include "core/recipe/Recipe.h"
#include "core/recipe/RecipeChanges.h"
#include "core/recipe/RecipeReview.h"
#include "core/session/SessionTypes.h"
#include "core/settings/SettingsStore.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// Why a file was not opened, as the user is told; nothing when it was.
[[nodiscard]] std::optional<UiMessage> openRefusal(const OpenOutcome& outcome,
                                                   const std::string& name);

// One editing session over the open document, the same for the window, the
// web page and the command line: it decides what a user action does beyond
// the bytes (which editor a file gets, which message and tip it shows, which
// question comes first, what a save or an edit of a setting does and how
// undo steps are cut) and pushes what changed to the faces. The faces only
// show its answers and pass on what the user does.
class EditingSession {
  public:
    EditingSession(const LanguageFile& language, SettingsStore& settings);
    ~EditingSession();
    EditingSession(const EditingSession&) = delete;
    EditingSession& operator=(const EditingSession&) = delete;

    // -- the language -----------------------------------------------------

    // The strings and captions every message and question is made of.
    void setLanguage(const LanguageFile& language);
    [[nodiscard]] const LanguageFile& language() const { return *m_language; }
    [[nodiscard]] const UiStrings& strings() const { return m_language->strings(); }
    // language.xml's caption, else the control's own; "&" marks the access key.
    [[nodiscard]] std::string caption(const std::string& window, const std::string& control) const;

    // -- definitions and files -------------------------------------------

    // Definitions from a file or a text; a failure keeps the old ones and
    // says why, naming name.
    std::optional<Failure> loadDefinitions(const std::string& path);
    // The same with the reader's own answer, for a face that words the
    // refusal itself (the command line's one line with the file and line).
    XmlLoadResult loadDefinitionsFile(const std::string& path);
    // chosen: the user picked the document, so a refusal speaks of that file
    // alone, not of the language's definitions in the program folder.
    std::optional<Failure> loadDefinitionsText(std::string_view text, const std::string& name,
                                               bool chosen = false);

    // Opening, from disk, from bytes read elsewhere (off the window's
    // thread), or from bytes given whole under a name that need not be a path.
    OpenResult open(const std::string& path, OpenReason reason = OpenReason::Open);
    OpenResult accept(const std::string& path, SeemFileRead read,
                      OpenReason reason = OpenReason::Open);
    OpenResult openBytes(const std::string& name, std::vector<std::uint8_t> bytes,
                         OpenReason reason = OpenReason::Open);
    // The open file's own path read again (Reload or QuietReload).
    OpenResult reload(OpenReason reason);
    void close();

    // The one answer to "is a file open": a file shown in its editor or as
    // bytes alone. Not at the start, after Close, nor while a generator's
    // file is read (it opens the generator instead).
    [[nodiscard]] bool fileOpen() const { return m_fileOpen; }
    // The file's name was last given by Save As (even onto its own name),
    // not by opening or reading it again: the desktop's caption shows the
    // two forms apart.
    [[nodiscard]] bool namedBySaveAs() const { return m_namedBySaveAs; }
    // The status line's first panel for the state the session is in; where
    // the user has no keyboard it names the commands to tap, not their keys.
    [[nodiscard]] UiMessage statusLine() const;
    void setWithoutKeyboard(bool without);
    // The name a file is saved under where no path is known: its own name,
    // else its type's ID, else "vantrel", with ".seem".
    [[nodiscard]] std::string fileNameToSave() const;
    // The name of a generated file of kind: the ID of the definitions' type
    // of that kind (0061_0001.seem), else the kind's name.
    [[nodiscard]] std::string generatedFileName(EditorKind kind) const;
    // The name a file is downloaded under, which a page shows: typed (empty:
    // fileNameToSave()) made safe to write on any system, with ".seem".
    [[nodiscard]] std::string downloadFileName(std::string_view typed) const;

    // -- what is shown -----------------------------------------------------

    [[nodiscard]] const SeemDocument& document() const { return m_document; }
    [[nodiscard]] const ByteGrid& grid() const { return m_document.grid(); }
    [[nodiscard]] const EditorModel& model() const { return m_model; }
    [[nodiscard]] GridCursor& cursor() { return m_cursor; }
    [[nodiscard]] const GridCursor& cursor() const { return m_cursor; }
    // "Undo <step>" and "Redo <step>" for the Edit menu.
    [[nodiscard]] std::string undoCaption() const;
    [[nodiscard]] std::string redoCaption() const;
    // The feature tips are on (the "ShowTip" setting), and setting them.
    [[nodiscard]] bool tipsOn() const;
    void setTipsOn(bool on);

    // -- edits: each one undo step -----------------------------------------
    // Calls in a row with the same gesture (a slider dragged, a box typed
    // into) make one step; an empty gesture, any other call, undo and redo
    // end it.

    EditResult setSwitch(std::string_view key, bool on);
    EditResult toggleSwitch(std::string_view key);
    EditResult setStyle(std::string_view key, bool on);
    EditResult setVolume(std::string_view key, int position, std::string_view gesture = {});
    EditResult resetVolumes();
    EditResult setColor(std::string_view key, Rgb color, std::string_view gesture = {});
    // A typed "#RRGGBB": anything else is refused with the window's message.
    EditResult setColorText(std::string_view key, std::string_view text);
    // A typed percentage; the text the box shows instead when it was out of
    // range, if any.
    std::optional<std::string> setTransparencyText(std::string_view key, std::string_view text,
                                                   std::string_view gesture = {});
    EditResult setTitle(std::u16string_view title);
    EditResult setOuterText(std::u16string_view text);
    EditResult setGprs(GprsDisplayMode mode, std::u16string_view text);
    // Any setting by key and value in words (the command line, scenarios).
    EditResult setSetting(const SettingValue& setting);
    // The other file's value of a compared setting.
    EditResult takeOther(const SettingDifference& difference);
    // A recipe's entries for this file, all or none, as one step; the
    // problems of every refused entry.
    std::vector<std::string> applyRecipe(const std::vector<RecipeEntry>& entries);
    // Typing into the grid, through the cursor: each cell typed one step.
    std::optional<int> typeCharacter(char typed);
    void backspace();
    void deleteForward();
    void focusCell(int index);
    // The cells an editor shows its chosen setting in: the border leaves
    // every cell that has one and goes to count cells from first, which
    // becomes the current cell; with count 0 no cell keeps a border. Changes
    // no cell text.
    void markCells(int first, int count);
    void endGesture();
    void undo();
    void redo();

    // -- recipes: changes carried to another phone --------------------------

    // The ID a recipe names the open file by: its type's, else its name's.
    [[nodiscard]] std::string recipeSeemId() const;
    // Export Settings: every setting of the open file.
    [[nodiscard]] Recipe settingsRecipe() const;
    // Export Changes: what changed since the file was opened, kept through
    // saves; opening or reading a file again starts anew.
    [[nodiscard]] RecipeChanges changesSinceOpen() const;
    // The entries of recipe meant for the open file (by type ID, else by
    // name), one row each, for the user to look over before applying.
    [[nodiscard]] RecipeReview reviewRecipe(const Recipe& recipe) const;
    // Applies the chosen rows of review as one undo step. A review that
    // cannot be applied writes nothing and gives its problems, as does a
    // failed write; nothing chosen writes nothing.
    std::vector<std::string> applyReviewed(const RecipeReview& review,
                                           const std::vector<std::size_t>& rows);
    // -- find -----------------------------------------------------------------
    // The find bar over the open file. Each call chooses the current match
    // as the window's find bar does: a byte match's first cell becomes the
    // current cell; a setting's cells get the border, and the face opens the
    // match's folders and selects its key in the editor. The search follows
    // the file: an edit, undo or another file finds again.

    void find(FindMode mode, std::string text);
    bool findNext();
    bool findPrevious();
    void closeFind();
    [[nodiscard]] const FindSession& finder() const { return m_find; }

    // -- the generators -------------------------------------------------------
    // New files from typed text; they never touch the open document.

    // The text the generator window opens with: the open file's, when it is
    // of that generator's type, as last read or saved.
    [[nodiscard]] std::u16string outerTextPrefill() const;
    [[nodiscard]] GprsSetting gprsPrefill() const;
    [[nodiscard]] GeneratedFile generateOuterText(std::u16string_view typed) const;
    [[nodiscard]] GeneratedFile generateGprs(GprsDisplayMode mode, std::u16string_view typed) const;

    // -- questions and saving ----------------------------------------------

    // What to ask before the open file is set aside; nothing when there is
    // nothing to lose. Save means: save first, and go on only if it worked.
    [[nodiscard]] std::optional<Question> questionBefore(Leaving leaving) const;
    // Save to the file's own path, or Save As; a file changed or removed on
    // disk since it was read is not written over until the user says so:
    // answerSave with the answer to the question writes on Save and
    // Overwrite, and does nothing else (the face reloads on Reload).
    SaveResult save();
    SaveResult saveAs(const std::string& path);
    SaveResult answerSave(const std::string& path, Answer answer);
    // save() for one of a batch of files flushed to the disk together: a
    // refusal, or Saved with the new bytes waiting in replacement (putInPlace).
    SaveResult prepareSave(PreparedReplacement& replacement);
    // For a face that stores the bytes itself (a browser): the bytes, or
    // the refusal of a cell that holds none. markSaved once they are stored.
    SaveResult bytesToSave(std::vector<std::uint8_t>& bytes) const;
    void markSaved(std::vector<std::uint8_t> bytes, const std::string& name = {});
    // The question when the file changed (or is gone) on disk since it was read.
    [[nodiscard]] Question diskChangeQuestion(DiskState state) const;

    // -- listening -----------------------------------------------------------

    using Listener = std::function<void(const SessionChange& change)>;
    // Told once at the end of each action, with everything it changed.
    ListenerConnection addListener(Listener listener);

  private:
    friend class SessionBatch;
    OpenResult opened(const OpenOutcome& outcome, const std::string& name, OpenReason reason);
    EditResult edit(UiString label, std::string_view gesture, std::string_view key,
                    const std::function<EditResult()>& write);
    SaveResult saveOutcome(const SaveOutcome& outcome, const std::string& path);
    void onCell(int index);
    void onState(const DocumentChange& change);
    void beginBatch() { ++m_batchDepth; }
    void endBatch();
    // Builds the model anew for another file or type, or reads the values
    // of the settings on the changed cells again.
    void settleModel();
    void flush();
    void chooseFound();

    const LanguageFile* m_language;
    SettingsStore& m_settings;
    SeemDocument m_document;
    // The file's bytes as it was opened, for the changes since then.
    std::vector<std::uint8_t> m_openedBytes;
    GridCursor m_cursor{m_document.grid()};
    FunctionTreeBuilder m_builder;
    EditorModel m_model;
    FindSession m_find;
    bool m_fileOpen = false;
    bool m_namedBySaveAs = false;
    bool m_withoutKeyboard = false;
    bool m_askingForSaveAs = false; // the question answerSave answers came from saveAs
    std::string m_gesture;
    int m_batchDepth = 0;
    SessionChange m_pending;
    bool m_pendingType = false;
    ListenerConnection m_cellConnection;
    ListenerConnection m_focusConnection;
    ListenerConnection m_caretConnection;
    ListenerConnection m_stateConnection;
    ListenerList<const SessionChange&> m_listeners;
};

} // namespace vantrel
