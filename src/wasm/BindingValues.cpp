// SPDX-License-Identifier: GPL-3.0-or-later
#include "wasm/BindingValues.h"

#include "core/i18n/BuiltinStrings.h"
#include "core/recipe/Recipe.h"

#include <emscripten/bind.h>

#include <cstdio>

namespace vantrel::wasm {

UiStrings& languageInUse() {
    static UiStrings strings;
    return strings;
}

val refusal(const std::string& message) {
    val answer = val::object();
    answer.set("vantrelError", message);
    return answer;
}

val jsonValue(const Json& json) {
    return val::global("JSON").call<val>("parse",
                                         json.dump(-1, ' ', false, Json::error_handler_t::replace));
}

val jsonValue(const JsonText& json) {
    return val::global("JSON").call<val>("parse", json.text());
}

val bytesValue(const std::vector<std::uint8_t>& bytes) {
    // A copy: a view into the module's memory would change under the caller.
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bytes.size(), bytes.data()))
        .call<val>("slice");
}

std::vector<std::uint8_t> bytesFrom(const val& array) {
    return emscripten::convertJSArrayToNumberVector<std::uint8_t>(array);
}

val stringArray(const std::vector<std::string>& texts) {
    val array = val::array();
    for (const std::string& text : texts)
        array.call<void>("push", text);
    return array;
}

std::vector<std::string> stringsFrom(const val& array) {
    std::vector<std::string> texts;
    if (array.isUndefined() || array.isNull())
        return texts;
    const int length = array["length"].as<int>();
    for (int i = 0; i < length; ++i)
        texts.push_back(array[i].as<std::string>());
    return texts;
}

std::optional<int> optionalInt(const val& object, const char* name) {
    if (object.isUndefined() || object.isNull())
        return std::nullopt;
    const val member = object[name];
    if (member.isUndefined() || member.isNull())
        return std::nullopt;
    return member.as<int>();
}

bool optionalFlag(const val& object, const char* name) {
    return !object.isUndefined() && !object.isNull() && object[name].as<bool>();
}

std::string kindName(SettingKind kind) {
    return std::string(settingKindName(kind));
}

const char* gprsModeName(GprsDisplayMode mode) {
    return mode == GprsDisplayMode::AlwaysDate    ? "date"
           : mode == GprsDisplayMode::ShowNothing ? "nothing"
                                                  : "text";
}

std::optional<GprsDisplayMode> gprsModeFrom(const std::string& name) {
    if (name == "date")
        return GprsDisplayMode::AlwaysDate;
    if (name == "nothing")
        return GprsDisplayMode::ShowNothing;
    if (name == "text")
        return GprsDisplayMode::CustomText;
    return std::nullopt;
}

Json comparisonJson(const SeemComparison& comparison) {
    Json differences = Json::array();
    for (const SettingDifference& difference : comparison.differences) {
        differences.push_back({{"kind", kindName(difference.kind)},
                               {"key", difference.key},
                               {"name", difference.name},
                               {"ours", difference.ours},
                               {"theirs", difference.theirs},
                               {"firstCell", difference.firstCell},
                               {"lastCell", difference.lastCell}});
    }
    return {{"bySettings", comparison.bySettings},
            {"reason", comparison.reason},
            {"differences", std::move(differences)}};
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

std::string trimmedText(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string invalidCellMessage(int cell) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(cell));
    return languageInUse().format(UiString::InvalidCell, {std::to_string(cell), hex});
}

} // namespace vantrel::wasm
