// SPDX-License-Identifier: GPL-3.0-or-later
// Outer-screen text files: one text, written anew by a generator window.
#include "core/compare/SettingDifferences.h"
#include "core/editors/EditorModel.h"
#include "core/editors/SchemeTitle.h"
#include "core/generators/OuterTextRecord.h"
#include "core/kinds/Kinds.h"
#include "core/recipe/Recipe.h"

namespace vantrel::kinds {

namespace {

class OuterTextKind final : public SeemKind {
  public:
    [[nodiscard]] EditorKind kind() const override { return EditorKind::OuterText; }
    [[nodiscard]] bool isGenerator() const override { return true; }

    void buildModel(EditorModel& model, const XmlElement& /*type*/, const ByteGrid& grid,
                    FunctionTreeBuilder& /*builder*/) const override {
        model.outerText = decodeOuterTextRecord(grid.bytes());
    }

    // The record is read whole, whichever cells changed.
    void refreshModel(EditorModel& model, const ByteGrid& grid, const TouchedCells& /*cells*/,
                      std::vector<std::string>& changed) const override {
        model.outerText = decodeOuterTextRecord(grid.bytes());
        changed.emplace_back(kOuterTextKey);
    }

    void addSettingsIn(const EditorModel& /*model*/, const TouchedCells& /*cells*/,
                       std::vector<std::string>& keys) const override {
        keys.emplace_back(kOuterTextKey);
    }

    [[nodiscard]] bool comparesSettings() const override { return true; }
    void compareSettings(SettingsPair& pair) const override { compareOuterText(pair); }

    void checkItems(const XmlElement& /*type*/, const ByteGrid& /*grid*/,
                    DefinitionProblems& /*problems*/) const override {}

    void addRecipeEntries(const EditorModel& model, const ByteGrid& /*grid*/,
                          const std::string& seem, const TakesRecipeName& /*takes*/,
                          std::vector<RecipeEntry>& entries) const override {
        entries.push_back({seem, SettingKind::OuterText, "", utf16ToUtf8(model.outerText), "", 0});
    }
};

} // namespace

const SeemKind& outerTextKind() {
    static const OuterTextKind kind;
    return kind;
}

} // namespace vantrel::kinds
