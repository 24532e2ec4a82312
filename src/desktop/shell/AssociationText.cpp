// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of an association: the MIME package, the desktop entry and the
// default in mimeapps.list.
#include "desktop/shell/PackagedDesktopFiles.h"
#include "desktop/shell/SeemAssociation.h"

#include <algorithm>
#include <sstream>

namespace vantrel {

namespace {

constexpr std::string_view kDefaultSection = "[Default Applications]";

// A command-line argument in a desktop entry's Exec key: quoted, with the
// characters the quotes do not protect escaped, "%" doubled, and then every
// backslash escaped once more because the key holds a string value.
std::string execArgument(const std::string& argument) {
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c == '%' ? std::string("%%") : std::string(1, c);
    }
    quoted += '"';
    std::string value;
    for (const char c : quoted) {
        value += c;
        if (c == '\\')
            value += '\\';
    }
    return value;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool isSectionHeader(const std::string& line) {
    const std::string text = trimmed(line);
    return !text.empty() && text.front() == '[';
}

bool isSeemKey(const std::string& line) {
    const auto equals = line.find('=');
    return equals != std::string::npos && trimmed(line.substr(0, equals)) == kSeemMimeType;
}

// The desktop ids of a "type=a.desktop;b.desktop;" line.
std::vector<std::string> idsOf(const std::string& line) {
    std::istringstream in(line.substr(line.find('=') + 1));
    std::vector<std::string> ids;
    for (std::string id; std::getline(in, id, ';');) {
        if (!trimmed(id).empty())
            ids.push_back(trimmed(id));
    }
    return ids;
}

} // namespace

std::string seemMimePackage() {
    return std::string(kPackagedMimePackage);
}

std::optional<std::string> vantrelDesktopEntry(const std::string& programPath) {
    if (programPath.find_first_of("\r\n") != std::string::npos)
        return std::nullopt;
    // The packaged entry names the program by its name on the PATH; a user's
    // own copy names where this one actually is, keeping the arguments.
    std::string entry;
    for (const std::string& line : linesOf(std::string(kPackagedDesktopEntry))) {
        if (line.starts_with("Exec=")) {
            const auto arguments = line.find(' ');
            entry += "Exec=" + execArgument(programPath) +
                     (arguments == std::string::npos ? std::string() : line.substr(arguments)) +
                     "\n";
        } else {
            entry += line + "\n";
        }
    }
    return entry;
}

std::string withSeemDefault(const std::string& mimeapps) {
    // Ours goes first and the type's earlier defaults stay behind it, in
    // their order: the desktop takes the first one installed, and removing
    // ours gives the user's previous choice back.
    std::vector<std::string> lines;
    std::vector<std::string> previous;
    bool inDefaults = false;
    for (const std::string& line : linesOf(mimeapps)) {
        if (isSectionHeader(line))
            inDefaults = trimmed(line) == kDefaultSection;
        if (!inDefaults || !isSeemKey(line)) {
            lines.push_back(line);
            continue;
        }
        for (const std::string& id : idsOf(line)) {
            if (id != kDesktopEntryId &&
                std::find(previous.begin(), previous.end(), id) == previous.end())
                previous.push_back(id);
        }
    }
    std::string line = std::string(kSeemMimeType) + "=" + std::string(kDesktopEntryId);
    for (const std::string& id : previous)
        line += ";" + id;
    if (!previous.empty())
        line += ";";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (trimmed(lines[i]) == kDefaultSection) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, line);
            return joinLines(lines);
        }
    }
    if (!lines.empty() && !trimmed(lines.back()).empty())
        lines.emplace_back();
    lines.emplace_back(kDefaultSection);
    lines.push_back(line);
    return joinLines(lines);
}

std::string withoutSeemDefault(const std::string& mimeapps) {
    std::vector<std::string> kept;
    bool inDefaults = false;
    bool changed = false;
    for (const std::string& line : linesOf(mimeapps)) {
        if (isSectionHeader(line))
            inDefaults = trimmed(line) == kDefaultSection;
        const std::vector<std::string> ids =
            inDefaults && isSeemKey(line) ? idsOf(line) : std::vector<std::string>();
        if (std::find(ids.begin(), ids.end(), kDesktopEntryId) == ids.end()) {
            kept.push_back(line);
            continue;
        }
        changed = true;
        std::string others;
        for (const std::string& id : ids)
            others += id == kDesktopEntryId ? std::string() : id + ";";
        if (!others.empty())
            kept.push_back(std::string(kSeemMimeType) + "=" + others);
    }
    return changed ? joinLines(kept) : mimeapps;
}

} // namespace vantrel
