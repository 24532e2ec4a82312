// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>

namespace vantrel::cli {

// Members stay in the order they are added, as the man page lists them.
using Json = nlohmann::ordered_json;

// object[key] = path as UTF-8. File names are bytes, not text: a path that is
// not valid UTF-8 gets its bad bytes replaced by U+FFFD, and its exact bytes,
// in hexadecimal, in object[key + "_bytes"].
void putPath(Json& object, const std::string& key, const std::string& path);

// {"path": path, "error": problem}: a file that failed keeps its place in an array.
[[nodiscard]] Json errorObject(const std::string& path, const std::string& problem);

// errorObject with "skipped": true, for an entry of a folder that is no file
// and was left unopened.
[[nodiscard]] Json skippedObject(const std::string& path, const std::string& problem);

// value on one line; text that is not UTF-8 is repaired, so the output always parses.
void printJson(std::ostream& out, const Json& value);

} // namespace vantrel::cli
