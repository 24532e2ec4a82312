// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing the document with another, recipes, and coverage.
#include "core/recipe/Recipe.h"
#include "core/recipe/RecipeJson.h"
#include "wasm/BindingValues.h"
#include "wasm/DocumentBinding.h"

namespace vantrel::wasm {

val Document::compare(const Document& other) const {
    const SeemComparison comparison = compareWith(other);
    Json json = comparisonJson(comparison);
    for (std::size_t i = 0; i < comparison.differences.size(); ++i)
        json["differences"][i]["canTake"] = canTake(m_document.grid(), comparison.differences[i]);
    return jsonValue(json);
}

val Document::takeOther(const Document& other, int index) {
    endGesture();
    const SeemComparison comparison = compareWith(other);
    if (index < 0 || static_cast<std::size_t>(index) >= comparison.differences.size())
        return refusal("there is no difference " + std::to_string(index));
    const SettingDifference& difference = comparison.differences[static_cast<std::size_t>(index)];
    if (!canTake(m_document.grid(), difference))
        return refusal("the other file's value of " + difference.name + " cannot be taken");
    EditScope step(m_document, UiString::UndoTakeOther);
    takeOtherValue(m_document.grid(), difference);
    return val::undefined();
}

std::string Document::exportRecipe() const {
    return recipeToJson(vantrel::exportRecipe(target(), seemIdOfPath(m_document.path())));
}

val Document::recipeTo(const Document& other) const {
    Recipe recipe;
    if (!recipeBetween(target(), other.target(), seemIdOfPath(m_document.path()), recipe))
        return refusal("the files differ in size; a recipe cannot change a size");
    return val(recipeToJson(recipe));
}

val Document::applyRecipe(const std::string& json, const val& options) {
    endGesture();
    const RecipeParse parsed = parseRecipe(json);
    if (!parsed.ok())
        return refusal(joinLines(parsed.problems));
    const auto entries =
        entriesForFile(parsed.recipe, m_document.path(), optionalFlag(options, "anyName"));
    if (entries.empty())
        return refusal("the recipe has nothing for seem " + seemIdOfPath(m_document.path()));
    const ByteGrid& grid = m_document.grid();
    ByteGrid trial;
    trial.rebuild(grid.cellCount() - 1);
    for (int i = 0; i < grid.cellCount(); ++i)
        trial.setText(i, grid.text(i));
    const auto problems =
        applyRecipeEntries(m_document.type(), m_document.typeName(), trial, entries);
    if (!problems.empty())
        return refusal(joinLines(problems));
    const SeemComparison changes =
        compareSeemFiles({m_document.type(), m_document.typeName(), grid},
                         {m_document.type(), m_document.typeName(), trial}, languageInUse());
    std::vector<std::string> lines;
    for (const SettingDifference& difference : changes.differences)
        lines.push_back(differenceLine(difference));
    const bool apply = !optionalFlag(options, "dryRun") && !lines.empty();
    if (apply) {
        EditScope step(m_document, UiString::UndoApplySettings);
        for (int i = 0; i < grid.cellCount(); ++i) {
            if (trial.text(i) != grid.text(i))
                m_document.grid().setText(i, trial.text(i));
        }
    }
    val result = val::object();
    result.set("changes", stringArray(lines));
    result.set("changed", apply);
    return result;
}

val Document::coverage() const {
    const Coverage coverage = computeCoverageNow();
    Json items = Json::array();
    for (const CoveredItem& item : coverage.items) {
        items.push_back({{"kind", kindName(item.kind)},
                         {"key", item.key},
                         {"name", item.name},
                         {"firstCell", item.firstCell},
                         {"lastCell", item.lastCell},
                         {"mask", item.mask},
                         {"value", coveredValue(item, m_document.grid(), languageInUse())}});
    }
    Json overlaps = Json::array();
    for (const auto& [first, second] : coverage.overlaps)
        overlaps.push_back({first, second});
    val value = jsonValue({{"items", std::move(items)}, {"overlaps", std::move(overlaps)}});
    value.set("describedBits", bytesValue(coverage.describedBits));
    return value;
}

val Document::byteInfo(int cell) const {
    if (!m_document.grid().contains(cell))
        return refusal("there is no cell " + std::to_string(cell));
    const Coverage coverage = computeCoverageNow();
    val items = val::array();
    for (const std::size_t item : coverage.itemsAt(cell))
        items.call<void>("push", static_cast<int>(item));
    val value = val::object();
    value.set("text", cellCoverageText(coverage, cell, languageInUse()));
    value.set("items", items);
    return value;
}

RecipeTarget Document::target() const {
    return {m_document.type(), m_document.typeName(), m_document.grid()};
}

SeemComparison Document::compareWith(const Document& other) const {
    return compareSeemFiles(
        {m_document.type(), m_document.typeName(), m_document.grid()},
        {other.m_document.type(), other.m_document.typeName(), other.m_document.grid()},
        languageInUse());
}

Coverage Document::computeCoverageNow() const {
    return computeCoverage(m_document.type(), m_document.typeName(), m_document.grid(),
                           languageInUse());
}

} // namespace vantrel::wasm
