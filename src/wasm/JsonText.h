// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vantrel::wasm {

// A member's name as the page's contract declares it (ContractValues.h): the
// only kind of name JsonText writes, so every member it writes is declared.
struct Field {
    explicit constexpr Field(std::string_view memberName) : name(memberName) {}
    std::string_view name;
};

// JSON text written straight into one string, for the answers that can hold
// thousands of items (a function tree, the cells) and for the changes pushed
// to the page: one text and one JSON.parse cost a fraction of building the
// objects a property at a time, and cross into JavaScript once.
class JsonText {
  public:
    JsonText& beginObject() { return open('{'); }
    JsonText& endObject() { return close('}'); }
    JsonText& beginArray() { return open('['); }
    JsonText& endArray() { return close(']'); }

    JsonText& key(Field field) {
        separate();
        quote(field.name);
        m_text += ':';
        m_first = true;
        return *this;
    }

    JsonText& value(std::string_view text) {
        separate();
        quote(text);
        return *this;
    }
    JsonText& value(const char* text) { return value(std::string_view(text)); }
    JsonText& value(const std::string& text) { return value(std::string_view(text)); }
    JsonText& value(int number) {
        separate();
        m_text += std::to_string(number);
        return *this;
    }
    JsonText& value(bool flag) {
        separate();
        m_text += flag ? "true" : "false";
        return *this;
    }

    JsonText& null() {
        separate();
        m_text += "null";
        return *this;
    }
    // A value already written as JSON elsewhere.
    JsonText& raw(std::string_view json) {
        separate();
        m_text += json;
        return *this;
    }
    void clear() {
        m_text.clear();
        m_first = true;
    }

    template <typename T> JsonText& member(Field field, const T& content) {
        return key(field).value(content);
    }

    [[nodiscard]] const std::string& text() const { return m_text; }

  private:
    JsonText& open(char bracket) {
        separate();
        m_text += bracket;
        m_first = true;
        return *this;
    }
    JsonText& close(char bracket) {
        m_text += bracket;
        m_first = false;
        return *this;
    }
    void separate() {
        if (!m_first)
            m_text += ',';
        m_first = false;
    }
    // Bytes that are not UTF-8 pass through; the module's string conversion
    // turns them into U+FFFD, which leaves the text valid JSON.
    void quote(std::string_view text) {
        m_text += '"';
        for (const char c : text) {
            if (c == '"' || c == '\\') {
                m_text += '\\';
                m_text += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                m_text += escaped;
            } else {
                m_text += c;
            }
        }
        m_text += '"';
    }

    std::string m_text;
    bool m_first = true;
};

} // namespace vantrel::wasm
