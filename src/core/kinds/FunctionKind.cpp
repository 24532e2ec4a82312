// SPDX-License-Identifier: GPL-3.0-or-later
// Function files: switches, one bit each, in a tree of folders.
#include "core/base/BitHelpers.h"
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

// Every switch of the tree, depth first in document order. A stack of its
// own: the depth comes from the definitions.
template <typename Node, typename Visit> void forEachSwitch(Node& root, Visit visit) {
    std::vector<Node*> pending{&root};
    while (!pending.empty()) {
        Node* node = pending.back();
        pending.pop_back();
        for (auto child = node->children.rbegin(); child != node->children.rend(); ++child)
            pending.push_back(&*child);
        if (node->isSwitch())
            visit(*node);
    }
}

class FunctionKind final : public SeemKind {
  public:
    [[nodiscard]] EditorKind kind() const override { return EditorKind::Function; }
    [[nodiscard]] bool showsEditor() const override { return true; }

    void buildModel(EditorModel& model, const XmlElement& type, const ByteGrid& grid,
                    FunctionTreeBuilder& builder) const override {
        model.functions = builder.build(type, grid);
    }

    void refreshModel(EditorModel& model, const ByteGrid& grid, const TouchedCells& cells,
                      std::vector<std::string>& changed) const override {
        forEachSwitch(model.functions, [&](FunctionNode& node) {
            if (!cells.any(node.cellIndex, 1) || !grid.contains(node.cellIndex))
                return;
            node.on = isBitSet(grid.text(node.cellIndex), node.bit);
            changed.push_back(node.key);
        });
    }

    void addSettingsIn(const EditorModel& model, const TouchedCells& cells,
                       std::vector<std::string>& keys) const override {
        forEachSwitch(model.functions, [&](const FunctionNode& node) {
            if (cells.any(node.cellIndex, 1))
                keys.push_back(node.key);
        });
    }

    void findSettings(const EditorModel& model, const ByteGrid& /*grid*/, std::string_view text,
                      std::vector<SettingMatch>& matches) const override {
        findSwitches(model.functions, text, matches);
    }

    [[nodiscard]] bool comparesSettings() const override { return true; }
    void compareSettings(SettingsPair& pair) const override { compareSwitches(pair); }

    void addCoverage(Coverage& coverage, const XmlElement& type, const ByteGrid& grid,
                     const UiStrings& /*strings*/) const override {
        addFunctionItems(coverage, type, grid);
    }
    [[nodiscard]] SuggestedItems suggestedItems() const override { return SuggestedItems::PerBit; }

    void checkItems(const XmlElement& type, const ByteGrid& grid,
                    DefinitionProblems& problems) const override {
        (void)FunctionTreeBuilder().build(type, grid, &problems);
    }
    [[nodiscard]] ItemNames itemNames() const override { return ItemNames::ByPath; }

    void addRecipeEntries(const EditorModel& model, const ByteGrid& /*grid*/,
                          const std::string& seem, const TakesRecipeName& takes,
                          std::vector<RecipeEntry>& entries) const override {
        for (const auto& [key, path] : model.namedSettings(SettingKind::Switch)) {
            if (takes(SettingKind::Switch, path))
                entries.push_back(
                    {seem, SettingKind::Switch, path, onOff(model.switchByKey(key)->on), "", 0});
        }
    }
};

} // namespace

const SeemKind& functionKind() {
    static const FunctionKind kind;
    return kind;
}

} // namespace vantrel::kinds
