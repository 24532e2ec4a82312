// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vantrel {

// The string table of the chosen language, addressed by number. A number the
// loaded table lacks falls back to the built-in English text, so no message
// or caption is ever empty for want of a language file.
class UiStrings {
  public:
    UiStrings() = default;
    explicit UiStrings(std::vector<std::string> table) : m_table(std::move(table)) {}

    void replace(std::vector<std::string> table) { m_table = std::move(table); }

    // String n as stored ("\n" still two characters).
    [[nodiscard]] std::string get(int n) const;
    // String n with every "\n" turned into a real line break.
    [[nodiscard]] std::string multiline(int n) const;
    // String n with "%1", "%2", ... replaced by the arguments.
    [[nodiscard]] std::string format(int n, const std::vector<std::string>& args) const;

  private:
    std::vector<std::string> m_table;
};

// Every "\n" (backslash, n) of text replaced by a line break.
[[nodiscard]] std::string expandLineBreaks(std::string text);

} // namespace vantrel
