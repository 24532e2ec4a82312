// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/session/Scenario.h"

#include "core/base/BitHelpers.h"
#include "core/editors/SchemeTitle.h"
#include "core/editors/SettingText.h"
#include "core/generators/OuterTextRecord.h"
#include "core/generators/Utf16Text.h"
#include "core/recipe/RecipeJson.h"
#include "core/session/EditingSession.h"
#include "core/settings/SettingsStore.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>

namespace vantrel {

namespace {

// Each verb and the number of fields it takes, the last one running to the end of the line.
const std::map<std::string, std::size_t, std::less<>>& verbs() {
    const auto named = [](SettingKind kind) { return std::string(settingKindName(kind)); };
    static const std::map<std::string, std::size_t, std::less<>> known = {
        {"open", 1},
        {named(SettingKind::Switch), 2},
        {named(SettingKind::Style), 2},
        {named(SettingKind::Volume), 2},
        {"reset-volumes", 0},
        {named(SettingKind::Color), 2},
        {"transparency", 2},
        {named(SettingKind::Title), 1},
        {"cell", 2},
        {"undo", 0},
        {"redo", 0},
        {"save", 0},
        {named(SettingKind::OuterText), 1},
        {named(SettingKind::Gprs), 1},
        {"gprs-text", 1},
        {"export-changes", 1},
        {"apply-recipe", 1},
        {"find", 1},
        {"toggle", 0},
    };
    return known;
}

// The line's verb and fields, or nothing when it has not as many as its verb takes.
std::optional<ScenarioStep> splitStep(std::string_view line, int number) {
    ScenarioStep step;
    step.line = number;
    const auto blank = line.find(' ');
    step.verb = std::string(line.substr(0, blank));
    const auto verb = verbs().find(step.verb);
    if (verb == verbs().end())
        return std::nullopt;
    std::string_view rest = blank == std::string_view::npos ? "" : line.substr(blank + 1);
    for (std::size_t field = 0; field < verb->second; ++field) {
        const bool last = field + 1 == verb->second;
        const auto end = last ? std::string_view::npos : rest.find(' ');
        if (rest.empty() || (!last && end == std::string_view::npos))
            return std::nullopt;
        step.fields.emplace_back(rest.substr(0, end));
        rest = last ? "" : rest.substr(end + 1);
    }
    if (!rest.empty())
        return std::nullopt;
    return step;
}

// A step's verb names the kind of setting it sets, or the generator it runs.
bool isVerbOf(std::string_view verb, SettingKind kind) {
    return verb == settingKindName(kind);
}

// The steps that make a new file from a text rather than change the open one.
bool generates(const std::string& verb) {
    return isVerbOf(verb, SettingKind::OuterText) || isVerbOf(verb, SettingKind::Gprs) ||
           verb == "gprs-text";
}

// The editor's setting a step sets: one of the four editors' by its kind's
// name, or a colour's transparency.
std::optional<SettingKind> editedSetting(std::string_view verb) {
    if (verb == "transparency")
        return SettingKind::Color;
    const std::optional<SettingKind> kind = settingKindNamed(verb);
    if (kind == SettingKind::Switch || kind == SettingKind::Style || kind == SettingKind::Volume ||
        kind == SettingKind::Color)
        return kind;
    return std::nullopt;
}

bool isHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// Where a step's failure or warning comes from.
std::string lineOf(const ScenarioStep& step) {
    return "line " + std::to_string(step.line) + " (" + step.verb + "): ";
}

// The lines that are neither blank nor comments, whole, with their numbers.
std::vector<ScenarioStep> parseLines(std::string_view text) {
    std::vector<ScenarioStep> lines;
    int number = 0;
    while (!text.empty()) {
        ++number;
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? "" : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty() && line.front() != '#')
            lines.push_back({std::string(line), {}, number});
    }
    return lines;
}

class ScenarioPlayer {
  public:
    ScenarioPlayer(EditingSession& session, std::string samples)
        : m_session(session), m_samples(std::move(samples)) {}

    std::optional<Failure> play(const ScenarioStep& step);
    std::vector<std::uint8_t> result;
    std::vector<std::string> warnings;

  private:
    std::optional<std::string> keyOf(SettingKind kind, const std::string& name) const;
    std::optional<Failure> setting(const ScenarioStep& step, SettingKind kind);
    std::optional<Failure> exportChanges(const std::string& name);
    std::optional<Failure> applyRecipe(const std::string& field);
    std::optional<Failure> typeCell(const ScenarioStep& step);
    // As the generator commands warn: the phone would show less than was typed.
    void warnIfCut(const ScenarioStep& step, std::u16string_view typed, std::size_t units);
    std::optional<Failure> findStep(const ScenarioStep& step);
    std::optional<Failure> failed(const EditResult& refused) const {
        if (!refused)
            return std::nullopt;
        return Failure{refused->text(m_session.strings())};
    }

