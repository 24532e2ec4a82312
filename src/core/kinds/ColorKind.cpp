// SPDX-License-Identifier: GPL-3.0-or-later
// Colour schemes: entries of four bytes in groups, and the scheme's title.
#include "core/compare/SettingDifferences.h"
#include "core/coverage/Coverage.h"
#include "core/editors/EditorModel.h"
#include "core/editors/SchemeTitle.h"
#include "core/editors/SettingText.h"
#include "core/editors/TouchedCells.h"
#include "core/find/SettingSearch.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/kinds/Kinds.h"
#include "core/recipe/Recipe.h"

namespace vantrel::kinds {

namespace {

constexpr int kTitleCells = 2 * kTitleUnits;

class ColorKind final : public SeemKind {
  public:
    [[nodiscard]] EditorKind kind() const override { return EditorKind::Color; }
    [[nodiscard]] bool showsEditor() const override { return true; }

    void buildModel(EditorModel& model, const XmlElement& type, const ByteGrid& grid,
                    FunctionTreeBuilder& /*builder*/) const override {
        model.colors = buildColorTree(type, grid);
        model.complete = model.colors.complete;
        model.hasTitle = hasSchemeTitle(grid);
        model.title = readSchemeTitle(grid);
    }

    void refreshModel(EditorModel& model, const ByteGrid& grid, const TouchedCells& cells,
                      std::vector<std::string>& changed) const override {
        addEntriesIn(model, cells, changed);
        if (!cells.any(kTitleOffset, kTitleCells))
            return;
        model.hasTitle = hasSchemeTitle(grid);
        model.title = readSchemeTitle(grid);
        changed.emplace_back(kTitleKey);
    }

    void addSettingsIn(const EditorModel& model, const TouchedCells& cells,
                       std::vector<std::string>& keys) const override {
        addEntriesIn(model, cells, keys);
        if (model.hasTitle && cells.any(kTitleOffset, kTitleCells))
            keys.emplace_back(kTitleKey);
    }

    void findSettings(const EditorModel& model, const ByteGrid& grid, std::string_view text,
                      std::vector<SettingMatch>& matches) const override {
        findColors(model.colors, grid, text, matches);
    }

    [[nodiscard]] bool comparesSettings() const override { return true; }
    void compareSettings(SettingsPair& pair) const override { compareColors(pair); }

    void addCoverage(Coverage& coverage, const XmlElement& type, const ByteGrid& grid,
                     const UiStrings& strings) const override {
        addColorItems(coverage, type, grid, strings.get(UiString::DiffTitle));
    }

    void checkItems(const XmlElement& type, const ByteGrid& grid,
                    DefinitionProblems& problems) const override {
        (void)buildColorTree(type, grid, &problems);
    }
    [[nodiscard]] ItemNames itemNames() const override { return ItemNames::ByPath; }

    void addRecipeEntries(const EditorModel& model, const ByteGrid& grid, const std::string& seem,
                          const TakesRecipeName& takes,
                          std::vector<RecipeEntry>& entries) const override {
        if (model.hasTitle)
            entries.push_back({seem, SettingKind::Title, "", utf16ToUtf8(model.title), "", 0});
        for (const ColorGroup& group : model.colors.groups) {
            for (const ColorEntry& color : group.entries) {
                const std::string path = group.caption + "/" + color.caption;
                if (!takes(SettingKind::Color, path))
                    continue;
                const ColorRecord record = readColorRecord(grid, color.offset);
                entries.push_back({seem, SettingKind::Color, path, rgbText(record),
                                   percentageFor(record.transparency), 0});
            }
        }
    }

  private:
    static void addEntriesIn(const EditorModel& model, const TouchedCells& cells,
                             std::vector<std::string>& keys) {
        for (const ColorGroup& group : model.colors.groups) {
            for (const ColorEntry& entry : group.entries) {
                if (cells.any(entry.offset, kColorRecordBytes))
                    keys.push_back(entry.key);
            }
        }
    }
};

} // namespace

const SeemKind& colorKind() {
    static const ColorKind kind;
    return kind;
}

} // namespace vantrel::kinds
