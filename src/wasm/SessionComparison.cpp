// SPDX-License-Identifier: GPL-3.0-or-later
// The open file compared with another and given its values, recipes, and
// which bits the definitions describe.
#include "core/compare/DifferenceJson.h"
#include "core/coverage/DefinitionSuggestions.h"
#include "core/recipe/Recipe.h"
#include "core/recipe/RecipeJson.h"
#include "core/recipe/RecipeSettings.h"
#include "wasm/ContractValues.h"
#include "wasm/PageValues.h"
#include "wasm/SessionBinding.h"

#include <algorithm>

namespace vantrel::wasm {

namespace {

ComparedFile comparedFile(const EditingSession& session) {
    const SeemDocument& document = session.document();
    return {document.type(), document.typeName(), document.grid()};
}

// The recipe's changes to the open file, tried on a copy of its cells: the
// lines a preview shows, or the problems that refuse it.
struct RecipeTrial {
    std::vector<std::string> changes;
    std::vector<std::string> problems;
};

RecipeTrial tryRecipe(const SeemDocument& document, const std::vector<RecipeEntry>& entries,
                      const UiStrings& strings) {
    const ByteGrid& grid = document.grid();
    ByteGrid trial;
    trial.rebuild(grid.cellCount() - 1);
    for (int i = 0; i < grid.cellCount(); ++i)
        trial.setText(i, grid.text(i));
    RecipeTrial result;
    result.problems = applyRecipeEntries(document.type(), document.typeName(), trial, entries);
    if (!result.problems.empty())
        return result;
    const SeemComparison changes =
        compareSeemFiles({document.type(), document.typeName(), grid},
                         {document.type(), document.typeName(), trial}, strings);
    for (const SettingDifference& difference : changes.differences)
        result.changes.push_back(differenceLine(difference));
    return result;
}

// The line of the type's element in the definitions' text. The page's XML
// parser keeps no places, so where the core has none the element's ID is
// looked for in the text.
int typeLine(const SeemDocument& document, const std::string& definitionsText) {
    const XmlElement type = document.type();
    if (const int line = document.definitions().position(type).line; line > 0)
        return line;
    const std::string id = type.attribute("ID").value_or("");
    const std::size_t at =
        id.empty() ? std::string::npos : definitionsText.find("ID=\"" + id + "\"");
    if (at == std::string::npos)
        return 0;
    return 1 + static_cast<int>(
                   std::count(definitionsText.begin(),
                              definitionsText.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
}

} // namespace

SeemComparison SessionBinding::compareWithOther() const {
    return compareSeemFiles(comparedFile(m_session), comparedFile(*m_other), strings());
}

val SessionBinding::compareWith(const val& bytes, const val& name) {
    PageValues in("compareWith");
    std::vector<std::uint8_t> content = in.bytes(bytes, "bytes");
    const std::string fileName = in.text(name, "name");
    if (in.failed())
        return in.refusal();
    std::string refused;
    std::unique_ptr<EditingSession> other = openOther(fileName, std::move(content), refused);
    if (!other)
        return refusal(refused);
    m_other = std::move(other);
    return val::undefined();
}

std::unique_ptr<EditingSession> SessionBinding::openOther(const std::string& name,
                                                          std::vector<std::uint8_t> content,
                                                          std::string& refusedWith) {
    m_otherSettings.setValue("ShowTip", "0");
    auto other = std::make_unique<EditingSession>(m_language, m_otherSettings);
    if (!m_definitionsText.empty())
        (void)other->loadDefinitionsText(m_definitionsText, "");
    const OpenResult opened = other->openBytes(name, std::move(content));
    if (opened.opened)
        return other;
    refusedWith = opened.message ? opened.message->text(strings()) : name;
    return nullptr;
}

val SessionBinding::comparison() const {
    if (!m_other || !m_session.fileOpen())
        return val::null();
    const SeemComparison compared = compareWithOther();
    JsonText json;
    json.beginObject()
        .member(page::Comparison::name, m_other->document().path())
        .member(page::Comparison::bySettings, compared.bySettings)
        .member(page::Comparison::reason, compared.reason)
        .key(page::Comparison::differences)
        .raw(differencesJson(compared.differences)
                 .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace))
        .key(page::Comparison::canTake)
        .beginArray();
    for (const SettingDifference& difference : compared.differences)
        json.value(canTake(m_session.grid(), difference));
    json.endArray().endObject();
    return jsonValue(json);
}

val SessionBinding::closeComparison() {
    m_other.reset();
    return val::undefined();
}

val SessionBinding::suggestDefinitions() const {
    if (!m_other || !m_session.fileOpen())
        return val::null();
    const SeemDocument& document = m_session.document();
    if (!document.type())
        return val(std::string());
    const DefinitionSuggestions suggestions =
        vantrel::suggestDefinitions(document.type(), document.typeName(), document.grid(),
                                    m_other->document().grid(), strings());
    return val(suggestionText(suggestions, document.type(), document.typeName(),
                              typeLine(document, m_definitionsText), m_definitionsName, strings()));
}

val SessionBinding::takeOther(const val& index) {
    if (!m_other)
        return refusal("takeOther: no file is compared");
    const SeemComparison compared = compareWithOther();
    PageValues in("takeOther");
    const int chosen =
        in.integer(index, "index", 0, static_cast<double>(compared.differences.size()) - 1);
    if (in.failed())
        return in.refusal();
    const Call call(*this);
    return editResult(m_session.takeOther(compared.differences[static_cast<std::size_t>(chosen)]));
}

val SessionBinding::exportRecipe() const {
    return val(recipeToJson(m_session.settingsRecipe()));
}

val SessionBinding::applyRecipe(const val& recipe, const val& options) {
    PageValues in("applyRecipe");
    // A recipe file's bytes are decoded by the core, as the command line
    // decodes them; a string is JSON text already decoded.
    const bool raw = recipe.instanceof (val::global("Uint8Array"));
    const std::vector<std::uint8_t> bytes =
        raw ? in.bytes(recipe, "recipe") : std::vector<std::uint8_t>{};
    const std::string text = raw ? std::string{} : in.text(recipe, "recipe");
    const val chosen = in.options(options, "options");
    const val dryRunGiven = PageValues::member(chosen, page::RecipeOptions::dryRun);
    const val anyNameGiven = PageValues::member(chosen, page::RecipeOptions::anyName);
    const bool dryRun = !PageValues::absent(dryRunGiven) && in.flag(dryRunGiven, "options.dryRun");
    const bool anyName =
        !PageValues::absent(anyNameGiven) && in.flag(anyNameGiven, "options.anyName");
    if (in.failed())
        return in.refusal();
    const RecipeParse parsed =
        raw ? parseRecipeBytes({reinterpret_cast<const char*>(bytes.data()), bytes.size()})
            : parseRecipe(text);
    if (!parsed.ok())
        return refusal(joinLines(parsed.problems));
    const SeemDocument& document = m_session.document();
    const auto entries = entriesForFile(parsed.recipe, document.path(), anyName);
    if (entries.empty())
        return refusal(
            strings().format(UiString::RecipeNothingForFile, {seemIdOfPath(document.path())}));
    const RecipeTrial trial = tryRecipe(document, entries, strings());
    if (!trial.problems.empty())
        return refusal(joinLines(trial.problems));
    const bool apply = !dryRun && !trial.changes.empty();
    if (apply) {
        const Call call(*this);
        if (const auto problems = m_session.applyRecipe(entries); !problems.empty())
            return refusal(joinLines(problems));
    }
    val result = val::object();
    setMember(result, page::RecipeApplyResult::changes, stringArray(trial.changes));
    setMember(result, page::RecipeApplyResult::changed, apply);
    return result;
}

val SessionBinding::coverage() const {
    const SeemDocument& document = m_session.document();
    // Made anew: the values its items show follow the cells.
    const Coverage fresh =
        computeCoverage(document.type(), document.typeName(), document.grid(), strings());
    JsonText json;
    json.beginObject().key(page::Coverage::items).beginArray();
    for (const CoveredItem& item : fresh.items) {
        using Item = page::CoveredItem;
        json.beginObject()
            .member(Item::kind, settingKindName(item.kind))
            .member(Item::key, item.key)
            .member(Item::name, item.name)
            .member(Item::firstCell, item.firstCell)
            .member(Item::lastCell, item.lastCell)
            .member(Item::mask, static_cast<int>(item.mask))
            .member(Item::value, coveredValue(item, document.grid(), strings()))
            .endObject();
    }
    json.endArray().key(page::Coverage::overlaps).beginArray();
    for (const auto& [first, second] : fresh.overlaps)
        json.beginArray().value(static_cast<int>(first)).value(static_cast<int>(second)).endArray();
    json.endArray().endObject();
    val value = jsonValue(json);
    setMember(value, page::Coverage::describedBits, bytesValue(fresh.describedBits));
    return value;
}

val SessionBinding::byteInfo(const val& cell) const {
    PageValues in("byteInfo");
    const int index = in.integer(cell, "cell", 0, m_session.grid().cellCount() - 1);
    if (in.failed())
        return in.refusal();
    const Coverage& covered = currentCoverage();
    val items = val::array();
    for (const std::size_t item : covered.itemsAt(index))
        items.call<void>("push", static_cast<int>(item));
    val value = val::object();
    setMember(value, page::ByteInfo::text, cellCoverageText(covered, index, strings()));
    setMember(value, page::ByteInfo::items, items);
    return value;
}

} // namespace vantrel::wasm
