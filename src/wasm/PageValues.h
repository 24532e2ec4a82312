// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The values a page hands over, each checked for its kind before it is read,
// and the values handed back. A value of the wrong kind is refused with the
// binding's own message, never read as something else (a null as 0, a number
// as a string) and never left to embind, whose refusals are raw TypeErrors.
#include "wasm/JsonText.h"

#include <emscripten/val.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::wasm {

using emscripten::val;

// A refusal, answered as { vantrelError: message }: errors.post.js throws it
// as a VantrelError once the call has left the module, so no JavaScript
// exception ever unwinds through C++ frames.
val refusal(const std::string& message);

// Reads the arguments of one call, naming the first one of a wrong kind:
//   PageValues in("setVolume");
//   auto key = in.text(args[0], "key"); ... if (in.failed()) return in.refusal();
class PageValues {
  public:
    explicit PageValues(const char* call) : m_call(call) {}

    std::string text(const val& value, const std::string& name);
    // A whole number within [minimum, maximum].
    int integer(const val& value, const std::string& name, double minimum, double maximum);
    bool flag(const val& value, const std::string& name);
    std::vector<std::uint8_t> bytes(const val& value, const std::string& name);
    std::vector<std::string> texts(const val& value, const std::string& name);
    // An argument that may be left out (undefined); null is a value of the wrong kind.
    [[nodiscard]] static bool absent(const val& value) { return value.isUndefined(); }
    std::optional<std::string> optionalText(const val& value, const std::string& name);
    // An object of options, or nothing; its member, or nothing when left out.
    val options(const val& value, const std::string& name);
    [[nodiscard]] static val member(const val& object, Field field);
    // An array of at most maximum items.
    int arrayLength(const val& value, const std::string& name, int maximum);

    // Refuses the call: name must be what wanted says.
    void fail(const std::string& name, const std::string& wanted);

    [[nodiscard]] bool failed() const { return !m_problem.empty(); }
    [[nodiscard]] const std::string& problem() const { return m_problem; }
    [[nodiscard]] val refusal() const { return wasm::refusal(m_problem); }

  private:
    std::string m_call;
    std::string m_problem;
};

[[nodiscard]] bool isObject(const val& value);
// A JavaScript function the module may call.
[[nodiscard]] bool isCallable(const val& value);

// An object's member as the contract names it, for values that cannot be
// JSON (bytes).
template <typename T> void setMember(val& object, Field field, const T& value) {
    object.set(std::string(field.name), value);
}

// A copy of bytes as a Uint8Array: a view into the module's memory would
// change under the caller.
val bytesValue(const std::vector<std::uint8_t>& bytes);
val stringArray(const std::vector<std::string>& texts);

// The most files a folder the page hands over may hold.
inline constexpr int kMaxFolderFiles = 100000;

// Problems one a line, as a refusal shows them.
[[nodiscard]] std::string joinLines(const std::vector<std::string>& lines);

// A JSON text made into JavaScript values. It is read in place through a view
// of the module's memory, so no second copy of a large text is made there.
val jsonValue(const JsonText& json);
val jsonValue(const std::string& text);

} // namespace vantrel::wasm
