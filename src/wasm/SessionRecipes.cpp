// SPDX-License-Identifier: GPL-3.0-or-later
// Recipes carried to another phone: the changes since the file was opened,
// every setting, and a recipe looked over row by row before the chosen rows
// are applied as one step. The rows' words are the core's, as the window's.
#include "core/recipe/RecipeJson.h"
#include "wasm/PageValues.h"
#include "wasm/SessionBinding.h"
#include "wasm/SessionNames.h"

namespace vantrel::wasm {

namespace {

// A recipe as the page hands it over: a file's bytes or pasted text (as
// UTF-8). One larger than a recipe may be is cut just past the limit, so the
// core refuses it with its own words without the module copying all of it.
std::string givenRecipe(PageValues& in, const val& recipe) {
    const double limit = static_cast<double>(kLargestGivenRecipe) + 1;
    if (recipe.instanceof (val::global("Uint8Array"))) {
        const val within =
            recipe["length"].as<double>() > limit ? recipe.call<val>("subarray", 0, limit) : recipe;
        const std::vector<std::uint8_t> bytes = in.bytes(within, "recipe");
        return {bytes.begin(), bytes.end()};
    }
    // A string's UTF-8 is at least as long as its UTF-16 units.
    if (recipe.isString() && recipe["length"].as<double>() > limit)
        return in.text(recipe.call<val>("slice", 0, limit), "recipe");
    if (!recipe.isString()) {
        in.fail("recipe", "a Uint8Array or a string");
        return {};
    }
    return in.text(recipe, "recipe");
}

void writeRow(JsonText& json, const RecipeReviewRow& row, const UiStrings& strings) {
    using Row = page::RecipeReviewRow;
    json.beginObject()
        .member(Row::setting, row.setting)
        .member(Row::current, row.current)
        .member(Row::wanted, row.wanted)
        .key(Row::from);
    if (row.from)
        json.value(*row.from);
    else
        json.null();
    json.member(Row::text, reviewRowText(strings, row))
        .member(Row::mark, reviewMarkText(strings, row))
        .member(Row::tickName, reviewTickName(strings, row))
        .member(Row::ticked, row.ticked)
        .member(Row::alreadyAtValue, row.alreadyAtValue)
        .member(Row::fromDiffers, row.fromDiffers)
        .endObject();
}

// Two reviews of one recipe show the same rows: the file did not change between them.
bool sameRows(const RecipeReview& first, const RecipeReview& second) {
    if (first.rows.size() != second.rows.size() || first.refused != second.refused)
        return false;
    for (std::size_t i = 0; i < first.rows.size(); ++i) {
        if (first.rows[i].entry != second.rows[i].entry ||
            first.rows[i].current != second.rows[i].current)
            return false;
    }
    return true;
}

} // namespace

val SessionBinding::exportChanges() const {
    const RecipeChanges changes = m_session.changesSinceOpen();
    const bool none = changes.recipe.entries.empty();
    const std::optional<UiMessage> message =
        none ? UiMessage{UiString::RecipeNoChanges, {}, MessageIcon::Information}
             : uncarriedCellsMessage(changes);
    JsonText json;
    json.beginObject().member(page::ChangesExport::recipe,
                              none ? std::string() : recipeToJson(changes.recipe));
    json.key(page::ChangesExport::message);
    if (message) {
        json.beginObject()
            .member(page::Message::text, message->text(strings()))
            .member(page::Message::icon, iconText(message->icon))
            .endObject();
    } else {
        json.null();
    }
    json.endObject();
    return jsonValue(json);
}

val SessionBinding::recipeFileName() const {
    return val(m_session.recipeSeemId() + ".json");
}

val SessionBinding::reviewRecipe(const val& recipe) {
    PageValues in("reviewRecipe");
    const std::string given = givenRecipe(in, recipe);
    if (in.failed())
        return in.refusal();
    m_reviewed.reset();
    const RecipeParse parsed = parseGivenRecipe(given);
    RecipeReview review;
    if (parsed.ok())
        review = m_session.reviewRecipe(parsed.recipe);
    JsonText json;
    json.beginObject().key(page::RecipeReview::rows).beginArray();
    for (const RecipeReviewRow& row : review.rows)
        writeRow(json, row, strings());
    json.endArray().key(page::RecipeReview::refusal);
    if (!parsed.ok())
        json.value(joinLines(parsed.problems));
    else if (review.refusal)
        json.value(review.refusal->text(strings()));
    else
        json.null();
    json.key(page::RecipeReview::refused).beginArray();
    for (const std::string& line : review.refused)
        json.value(line);
    json.endArray()
        .member(page::RecipeReview::canApply, parsed.ok() && review.canApply())
        .endObject();
    if (parsed.ok() && review.canApply())
        m_reviewed = ReviewedRecipe{parsed.recipe, std::move(review)};
    return jsonValue(json);
}

val SessionBinding::applyReviewed(const val& rows) {
    PageValues in("applyReviewed");
    if (!m_reviewed)
        return refusal("applyReviewed: no recipe that can be applied was reviewed");
    const int count =
        in.arrayLength(rows, "rows", static_cast<int>(m_reviewed->review.rows.size()));
    std::vector<std::size_t> chosen;
    for (int i = 0; i < count && !in.failed(); ++i) {
        chosen.push_back(static_cast<std::size_t>(
            in.integer(rows[i], "rows[" + std::to_string(i) + "]", 0,
                       static_cast<double>(m_reviewed->review.rows.size()) - 1)));
    }
    if (in.failed())
        return in.refusal();
    // The file may have changed since its review (an undo, another file):
    // the user chose among rows that no longer say what it holds.
    const RecipeReview now = m_session.reviewRecipe(m_reviewed->recipe);
    if (!sameRows(now, m_reviewed->review))
        return refusal("applyReviewed: the file changed since the recipe was reviewed");
    const Call call(*this);
    if (const auto problems = m_session.applyReviewed(now, chosen); !problems.empty())
        return refusal(joinLines(problems));
    m_reviewed.reset();
    return val::undefined();
}

} // namespace vantrel::wasm
