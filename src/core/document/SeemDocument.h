// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ByteGrid.h"
#include "core/document/CellTexts.h"
#include "core/document/EditHistory.h"
#include "core/document/ListenerList.h"
#include "core/files/FileReplacement.h"
#include "core/files/SeemFile.h"
#include "core/xml/XmlDocument.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

struct OpenOutcome {
    enum class Status { Opened, TooLarge, Empty, Failed }; // Failed: reason says why
    Status status = Status::Failed;
    std::string reason;
};

struct SaveOutcome {
    // ChangedOnDisk: another program changed, replaced or removed the file
    // since it was read; nothing was written.
    enum class Status { Saved, InvalidCell, WriteFailed, ChangedOnDisk };
    Status status = Status::WriteFailed;
    int invalidCell = -1; // InvalidCell: the first cell that is not a byte
    std::string reason;   // WriteFailed: why
    // WriteFailed: what became of the file on disk, and where its old bytes
    // are when they could not be written back.
    FileWrite::Outcome fileOutcome = FileWrite::Outcome::Unchanged;
    std::string recoveryPath;
};

// save() for one of a batch of files flushed to the disk together: the
// checks, and the new bytes waiting in replacement for putInPlace.
struct PreparedSave {
    SaveOutcome outcome; // Saved: prepared
    PreparedReplacement replacement;
};

// How the open document's file on disk compares with what was read or saved.
enum class DiskState { Same, Changed, Missing };

// What a state notice is about, so a listener can skip what it does not show.
struct DocumentChange {
    bool modified = false; // isModified()
    bool history = false;  // canUndo(), canRedo() and their labels
    bool file = false;     // path() and identity()
    bool type = false;     // type(), definitions() and the number of cells
};

// The one open document of a window (or of one command-line run): its path,
// the bytes as last read or saved, the grid of cells, the definitions and the
// matched seem type, and the undo history. It makes every decision of opening,
// saving and closing; the views only show its answers.
class SeemDocument {
  public:
    SeemDocument();
    ~SeemDocument();
    SeemDocument(const SeemDocument&) = delete;
    SeemDocument& operator=(const SeemDocument&) = delete;

    // Replaces the definitions only when the new file loads; the open file's
    // type is then matched again in them.
    XmlLoadResult loadDefinitions(const std::string& path);
    [[nodiscard]] const XmlDocument& definitions() const { return *m_definitions; }

    // Reads the file whole. A refusal leaves everything as it was; otherwise
    // the file becomes the document: path, saved bytes, cells, type (the first
    // whose size is the length or the length - 1), an empty history.
    OpenOutcome open(const std::string& path);
    // The same decisions for bytes read elsewhere.
    OpenOutcome accept(const std::string& path, SeemFileRead read);
    // The same decisions for bytes given whole (a browser's file), under a
    // name that need not be a path; the refusals of too large and empty.
    OpenOutcome openBytes(const std::string& name, std::vector<std::uint8_t> bytes);
    // Definitions from their text, decided as loadDefinitions.
    XmlLoadResult loadDefinitionsText(std::string_view text);
    OpenOutcome reload();
    // A grid of one cell, no path, no type, no history.
    void close();

    // Refused with ChangedOnDisk when the file is no longer what was read or
    // saved, unless overwriteChanges says the user chose to write over it.
    SaveOutcome save(bool overwriteChanges = false);
    // The path becomes the document's only when the save succeeds. Saving
    // onto the document's own file is checked as save() is.
    SaveOutcome saveAs(const std::string& path, bool overwriteChanges = false);
    // save() up to the new bytes in a temporary file. The caller holds the
    // file's FileLock until putInPlace; the document is not marked saved.
    PreparedSave prepareSave();
    [[nodiscard]] DiskState diskState() const;
    // Saving without a file: the bytes the cells hold, or the first cell that
    // does not hold a byte (bytes then untouched). Once they are stored
    // elsewhere, markSaved makes them the clean state, as a save does; a
    // name given is the one they were stored under (Save As), an empty one
    // keeps the document's.
    [[nodiscard]] std::optional<int> bytesToSave(std::vector<std::uint8_t>& bytes) const;
    void markSaved(std::vector<std::uint8_t> bytes, const std::string& name = {});
    // The identity of the file as read or saved, to notice a change cheaply.
    [[nodiscard]] const FileIdentity& identity() const { return m_identity; }

