// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recipe/RecipeJson.h"

#include "core/base/BitHelpers.h"
#include "core/editors/DecimalText.h"
#include "core/files/RegularFile.h"
#include "core/recipe/RecipeText.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <utility>

namespace vantrel {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::size_t kLargestRecipeFile = 8 * 1024 * 1024;

std::string tooLarge(std::size_t largest) {
    const std::string digits = std::to_string(largest);
    std::string count;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            count += ',';
        count += digits[i];
    }
    return "too large to be a recipe (at most " + count + " bytes)";
}

constexpr std::array kKinds = {SettingKind::Switch, SettingKind::Style, SettingKind::Volume,
                               SettingKind::Color,  SettingKind::Title, SettingKind::OuterText,
                               SettingKind::Gprs,   SettingKind::Bytes};

// Whether arrays and objects nest deeper than limit, counted outside strings:
// the parser recurses once per level, so deeper text is refused before it.
bool nestedDeeperThan(std::string_view text, int limit) {
    int depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > limit)
                return true;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

// nlohmann's own tree builder, keeping where the text went wrong instead of
// throwing: the WebAssembly build has no exceptions, and parses alike. A key
// given twice in one object stops it: nlohmann would keep the last one
// silently, and either could be the one the writer meant.
class PlacedDomParser : public nlohmann::detail::json_sax_dom_parser<Json> {
    using Base = json_sax_dom_parser<Json>;

  public:
    explicit PlacedDomParser(Json& result) : Base(result, false) {}

    bool null() { return counted() && Base::null(); }
    bool boolean(bool value) { return counted() && Base::boolean(value); }
    bool number_integer(number_integer_t value) { return counted() && Base::number_integer(value); }
    bool number_unsigned(number_unsigned_t value) {
        return counted() && Base::number_unsigned(value);
    }
    bool number_float(number_float_t value, const string_t& text) {
        return counted() && Base::number_float(value, text);
    }
    bool string(string_t& value) { return counted() && Base::string(value); }
    bool binary(binary_t& value) { return counted() && Base::binary(value); }
    bool start_object(std::size_t length) {
        counted();
        m_levels.push_back(Level{});
        return Base::start_object(length);
    }
    bool start_array(std::size_t length) {
        counted();
        m_levels.emplace_back().isArray = true;
        return Base::start_array(length);
    }
    bool end_object() {
        m_levels.pop_back();
        return Base::end_object();
    }
    bool end_array() {
        m_levels.pop_back();
        return Base::end_array();
    }
    bool key(string_t& name) {
        Level& object = m_levels.back();
        if (!object.keys.insert(name).second) {
            m_duplicate = "\"" + name + "\" is given twice in " + placeOfObject();
            return false;
        }
        object.key = name;
        return Base::key(name);
    }

    template <class Exception>
    bool parse_error(std::size_t position, const std::string& token, const Exception& error) {
        m_errorByte = position;
        return Base::parse_error(position, token, error);
    }
    [[nodiscard]] std::optional<std::size_t> errorByte() const { return m_errorByte; }
    // What was given twice and where, or "".
    [[nodiscard]] const std::string& duplicate() const { return m_duplicate; }

  private:
    struct Level {
        bool isArray = false;
        std::size_t values = 0; // an array's values so far
        std::string key;        // an object's member being read
        std::set<std::string> keys;
    };

    bool counted() {
        if (!m_levels.empty() && m_levels.back().isArray)
            ++m_levels.back().values;
        return true;
    }

    // The open object, as a person finds it: "entry 3" where most keys are,
    // else its path from the top ("/note/0"), or "the recipe" for the top.
    std::string placeOfObject() const {
        if (m_levels.size() == 1)
            return "the recipe";
        if (m_levels.size() == 3 && m_levels[0].key == "entries" && m_levels[1].isArray)
            return "entry " + std::to_string(m_levels[1].values);
        std::string path;
        for (std::size_t i = 0; i + 1 < m_levels.size(); ++i)
            path += "/" + (m_levels[i].isArray ? std::to_string(m_levels[i].values - 1)
                                               : m_levels[i].key);
        return path;
    }

