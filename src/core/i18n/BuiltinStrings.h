// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vantrel {

// The English string table compiled into the program, used for any string that
// language.xml does not supply (a missing or broken language file).
[[nodiscard]] const std::vector<std::string>& builtinEnglishStrings();

// The numbered strings of language.xml, by name; the numbers are the file's order.
enum class UiString : int {
#define VANTREL_UI_STRING(name, number) name = number,
#include "core/i18n/UiStringList.def"
#undef VANTREL_UI_STRING
};

} // namespace vantrel
