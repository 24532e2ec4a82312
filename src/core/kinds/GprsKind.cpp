// SPDX-License-Identifier: GPL-3.0-or-later
// GPRS date text files: the date, nothing or a text, written anew by a generator window.
#include "core/compare/SettingDifferences.h"
#include "core/editors/EditorModel.h"
#include "core/editors/SchemeTitle.h"
#include "core/generators/GprsTextRecord.h"
#include "core/kinds/Kinds.h"
#include "core/recipe/Recipe.h"

namespace vantrel::kinds {

namespace {

class GprsKind final : public SeemKind {
  public:
    [[nodiscard]] EditorKind kind() const override { return EditorKind::Gprs; }
    [[nodiscard]] bool isGenerator() const override { return true; }

    void buildModel(EditorModel& model, const XmlElement& /*type*/, const ByteGrid& grid,
                    FunctionTreeBuilder& /*builder*/) const override {
        model.gprs = decodeGprsTextRecord(grid.bytes());
    }

    // The record is read whole, whichever cells changed.
    void refreshModel(EditorModel& model, const ByteGrid& grid, const TouchedCells& /*cells*/,
                      std::vector<std::string>& changed) const override {
        model.gprs = decodeGprsTextRecord(grid.bytes());
        changed.emplace_back(kGprsKey);
    }

    void addSettingsIn(const EditorModel& /*model*/, const TouchedCells& /*cells*/,
                       std::vector<std::string>& keys) const override {
        keys.emplace_back(kGprsKey);
    }

    [[nodiscard]] bool comparesSettings() const override { return true; }
    void compareSettings(SettingsPair& pair) const override { compareGprs(pair); }

    void checkItems(const XmlElement& /*type*/, const ByteGrid& /*grid*/,
                    DefinitionProblems& /*problems*/) const override {}

    void addRecipeEntries(const EditorModel& model, const ByteGrid& /*grid*/,
                          const std::string& seem, const TakesRecipeName& /*takes*/,
                          std::vector<RecipeEntry>& entries) const override {
        if (model.gprs.mode == GprsDisplayMode::AlwaysDate)
            entries.push_back({seem, SettingKind::Gprs, "date", "", "", 0});
        else
            entries.push_back(
                {seem, SettingKind::Gprs, "text", utf16ToUtf8(model.gprs.text), "", 0});
    }
};

} // namespace

const SeemKind& gprsKind() {
    static const GprsKind kind;
    return kind;
}

} // namespace vantrel::kinds