    std::vector<Level> m_levels;
    std::optional<std::size_t> m_errorByte;
    std::string m_duplicate;
};

// "line 3, column 7" for the 1-based byte position the parser gives.
std::string placeOf(std::string_view text, std::size_t position) {
    const std::size_t end = std::min(position == 0 ? 0 : position - 1, text.size());
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(end - lineStart + 1);
}

// Numbers are written as numbers, so "value": 6 reads as a person would write it.
Json asNumber(const std::string& text) {
    if (const auto whole = parseDecimal(text); whole && std::to_string(*whole) == text)
        return *whole;
    if (const auto number = parseGeneralDecimal(text))
        return *number;
    return text;
}

Json entryToJson(const RecipeEntry& entry) {
    Json json;
    json["seem"] = entry.seem;
    const std::string kind(settingKindName(entry.kind));
    switch (entry.kind) {
    case SettingKind::Switch:
    case SettingKind::Style:
    case SettingKind::Color:
        json[kind] = entry.path;
        json["value"] = entry.value;
        break;
    case SettingKind::Volume:
        json[kind] = entry.path;
        json["value"] = asNumber(entry.value);
        break;
    case SettingKind::Title:
    case SettingKind::OuterText:
        json[kind] = entry.value;
        break;
    case SettingKind::Gprs:
        json[kind] = entry.path;
        if (entry.path == "text")
            json["value"] = entry.value;
        break;
    case SettingKind::Bytes:
        json["offset"] = entry.offset;
        json[kind] = entry.value;
        break;
    }
    if (!entry.transparency.empty())
        json["transparency"] = asNumber(entry.transparency);
    if (entry.from)
        json["from"] =
            entry.kind == SettingKind::Volume ? asNumber(*entry.from) : Json(*entry.from);
    return json;
}

// A number or a string, as text: volumes and transparencies may be written either way.
std::optional<std::string> scalarText(const Json& value) {
    if (value.is_string())
        return value.get<std::string>();
    if (value.is_number_unsigned())
        return std::to_string(value.get<unsigned long long>());
    if (value.is_number_integer())
        return std::to_string(value.get<long long>());
    if (value.is_number()) {
        std::string text = value.dump();
        return text;
    }
    return std::nullopt;
}

std::string entryFromJson(const Json& json, RecipeEntry& entry) {
    if (!json.is_object())
        return "an entry is an object";
    const auto seem = json.find("seem");
    if (seem == json.end() || !seem->is_string() || seem->get<std::string>().empty())
        return "no \"seem\"";
    entry.seem = seem->get<std::string>();
    int kinds = 0;
    for (SettingKind kind : kKinds) {
        const auto member = json.find(std::string(settingKindName(kind)));
        if (member == json.end())
            continue;
        ++kinds;
        entry.kind = kind;
        if (!member->is_string())
            return "\"" + std::string(settingKindName(kind)) + "\" must be a string";
        (kind == SettingKind::Title || kind == SettingKind::OuterText || kind == SettingKind::Bytes
             ? entry.value
             : entry.path) = member->get<std::string>();
    }
    if (kinds != 1)
        return "an entry names exactly one of switch, style, volume, color, title, outertext, "
               "gprs, bytes";
    for (const auto& [name, value] : json.items()) {
        static const std::array known = {"seem",   "switch",       "style", "volume", "color",
                                         "title",  "outertext",    "gprs",  "bytes",  "value",
                                         "offset", "transparency", "from"};
        if (std::find(known.begin(), known.end(), name) == known.end())
            return "unknown member \"" + name + "\"";
    }
    const bool needsValue = entry.kind == SettingKind::Switch || entry.kind == SettingKind::Style ||
                            entry.kind == SettingKind::Volume || entry.kind == SettingKind::Color ||
                            (entry.kind == SettingKind::Gprs && entry.path == "text");
    const auto value = json.find("value");
    if (needsValue) {
        const auto text = value == json.end() ? std::nullopt : scalarText(*value);
        if (!text)
            return "no \"value\"";
        entry.value = *text;
    }
    if (entry.kind == SettingKind::Bytes) {
        const auto offset = json.find("offset");
        if (offset == json.end() || !offset->is_number_unsigned() ||
            offset->get<unsigned long long>() > 1'000'000)
            return "\"offset\" must be a whole number of bytes";
        entry.offset = static_cast<int>(offset->get<long long>());
    }
    if (const auto transparency = json.find("transparency"); transparency != json.end()) {
        const auto text = scalarText(*transparency);
        if (!text || entry.kind != SettingKind::Color)
            return "\"transparency\" belongs to a colour, as a percentage";
        entry.transparency = *text;
    }
    if (const auto from = json.find("from"); from != json.end()) {
        const auto text = scalarText(*from);
        if (!text)
            return "\"from\" must be a string or a number";
        entry.from = *text;
    }
    return "";
}

} // namespace

