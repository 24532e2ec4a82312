// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/BuiltinStrings.h"

#include <string>
#include <vector>

namespace vantrel {

// The string table of the chosen language, addressed by name. A string the
// loaded table lacks falls back to the built-in English text, so no message
// or caption is ever empty for want of a language file.
class UiStrings {
  public:
    UiStrings() = default;
    explicit UiStrings(std::vector<std::string> table) : m_table(std::move(table)) {}

    void replace(std::vector<std::string> table) { m_table = std::move(table); }

    // The string as stored ("\n" still two characters).
    [[nodiscard]] std::string get(UiString id) const;
    // The string with every "\n" turned into a real line break.
    [[nodiscard]] std::string multiline(UiString id) const;
    // The string with "%1", "%2", ... replaced by the arguments.
    [[nodiscard]] std::string format(UiString id, const std::vector<std::string>& args) const;

  private:
    std::vector<std::string> m_table;
};

// Every "\n" (backslash, n) of text replaced by a line break.
[[nodiscard]] std::string expandLineBreaks(std::string text);

} // namespace vantrel
