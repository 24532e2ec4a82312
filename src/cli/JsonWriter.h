// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::cli {

// Writes one JSON value to a stream, with commas placed for the caller.
class JsonWriter {
  public:
    explicit JsonWriter(std::ostream& out) : m_out(out) {}

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The name of the next member of the current object.
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(long long number);
    JsonWriter& value(int number) { return value(static_cast<long long>(number)); }
    JsonWriter& value(bool flag);
    JsonWriter& null();

  private:
    void separate();

    std::ostream& m_out;
    std::vector<bool> m_firstInLevel;
    bool m_afterKey = false;
};

// text as a JSON string literal, quotes included; bytes that are not valid
// UTF-8 are kept as they are, control characters are escaped.
[[nodiscard]] std::string jsonQuoted(std::string_view text);

} // namespace vantrel::cli
