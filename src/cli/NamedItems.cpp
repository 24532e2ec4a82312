// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/NamedItems.h"

#include "core/document/BitHelpers.h"

namespace vantrel::cli {

namespace {

std::vector<std::size_t> named(const std::vector<std::string>& names, const std::string& name) {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name)
            found.push_back(i);
    }
    return found;
}

} // namespace

NamePick pickByName(const std::vector<std::string>& names, const std::string& wanted,
                    const std::string& what) {
    const std::vector<std::size_t> exact = named(names, wanted);
    if (exact.size() == 1)
        return {exact.front(), {}};
    if (exact.size() > 1) {
        std::string problem =
            wanted + " names " + std::to_string(exact.size()) + " " + what + " items; give one of:";
        for (std::size_t n = 1; n <= exact.size(); ++n)
            problem += (n == 1 ? " \"" : ", \"") + wanted + "#" + std::to_string(n) + "\"";
        return {std::nullopt, problem};
    }
    // An ID may itself hold "#", so the numbered form is only tried after the plain one.
    if (const auto hash = wanted.rfind('#'); hash != std::string::npos) {
        const auto number = parseDecimal(wanted.substr(hash + 1));
        const std::vector<std::size_t> several = named(names, wanted.substr(0, hash));
        if (number && *number >= 1 && static_cast<std::size_t>(*number) <= several.size() &&
            several.size() > 1)
            return {several[static_cast<std::size_t>(*number) - 1], {}};
    }
    return {std::nullopt, "no " + what + " " + wanted};
}

} // namespace vantrel::cli