std::string recipeToJson(const Recipe& recipe) {
    std::string text = "{\n  \"$schema\": " + Json(kRecipeSchema).dump() +
                       ",\n  \"version\": " + std::to_string(kRecipeVersion) +
                       ",\n  \"entries\": [";
    for (std::size_t i = 0; i < recipe.entries.size(); ++i) {
        text += i == 0 ? "\n    " : ",\n    ";
        text += entryToJson(recipe.entries[i]).dump(-1, ' ', false, Json::error_handler_t::replace);
    }
    text += recipe.entries.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return text;
}

RecipeParse parseRecipe(std::string_view text) {
    RecipeParse parse;
    if (nestedDeeperThan(text, kDeepestRecipe)) {
        parse.problems.push_back("nested too deeply to be a recipe");
        return parse;
    }
    Json json;
    PlacedDomParser parser(json);
    Json::sax_parse(text.begin(), text.end(), &parser);
    if (!parser.duplicate().empty()) {
        parse.problems.push_back(parser.duplicate());
        return parse;
    }
    if (const auto errorByte = parser.errorByte()) {
        parse.problems.push_back("not valid JSON at " + placeOf(text, *errorByte));
        return parse;
    }
    if (!json.is_object()) {
        parse.problems.push_back("not a JSON object");
        return parse;
    }
    const auto version = json.find("version");
    if (version == json.end() || !version->is_number_integer() ||
        version->get<long long>() != kRecipeVersion) {
        parse.problems.push_back("not a recipe of version " + std::to_string(kRecipeVersion));
        return parse;
    }
    const auto entries = json.find("entries");
    if (entries == json.end() || !entries->is_array()) {
        parse.problems.push_back("no \"entries\" list");
        return parse;
    }
    for (std::size_t i = 0; i < entries->size(); ++i) {
        RecipeEntry entry;
        if (const std::string fault = entryFromJson((*entries)[i], entry); !fault.empty())
            parse.problems.push_back("entry " + std::to_string(i + 1) + ": " + fault);
        else
            parse.recipe.entries.push_back(std::move(entry));
    }
    return parse;
}

RecipeParse parseRecipeBytes(std::string_view bytes) {
    const RecipeText text = decodeRecipeBytes(bytes);
    if (!text.ok()) {
        RecipeParse parse;
        parse.problems.push_back(text.refusal);
        return parse;
    }
    return parseRecipe(text.text);
}

RecipeParse parseGivenRecipe(std::string_view bytes) {
    if (bytes.size() > kLargestGivenRecipe) {
        RecipeParse parse;
        parse.problems.push_back(tooLarge(kLargestGivenRecipe));
        return parse;
    }
    return parseRecipeBytes(bytes);
}

RecipeParse readRecipeFile(const std::string& path) {
    const RegularFileRead read = readRegularFile(path, kLargestRecipeFile);
    if (!read.ok || read.overLimit) {
        RecipeParse parse;
        parse.problems.push_back(read.overLimit ? tooLarge(kLargestRecipeFile) : read.reason);
        return parse;
    }
    return parseRecipeBytes(read.bytes);
}

} // namespace vantrel
