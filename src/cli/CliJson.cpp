// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliJson.h"

#include <utf8.h>

namespace vantrel::cli {

void putPath(Json& object, const std::string& key, const std::string& path) {
    if (utf8::is_valid(path.begin(), path.end())) {
        object[key] = path;
        return;
    }
    object[key] = utf8::replace_invalid(path);
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    object[key + "_bytes"] = hex;
}

Json errorObject(const std::string& path, const std::string& problem) {
    Json object = Json::object();
    putPath(object, "path", path);
    object["error"] = problem;
    return object;
}

Json skippedObject(const std::string& path, const std::string& problem) {
    Json object = errorObject(path, problem);
    object["skipped"] = true;
    return object;
}

void printJson(std::ostream& out, const Json& value) {
    out << value.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

} // namespace vantrel::cli
