// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/files/FileFilter.h"

namespace vantrel {

namespace {

std::vector<std::string_view> splitOn(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t pos; (pos = text.find(separator, start)) != std::string_view::npos;) {
        parts.push_back(text.substr(start, pos - start));
        start = pos + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "*.seem;*.bin" as "*.seem *.bin"; Qt splits a filter's patterns on blanks.
std::string joinPatterns(std::string_view patterns) {
    std::string joined;
    for (const std::string_view part : splitOn(patterns, ';')) {
        const std::string_view pattern = trimmed(part);
        if (pattern.empty())
            continue;
        if (!joined.empty())
            joined += ' ';
        joined += pattern;
    }
    return joined;
}

} // namespace

std::vector<std::string> toNameFilters(std::string_view filter) {
    const std::vector<std::string_view> parts = splitOn(filter, '|');
    std::vector<std::string> nameFilters;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        const std::string_view description = parts[i];
        if (description.empty())
            break;
        const std::string_view patterns = i + 1 < parts.size() ? parts[i + 1] : std::string_view();
        nameFilters.push_back(std::string(description) + " (" + joinPatterns(patterns) + ")");
    }
    return nameFilters;
}

std::string withSeemSuffix(std::string path) {
    return withDefaultSuffix(std::move(path), "seem");
}

std::string withDefaultSuffix(std::string path, std::string_view suffix) {
    const std::size_t nameStart = path.find_last_of('/') + 1; // npos + 1 is 0
    const std::string_view name = std::string_view(path).substr(nameStart);
    if (!name.empty() && name.find('.') == std::string_view::npos) {
        path += '.';
        path += suffix;
    }
    return path;
}

} // namespace vantrel
