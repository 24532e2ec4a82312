// SPDX-License-Identifier: GPL-3.0-or-later
#include "wasm/PageValues.h"

#include <emscripten/bind.h>

#include <cmath>

namespace vantrel::wasm {

namespace {

// More than any page has a reason to hand over in one call.
constexpr int kMaxBytes = 1 << 24;

} // namespace

val refusal(const std::string& message) {
    val answer = val::object();
    answer.set("vantrelError", message);
    return answer;
}

bool isCallable(const val& value) {
    return value.instanceof (val::global("Function"));
}

bool isObject(const val& value) {
    return !value.isNull() && value.typeOf().as<std::string>() == "object";
}

void PageValues::fail(const std::string& name, const std::string& wanted) {
    if (m_problem.empty())
        m_problem = m_call + ": " + name + " must be " + wanted;
}

std::string PageValues::text(const val& value, const std::string& name) {
    if (value.isString())
        return value.as<std::string>();
    fail(name, "a string");
    return {};
}

int PageValues::integer(const val& value, const std::string& name, double minimum, double maximum) {
    if (value.isNumber()) {
        const double number = value.as<double>();
        if (std::isfinite(number) && number == std::floor(number) && number >= minimum &&
            number <= maximum)
            return static_cast<int>(number);
    }
    const std::string wanted = "a whole number from " + std::to_string(std::lround(minimum)) +
                               " to " + std::to_string(std::lround(maximum));
    fail(name, wanted);
    return 0;
}

bool PageValues::flag(const val& value, const std::string& name) {
    if (value.typeOf().as<std::string>() == "boolean")
        return value.as<bool>();
    fail(name, "true or false");
    return false;
}

std::vector<std::uint8_t> PageValues::bytes(const val& value, const std::string& name) {
    if (value.instanceof (val::global("Uint8Array"))) {
        const int length = value["length"].as<int>();
        if (length <= kMaxBytes)
            return emscripten::convertJSArrayToNumberVector<std::uint8_t>(value);
    }
    fail(name, "a Uint8Array");
    return {};
}

std::vector<std::string> PageValues::texts(const val& value, const std::string& name) {
    std::vector<std::string> list;
    if (absent(value))
        return list;
    const int length = arrayLength(value, name, 1000);
    for (int i = 0; i < length && !failed(); ++i)
        list.push_back(text(value[i], name));
    return list;
}

std::optional<std::string> PageValues::optionalText(const val& value, const std::string& name) {
    if (absent(value))
        return std::nullopt;
    return text(value, name);
}

val PageValues::options(const val& value, const std::string& name) {
    if (absent(value) || isObject(value))
        return value;
    fail(name, "an object or left out");
    return val::undefined();
}

val PageValues::member(const val& object, Field field) {
    return isObject(object) ? object[std::string(field.name)] : val::undefined();
}

int PageValues::arrayLength(const val& value, const std::string& name, int maximum) {
    if (val::global("Array").call<bool>("isArray", value)) {
        const int length = value["length"].as<int>();
        if (length <= maximum)
            return length;
    }
    const std::string wanted = "an array of at most " + std::to_string(maximum) + " items";
    fail(name, wanted);
    return 0;
}

val bytesValue(const std::vector<std::uint8_t>& bytes) {
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bytes.size(), bytes.data()))
        .call<val>("slice");
}

val stringArray(const std::vector<std::string>& texts) {
    val array = val::array();
    for (const std::string& text : texts)
        array.call<void>("push", text);
    return array;
}

val jsonValue(const std::string& text) {
    return val::module_property("vantrelParseJson")(emscripten::typed_memory_view(
        text.size(), reinterpret_cast<const std::uint8_t*>(text.data())));
}

val jsonValue(const JsonText& json) {
    return jsonValue(json.text());
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

} // namespace vantrel::wasm