    EditingSession& m_session;
    std::string m_samples;
    // The recipes exported so far, by name, as the JSON a face would write.
    std::map<std::string, std::string> m_recipes;
};

std::optional<std::string> ScenarioPlayer::keyOf(SettingKind kind, const std::string& name) const {
    const SettingNameIndex names(m_session.model());
    const auto& keys = names.keysNamed(kind, name);
    if (keys.size() != 1)
        return std::nullopt;
    return keys.front();
}

std::optional<Failure> ScenarioPlayer::setting(const ScenarioStep& step, SettingKind kind) {
    const auto key = keyOf(kind, step.fields[1]);
    if (!key)
        return Failure{"no single " + std::string(settingKindName(kind)) + " is named " +
                       step.fields[1]};
    if (kind == SettingKind::Color) {
        if (step.verb == "transparency") {
            if (!isPercentage(step.fields[0]))
                return Failure{"the transparency must be a percentage from 0 to 100, not " +
                               step.fields[0]};
            (void)m_session.setTransparencyText(*key, step.fields[0]);
            return std::nullopt;
        }
        return failed(m_session.setColorText(*key, step.fields[0]));
    }
    return failed(m_session.setSetting({kind, *key, step.fields[0], "", 0}));
}

std::optional<Failure> ScenarioPlayer::exportChanges(const std::string& name) {
    if (!m_session.fileOpen())
        return Failure{"no file is open"};
    m_recipes[name] = recipeToJson(m_session.changesSinceOpen().recipe);
    return std::nullopt;
}

// "NAME", "NAME except SETTING" or "NAME only SETTING": the review's rows,
// ticked as they come, with the setting's row unticked, or only it ticked.
std::optional<Failure> ScenarioPlayer::applyRecipe(const std::string& field) {
    const auto blank = field.find(' ');
    const std::string name = field.substr(0, blank);
    std::string choice;
    std::string setting;
    if (blank != std::string::npos) {
        const std::string rest = field.substr(blank + 1);
        const auto next = rest.find(' ');
        choice = rest.substr(0, next);
        setting = next == std::string::npos ? "" : rest.substr(next + 1);
        if ((choice != "except" && choice != "only") || setting.empty())
            return Failure{"apply-recipe takes NAME, NAME except SETTING or NAME only SETTING"};
    }
    const auto recipe = m_recipes.find(name);
    if (recipe == m_recipes.end())
        return Failure{"no recipe " + name + " was exported"};
    const RecipeParse parse = parseGivenRecipe(recipe->second);
    if (!parse.ok())
        return Failure{parse.problems.front()};
    const RecipeReview review = m_session.reviewRecipe(parse.recipe);
    if (review.refusal)
        return Failure{review.refusal->text(m_session.strings())};
    std::vector<std::size_t> rows;
    bool named = setting.empty();
    for (std::size_t i = 0; i < review.rows.size(); ++i) {
        const bool isSetting = toLowerAscii(review.rows[i].setting) == toLowerAscii(setting);
        named = named || isSetting;
        if (choice == "only" ? isSetting : review.rows[i].ticked && !isSetting)
            rows.push_back(i);
    }
    if (!named)
        return Failure{"the recipe has no entry for " + setting};
    if (const auto problems = m_session.applyReviewed(review, rows); !problems.empty())
        return Failure{problems.front()};
    return std::nullopt;
}

std::optional<Failure> ScenarioPlayer::typeCell(const ScenarioStep& step) {
    const auto offset = parseHex(step.fields[0]);
    if (!offset || !m_session.grid().contains(static_cast<int>(*offset)))
        return Failure{"no cell " + step.fields[0] + " to type " + step.fields[1] + " into"};
    const std::string& digits = step.fields[1];
    if (digits.size() != 2 || !isHexDigit(digits[0]) || !isHexDigit(digits[1]))
        return Failure{"a cell takes two hex digits, not " + digits};
    m_session.focusCell(static_cast<int>(*offset));
    m_session.typeCharacter(digits[0]);
    m_session.typeCharacter(digits[1]);
    return std::nullopt;
}

void ScenarioPlayer::warnIfCut(const ScenarioStep& step, std::u16string_view typed,
                               std::size_t units) {
    const std::u16string kept = wholeCharacters(typed, units);
    if (kept.size() < typed.size())
        warnings.push_back(lineOf(step) + "the text does not fit and was cut to \"" +
                           utf16ToUtf8(kept) + "\" (" + std::to_string(kept.size()) +
                           " UTF-16 units)");
}

// find TEXT chooses the first setting whose name or description holds TEXT,
// as the find bar does; toggle then turns that switch over, as Edit > Switch
// On/Off does for the switch chosen in the tree.
std::optional<Failure> ScenarioPlayer::findStep(const ScenarioStep& step) {
    if (step.verb == "find") {
        m_session.find(FindMode::Settings, step.fields[0]);
        if (!m_session.finder().currentSetting())
            return Failure{"no setting mentions " + step.fields[0]};
        return std::nullopt;
    }
    const SettingMatch* chosen = m_session.finder().currentSetting();
    if (!chosen || chosen->kind != SettingKind::Switch)
        return Failure{"no switch was found to toggle"};
    return failed(m_session.toggleSwitch(chosen->key));
}

std::optional<Failure> ScenarioPlayer::play(const ScenarioStep& step) {
    const std::string& verb = step.verb;
    if (verb != "open" && !generates(verb) && !m_session.fileOpen())
        return Failure{"no file is open"};
    if (verb == "find" || verb == "toggle")
        return findStep(step);
    if (verb == "open") {
        const std::string& name = step.fields[0];
        // A sample by its name: a scenario reaches no file outside the folder.
        if (name == "." || name == ".." || name.find_first_of("/\\") != std::string::npos)
            return Failure{"a scenario opens a sample by its name alone, not " + name};
        const OpenResult opened = m_session.open(m_samples + name);
        if (!opened.opened)
            return Failure{opened.message->text(m_session.strings())};
    } else if (const std::optional<SettingKind> kind = editedSetting(verb)) {
        return setting(step, *kind);
    } else if (verb == "reset-volumes") {
        return failed(m_session.resetVolumes());
    } else if (isVerbOf(verb, SettingKind::Title)) {
        return failed(m_session.setTitle(utf8ToUtf16(step.fields[0])));
    } else if (verb == "cell") {
        return typeCell(step);
    } else if (verb == "undo") {
        m_session.undo();
    } else if (verb == "redo") {
        m_session.redo();
    } else if (verb == "save") {
        const SaveResult saved = m_session.bytesToSave(result);
        if (saved.status != SaveResult::Status::Saved)
            return Failure{saved.message};
        m_session.markSaved(result);
    } else if (isVerbOf(verb, SettingKind::OuterText)) {
        const std::u16string typed = utf8ToUtf16(step.fields[0]);
        warnIfCut(step, trimBlanks(typed), kOuterTextUnits);
        result = m_session.generateOuterText(typed).bytes;
    } else if (isVerbOf(verb, SettingKind::Gprs)) {
        if (step.fields[0] != "date" && step.fields[0] != "nothing")
            return Failure{"gprs is date or nothing, not " + step.fields[0]};
        result = m_session
                     .generateGprs(step.fields[0] == "date" ? GprsDisplayMode::AlwaysDate
                                                            : GprsDisplayMode::ShowNothing,
                                   {})
                     .bytes;
    } else if (verb == "gprs-text") {
        const std::u16string typed = utf8ToUtf16(step.fields[0]);
        warnIfCut(step, typed, kGprsTextUnits);
        result = m_session.generateGprs(GprsDisplayMode::CustomText, typed).bytes;
    } else if (verb == "export-changes") {
        return exportChanges(step.fields[0]);
    } else if (verb == "apply-recipe") {
        return applyRecipe(step.fields[0]);
    }
    return std::nullopt;
}

} // namespace

