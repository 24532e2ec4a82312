// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/JsonWriter.h"

#include <cstdio>

namespace vantrel::cli {

std::string jsonQuoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\t':
            quoted += "\\t";
            break;
        case '\r':
            quoted += "\\r";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                quoted += escaped;
            } else {
                quoted += c;
            }
        }
    }
    return quoted + "\"";
}

void JsonWriter::separate() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_firstInLevel.empty()) {
        if (!m_firstInLevel.back())
            m_out << ',';
        m_firstInLevel.back() = false;
    }
}

JsonWriter& JsonWriter::beginObject() {
    separate();
    m_out << '{';
    m_firstInLevel.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    m_firstInLevel.pop_back();
    m_out << '}';
    if (m_firstInLevel.empty())
        m_out << '\n';
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    separate();
    m_out << '[';
    m_firstInLevel.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    m_firstInLevel.pop_back();
    m_out << ']';
    if (m_firstInLevel.empty())
        m_out << '\n';
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    separate();
    m_out << jsonQuoted(name) << ':';
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
    separate();
    m_out << jsonQuoted(text);
    return *this;
}

JsonWriter& JsonWriter::value(long long number) {
    separate();
    m_out << number;
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    separate();
    m_out << (flag ? "true" : "false");
    return *this;
}

JsonWriter& JsonWriter::null() {
    separate();
    m_out << "null";
    return *this;
}

} // namespace vantrel::cli