    // A file is open: read from disk, or given as bytes under a name that
    // may be empty. The one answer to "is a file open"; not from the start
    // nor after close().
    [[nodiscard]] bool hasFile() const { return m_hasFile; }
    [[nodiscard]] const std::string& path() const { return m_path; }
    [[nodiscard]] const std::vector<std::uint8_t>& savedBytes() const { return m_savedBytes; }
    [[nodiscard]] ByteGrid& grid() { return m_grid; }
    [[nodiscard]] const ByteGrid& grid() const { return m_grid; }
    // The matched type element; a null element when none matched.
    [[nodiscard]] XmlElement type() const { return m_type; }
    // Its "type" in lower case; "" when none matched.
    [[nodiscard]] std::string typeName() const;

    // Undo. The document decides where a step ends:
    // - a write inside an EditScope belongs to that scope's step;
    // - the EditScopes of one label between beginGesture() and endGesture()
    //   (a slider from press to release, a box typed into until it loses the
    //   focus) make one step, shown to Undo as it grows (a scope of another
    //   label ends the gesture);
    // - any other write is typing: one step per cell, from the moment the cell
    //   receives the focus (or a border moves) until that happens again.
    // Undo, redo, saving, opening and closing end an open gesture first.
    void beginGesture(UiString label);
    void endGesture();
    [[nodiscard]] bool canUndo() const { return m_history.canUndo(); }
    [[nodiscard]] bool canRedo() const { return m_history.canRedo(); }
    [[nodiscard]] std::optional<UiString> undoLabel() const { return m_history.undoLabel(); }
    [[nodiscard]] std::optional<UiString> redoLabel() const { return m_history.redoLabel(); }
    void undo();
    void redo();
    // The cells differ from the clean point (the last open, reload or save).
    [[nodiscard]] bool isModified() const { return m_differingCells > 0; }

    using StateListener = std::function<void(const DocumentChange& change)>;
    // Told when isModified, the history, the path or the type may have changed,
    // with what did; cell texts are told by the grid.
    ListenerConnection addStateListener(StateListener listener);

  private:
    friend class EditScope;
    void beginEdit(UiString label);
    void endEdit();
    void useDefinitions(std::unique_ptr<XmlDocument> definitions);
    SaveOutcome saveTo(const std::string& path, bool overwriteChanges);
    [[nodiscard]] std::optional<SaveOutcome> saveRefusal(const std::string& path,
                                                         bool overwriteChanges) const;
    [[nodiscard]] bool isOwnFile(const std::string& path) const;
    void onCellChanged(int index);
    void trackText(int index, const std::string& text);
    void applyStep(const EditStep& step, bool forward);
    void startTracking();
    // The history of every change, the modified flag when it turned.
    void notifyState(DocumentChange change);
    void notifyEverything() { notifyState({true, true, true, true}); }

    bool m_hasFile = false;
    std::string m_path;
    std::vector<std::uint8_t> m_savedBytes;
    FileIdentity m_identity;
    std::unique_ptr<XmlDocument> m_definitions;
    XmlElement m_type;
    ByteGrid m_grid;
    ListenerConnection m_gridConnection;
    ListenerConnection m_focusConnection;
    EditHistory m_history;
    CellTexts m_knownTexts; // every cell as last told
    CellTexts m_cleanTexts; // every cell at the clean point
    int m_differingCells = 0;
    int m_editDepth = 0;
    bool m_inGesture = false;
    UiString m_gestureLabel = UiString::UndoTyping;
    int m_gestureCount = 0;     // tells one gesture's steps from the next one's
    bool m_wasModified = false; // as last told
    bool m_applyingStep = false;
    bool m_loading = false;
    ListenerList<const DocumentChange&> m_stateListeners;
};

// One user action on a document: EditScope step(doc, UiString::UndoStyle); then the
// grid writes; the step ends when the scope does. Scopes inside a scope or a
// gesture add to its step.
class EditScope {
  public:
    EditScope(SeemDocument& document, UiString label) : m_document(document) {
        m_document.beginEdit(label);
    }
    ~EditScope() { m_document.endEdit(); }
    EditScope(const EditScope&) = delete;
    EditScope& operator=(const EditScope&) = delete;

  private:
    SeemDocument& m_document;
};

} // namespace vantrel
