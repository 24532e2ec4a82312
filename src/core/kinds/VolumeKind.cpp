// SPDX-License-Identifier: GPL-3.0-or-later
// Volume files: sliders, one byte each, within a range of their own.
#include "core/compare/SettingDifferences.h"
#include "core/coverage/Coverage.h"
#include "core/editors/EditorModel.h"
#include "core/editors/TouchedCells.h"
#include "core/find/SettingSearch.h"
#include "core/kinds/Kinds.h"
#include "core/recipe/Recipe.h"

namespace vantrel::kinds {

namespace {

class VolumeKind final : public SeemKind {
  public:
    [[nodiscard]] EditorKind kind() const override { return EditorKind::Volume; }
    [[nodiscard]] bool showsEditor() const override { return true; }

    void buildModel(EditorModel& model, const XmlElement& type, const ByteGrid& grid,
                    FunctionTreeBuilder& /*builder*/) const override {
        model.volumes = buildVolumeItems(type, grid);
        model.complete = model.volumes.complete;
    }

    void refreshModel(EditorModel& model, const ByteGrid& grid, const TouchedCells& cells,
                      std::vector<std::string>& changed) const override {
        for (std::size_t row = 0; row < model.volumes.items.size(); ++row) {
            VolumeItem& item = model.volumes.items[row];
            if (!cells.any(item.offset, 1) || !grid.contains(item.offset))
                continue;
            item.position = positionFromGrid(item, grid);
            const auto stored = grid.value(item.offset);
            item.storedByte = stored ? *stored : -1;
            changed.push_back(volumeKey(row));
        }
    }

    void addSettingsIn(const EditorModel& model, const TouchedCells& cells,
                       std::vector<std::string>& keys) const override {
        for (std::size_t row = 0; row < model.volumes.items.size(); ++row) {
            if (cells.any(model.volumes.items[row].offset, 1))
                keys.push_back(volumeKey(row));
        }
    }

    void findSettings(const EditorModel& model, const ByteGrid& /*grid*/, std::string_view text,
                      std::vector<SettingMatch>& matches) const override {
        findVolumes(model.volumes, text, matches);
    }

    [[nodiscard]] bool comparesSettings() const override { return true; }
    void compareSettings(SettingsPair& pair) const override { compareVolumes(pair); }

    void addCoverage(Coverage& coverage, const XmlElement& type, const ByteGrid& grid,
                     const UiStrings& /*strings*/) const override {
        addVolumeItems(coverage, type, grid);
    }

    void checkItems(const XmlElement& type, const ByteGrid& grid,
                    DefinitionProblems& problems) const override {
        (void)buildVolumeItems(type, grid, &problems);
    }
    [[nodiscard]] ItemNames itemNames() const override { return ItemNames::ById; }

    void addRecipeEntries(const EditorModel& model, const ByteGrid& /*grid*/,
                          const std::string& seem, const TakesRecipeName& takes,
                          std::vector<RecipeEntry>& entries) const override {
        for (const VolumeItem& item : model.volumes.items) {
            if (takes(SettingKind::Volume, volumeName(item)))
                entries.push_back({seem, SettingKind::Volume, volumeName(item),
                                   std::to_string(item.position), "", 0});
        }
    }
};

} // namespace

const SeemKind& volumeKind() {
    static const VolumeKind kind;
    return kind;
}

} // namespace vantrel::kinds
