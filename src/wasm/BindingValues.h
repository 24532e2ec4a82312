// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every part of the JavaScript API shares: the strings in use, refusals,
// and the conversions between C++ values and JavaScript ones.
#include "core/compare/SeemComparison.h"
#include "core/generators/GprsTextRecord.h"
#include "core/i18n/UiStrings.h"
#include "wasm/JsonText.h"

#include <emscripten/val.h>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::wasm {

using emscripten::val;
using Json = nlohmann::json;

// The strings of every message and step name: setLanguage's, else English.
UiStrings& languageInUse();

// A refusal, answered as { vantrelError: message }: errors.post.js throws it as
// a VantrelError once the call has left the module, so no JavaScript exception
// ever unwinds through C++ frames.
val refusal(const std::string& message);

// Large answers go over as one JSON text: far cheaper than building them a
// property at a time from C++.
val jsonValue(const Json& json);
val jsonValue(const JsonText& json);

val bytesValue(const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> bytesFrom(const val& array);
val stringArray(const std::vector<std::string>& texts);
std::vector<std::string> stringsFrom(const val& array);

// Members of an options object that may be left out.
std::optional<int> optionalInt(const val& object, const char* name);
bool optionalFlag(const val& object, const char* name);

const char* kindName(SettingKind kind);
const char* gprsModeName(GprsDisplayMode mode);
std::optional<GprsDisplayMode> gprsModeFrom(const std::string& name);

// A comparison as the API gives it: bySettings, reason, differences.
Json comparisonJson(const SeemComparison& comparison);

std::string joinLines(const std::vector<std::string>& lines);
// The text without the blanks and tabs around it, as a typed box is read.
std::string trimmedText(const std::string& text);
// The desktop's refusal of a cell that does not hold a byte.
std::string invalidCellMessage(int cell);

} // namespace vantrel::wasm
