// SPDX-License-Identifier: GPL-3.0-or-later
// Style files: rows that are on while their byte holds one value.
#include "core/compare/SettingDifferences.h"
#include "core/coverage/Coverage.h"
#include "core/editors/EditorModel.h"
#include "core/editors/SettingText.h"
#include "core/editors/TouchedCells.h"
#include "core/find/SettingSearch.h"
#include "core/kinds/Kinds.h"
#include "core/recipe/Recipe.h"

namespace vantrel::kinds {

namespace {

class StyleKind final : public SeemKind {
  public:
    [[nodiscard]] EditorKind kind() const override { return EditorKind::Style; }
    [[nodiscard]] bool showsEditor() const override { return true; }

    void buildModel(EditorModel& model, const XmlElement& type, const ByteGrid& grid,
                    FunctionTreeBuilder& /*builder*/) const override {
        model.styles = buildStyleRows(type, grid);
        model.complete = model.styles.complete;
    }

    void refreshModel(EditorModel& model, const ByteGrid& grid, const TouchedCells& cells,
                      std::vector<std::string>& changed) const override {
        for (StyleRow& row : model.styles.rows) {
            if (!cells.any(row.offset, 1) || !grid.contains(row.offset))
                continue;
            row.checked = isRowOn(grid, row);
            changed.push_back(row.key);
        }
    }

    void addSettingsIn(const EditorModel& model, const TouchedCells& cells,
                       std::vector<std::string>& keys) const override {
        for (const StyleRow& row : model.styles.rows) {
            if (cells.any(row.offset, 1))
                keys.push_back(row.key);
        }
    }

    void findSettings(const EditorModel& model, const ByteGrid& /*grid*/, std::string_view text,
                      std::vector<SettingMatch>& matches) const override {
        findStyles(model.styles, text, matches);
    }

    [[nodiscard]] bool comparesSettings() const override { return true; }
    void compareSettings(SettingsPair& pair) const override { compareStyles(pair); }

    void addCoverage(Coverage& coverage, const XmlElement& type, const ByteGrid& grid,
                     const UiStrings& /*strings*/) const override {
        addStyleItems(coverage, type, grid);
    }
    [[nodiscard]] SuggestedItems suggestedItems() const override { return SuggestedItems::PerByte; }

    void checkItems(const XmlElement& type, const ByteGrid& grid,
                    DefinitionProblems& problems) const override {
        (void)buildStyleRows(type, grid, &problems);
    }
    [[nodiscard]] ItemNames itemNames() const override { return ItemNames::ById; }

    void addRecipeEntries(const EditorModel& model, const ByteGrid& /*grid*/,
                          const std::string& seem, const TakesRecipeName& takes,
                          std::vector<RecipeEntry>& entries) const override {
        for (const StyleRow& row : model.styles.rows) {
            if (takes(SettingKind::Style, row.text))
                entries.push_back({seem, SettingKind::Style, row.text, onOff(row.checked), "", 0});
        }
    }
};

} // namespace

const SeemKind& styleKind() {
    static const StyleKind kind;
    return kind;
}

} // namespace vantrel::kinds