ScenarioParse parseScenario(std::string_view text) {
    ScenarioParse parse;
    for (const ScenarioStep& line : parseLines(text)) {
        auto step = splitStep(line.verb, line.line);
        if (!step) {
            parse.failure =
                Failure{"line " + std::to_string(line.line) + ": not a step: " + line.verb};
            return parse;
        }
        parse.steps.push_back(std::move(*step));
    }
    return parse;
}

ScenarioRun runScenario(EditingSession& session, const std::vector<ScenarioStep>& steps,
                        const std::string& samplesFolder) {
    ScenarioPlayer player(session, samplesFolder);
    ScenarioRun run;
    for (const ScenarioStep& step : steps) {
        if (auto failure = player.play(step)) {
            run.failure = Failure{lineOf(step) + failure->message};
            run.warnings = std::move(player.warnings);
            return run;
        }
    }
    run.result = std::move(player.result);
    run.warnings = std::move(player.warnings);
    return run;
}

std::string scenarioBytesText(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", bytes[i]);
        text += hex;
        text += (i % 16 == 15 || i + 1 == bytes.size()) ? '\n' : ' ';
    }
    return text;
}

std::optional<std::vector<std::uint8_t>> parseScenarioBytes(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    for (const ScenarioStep& line : parseLines(text)) {
        for (std::string_view rest = line.verb; !rest.empty();) {
            const auto end = rest.find(' ');
            const auto value = parseHex(rest.substr(0, end));
            if (end == 0 || rest.substr(0, end).size() != 2 || !value)
                return std::nullopt;
            bytes.push_back(static_cast<std::uint8_t>(*value));
            rest = end == std::string_view::npos ? "" : rest.substr(end + 1);
        }
    }
    return bytes;
}

} // namespace vantrel
