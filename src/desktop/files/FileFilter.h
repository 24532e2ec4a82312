// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The name filters of a file dialog, from a filter text written as
// "description|pattern|description|pattern" (the form the language file
// uses). Each pair becomes "description (pattern)", the form Qt's file
// dialogs read; several patterns joined by ";" become space-separated. A
// description without a pattern (no "|" at all, or an odd count of parts)
// becomes "description ()", which Qt reads as "no filtering". As with the
// zero-separated lists of the system dialogs, an empty description ends the
// list, so an empty filter gives no name filters at all.
[[nodiscard]] std::vector<std::string> toNameFilters(std::string_view filter);

// The path a Save dialog's answer names: a file name typed without any
// extension gets ".seem", so the new file shows in the Open dialog, which
// lists *.seem. A name with an extension (even ".bin" or a trailing dot) is
// kept as typed.
[[nodiscard]] std::string withSeemSuffix(std::string path);
// The same for another kind of file: suffix without its dot ("json").
[[nodiscard]] std::string withDefaultSuffix(std::string path, std::string_view suffix);

} // namespace vantrel
