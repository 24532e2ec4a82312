// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/coverage/Coverage.h"
#include "core/document/SeemDocument.h"
#include "core/i18n/LanguageFile.h"
#include "core/session/EditingSession.h"
#include "core/session/SessionBatch.h"
#include "wasm/JsonText.h"
#include "wasm/PageSettings.h"

#include <emscripten/val.h>

#include <memory>
#include <optional>
#include <string>

namespace vantrel::wasm {

// The page's one editing session: a thin layer that checks what the page
// hands over, calls the core's EditingSession and hands its answers back as
// plain values. It owns the language file, and pushes each call's changes to
// the page's one listener as one value, so the page never pulls the model or
// the cells again after an edit. Its members are defined by concern:
// language and files (SessionFiles.cpp), edits (SessionEdits.cpp), the grid
// (SessionCells.cpp), what is shown (SessionValues.cpp), comparison, recipes
// and coverage (SessionComparison.cpp), recipes reviewed and exported
// (SessionRecipes.cpp), seem folders (FolderBinding.cpp), finding
// (SessionFind.cpp).
// Every member the page calls is listed in Contract.def.
class SessionBinding {
  public:
    using val = emscripten::val;

    SessionBinding(const val& languageXml, const val& options, const val& storage);
    ~SessionBinding();
    SessionBinding(const SessionBinding&) = delete;
    SessionBinding& operator=(const SessionBinding&) = delete;

    // Why the session could not start ("" when it did): the constructor's
    // caller is refused with it.
    [[nodiscard]] std::string startRefusal() const { return m_startRefusal; }

    val languages() const;
    val languageIndex() const;
    val languageProblem() const;
    val chooseLanguage(const val& index);
    val caption(const val& window, const val& control) const;
    val string(const val& id, const val& args) const;
    val label(const val& id, const val& args) const;
    val plural(const val& id, const val& count, const val& args) const;

    val loadDefinitions(const val& text, const val& name, const val& chosen);
    val open(const val& bytes, const val& name, const val& reason);
    val close();
    val fileOpen() const;
    val state() const;
    val model() const;
    val setListener(const val& listener);

    val setSwitch(const val& key, const val& on);
    val toggleSwitch(const val& key);
    val setStyle(const val& key, const val& on);
    val setVolume(const val& key, const val& position, const val& gesture);
    val resetVolumes();
    val setColor(const val& key, const val& rgb, const val& gesture);
    val setColorText(const val& key, const val& text);
    val setTransparencyText(const val& key, const val& text, const val& gesture);
    val setTitle(const val& title);
    val takeOther(const val& index);
    val applyRecipe(const val& recipe, const val& options);
    val endGesture();
    val undo();
    val redo();

    val cellTexts() const;
    val typeCharacter(const val& typed);
    val backspace();
    val deleteForward();
    val focusCell(const val& index);
    val setCaret(const val& caret);
    val moveCursor(const val& move, const val& rowsPerPage);
    val offsetFromText(const val& typed, const val& decimal) const;

    val questionBefore(const val& leaving) const;
    val diskChangeQuestion(const val& state) const;
    val bytesToSave();
    val markSaved(const val& bytes, const val& name);
    val fileNameToSave() const;
    val generatedFileName(const val& kind) const;
    val downloadFileName(const val& typed) const;
    val tipsOn() const;
    val setTipsOn(const val& on);
    val setWithoutKeyboard(const val& without);
    val suggestDefinitions() const;

    val outerTextPrefill() const;
    val gprsPrefill() const;
    val generateOuterText(const val& text) const;
    val generateGprs(const val& mode, const val& text) const;

    val compareWith(const val& bytes, const val& name);
    val comparison() const;
    val closeComparison();
    val exportRecipe() const;
    val exportChanges() const;
    val recipeFileName() const;
    val reviewRecipe(const val& recipe);
    val applyReviewed(const val& rows);
    val coverage() const;
    val byteInfo(const val& cell) const;
    val scanSeemFolder(const val& files) const;
    val foldersToRead(const val& ours, const val& theirs) const;
    val compareFolders(const val& ours, const val& theirs) const;
    val folderDifferencesRecipe(const val& ours, const val& theirs) const;

    val find(const val& mode, const val& text);
    val findNext();
    val findPrevious();
    val closeFind();
    val findAnswer() const;
    val filesToSearch(const val& files, const val& text) const;
    val findInFolder(const val& folder, const val& files, const val& text) const;

  private:
    // Every call that may change the session holds one of these: what the
    // session does during the call is told to the page once, when it ends.
    class Call {
      public:
        explicit Call(SessionBinding& binding) : m_batch(binding.m_session) {}

      private:
        SessionBatch m_batch;
    };

    void push(const SessionChange& change);
    [[nodiscard]] const Coverage& currentCoverage() const;
    [[nodiscard]] SeemComparison compareWithOther() const;
    // The other file opened on the definitions in force; null with the reason where it is refused.
    [[nodiscard]] std::unique_ptr<EditingSession>
    openOther(const std::string& name, std::vector<std::uint8_t> content, std::string& refusedWith);
    [[nodiscard]] val editResult(const EditResult& refused) const;
    [[nodiscard]] const UiStrings& strings() const { return m_language.strings(); }

    // What is written into the pushed change and into state().
    void writeHistory(JsonText& json) const;
    void writeFile(JsonText& json) const;
    void writeCursor(JsonText& json) const;
    void writeModel(JsonText& json) const;
    void writeSetting(JsonText& json, const std::string& key) const;
    void writeFind(JsonText& json) const;

    std::string m_startRefusal;
    std::string m_languageXml;
    std::string m_languageProblem;
    std::optional<std::int32_t> m_systemLcid;
    LanguageFile m_language;
    std::unique_ptr<SettingsStore> m_settings;
    EditingSession m_session;
    ListenerConnection m_sessionConnection;
    val m_listener = val::null();

    // The file the open one is compared with, opened by a session of its own
    // on the same definitions (their text is kept for it), without tips.
    std::string m_definitionsText;
    std::string m_definitionsName;
    MemorySettingsStore m_otherSettings;
    std::unique_ptr<EditingSession> m_other;
    // The recipe last reviewed, while it can be applied: applyReviewed takes
    // the rows the user chose from its review.
    struct ReviewedRecipe {
        Recipe recipe;
        RecipeReview review;
    };
    std::optional<ReviewedRecipe> m_reviewed;
    // Coverage follows the type and size only: made once for each.
    mutable std::optional<Coverage> m_coverage;
};

} // namespace vantrel::wasm
