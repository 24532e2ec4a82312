// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/SeemAssociation.h"

#include "core/files/SeemFile.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kMaxMimeappsSize = 1024 * 1024;
constexpr std::string_view kDefaultSection = "[Default Applications]";

std::string environmentPath(const char* name) {
    const char* value = std::getenv(name);
    // The base dir rules ignore relative paths.
    if (!value || value[0] != '/')
        return {};
    return value;
}

std::string homeSubdir(const char* subdir) {
    const std::string home = environmentPath("HOME");
    return home.empty() ? std::string() : home + "/" + subdir;
}

std::vector<std::string> splitPathList(const std::string& list) {
    std::vector<std::string> dirs;
    std::istringstream in(list);
    for (std::string dir; std::getline(in, dir, ':');) {
        if (!dir.empty() && dir.front() == '/')
            dirs.push_back(dir);
    }
    return dirs;
}

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

AssociationOutcome refused(std::string file, std::string reason) {
    return {AssociationOutcome::Status::Refused, std::move(file), std::move(reason)};
}

// The text of a small regular file; "" when there is none.
std::optional<std::string> readTextFile(const std::string& path, std::string& reason) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status))
        return std::string();
    if (!fs::is_regular_file(status) || fs::file_size(path, error) > kMaxMimeappsSize || error) {
        reason = "it is not a small regular file";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
        reason = "it could not be read";
        return std::nullopt;
    }
    return text.str();
}

std::optional<std::string> writeTextFile(const std::string& path, const std::string& text) {
    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
    if (error)
        return "its folder could not be made: " + error.message();
    return writeFileAtomically(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

// The first system data dir file at relativePath.
std::optional<std::string> findInstalled(const XdgLocations& where, const fs::path& relativePath) {
    for (const std::string& dir : where.dataDirs) {
        const fs::path file = fs::path(dir) / relativePath;
        std::error_code error;
        if (fs::is_regular_file(file, error))
            return file.string();
    }
    return std::nullopt;
}

AssociationOutcome associate(const XdgLocations& where, const std::string& programPath) {
    if (where.dataHome.empty() || where.configHome.empty())
        return refused("", "there is no home folder to write the association to");
    if (!findInstalled(where, fs::path("mime/packages") / kMimePackageName)) {
        if (auto failure = writeTextFile(mimePackagePath(where), seemMimePackage()))
            return refused(mimePackagePath(where), *failure);
    }

    AssociationOutcome outcome;
    std::error_code error;
    if (installedDesktopEntry(where)) {
        // A user entry of the same id would hide the installed one.
        outcome.usesInstalledEntry = true;
        if (fs::remove(desktopEntryPath(where), error); error)
            return refused(desktopEntryPath(where), error.message());
    } else {
        const auto entry = vantrelDesktopEntry(programPath);
        if (!entry)
            return refused(desktopEntryPath(where), "the program path " + programPath +
                                                        " cannot be named in a desktop entry");
        if (auto failure = writeTextFile(desktopEntryPath(where), *entry))
            return refused(desktopEntryPath(where), *failure);
    }

    std::string reason;
    const auto mimeapps = readTextFile(mimeappsPath(where), reason);
    if (!mimeapps)
        return refused(mimeappsPath(where), reason);
    if (auto failure = writeTextFile(mimeappsPath(where), withSeemDefault(*mimeapps)))
        return refused(mimeappsPath(where), *failure);
    return outcome;
}

AssociationOutcome removeAssociation(const XdgLocations& where) {
    if (where.dataHome.empty() || where.configHome.empty())
        return refused("", "there is no home folder holding an association");
    std::error_code error;
    const bool removedEntry = fs::remove(desktopEntryPath(where), error);
    if (error)
        return refused(desktopEntryPath(where), error.message());

    std::string reason;
    const auto mimeapps = readTextFile(mimeappsPath(where), reason);
    if (!mimeapps)
        return refused(mimeappsPath(where), reason);
    const std::string rest = withoutSeemDefault(*mimeapps);
    const bool removedDefault = rest != *mimeapps;
    if (removedDefault) {
        if (auto failure = writeTextFile(mimeappsPath(where), rest))
            return refused(mimeappsPath(where), *failure);
    }
    if (!removedEntry && !removedDefault)
        return refused(desktopEntryPath(where), "Vantrel was not associated with seem files");
    return {};
}

} // namespace

XdgLocations xdgLocationsFromEnvironment() {
    XdgLocations where;
    where.dataHome = environmentPath("XDG_DATA_HOME");
    if (where.dataHome.empty())
        where.dataHome = homeSubdir(".local/share");
    where.configHome = environmentPath("XDG_CONFIG_HOME");
    if (where.configHome.empty())
        where.configHome = homeSubdir(".config");
    const char* dataDirs = std::getenv("XDG_DATA_DIRS");
    where.dataDirs =
        splitPathList(dataDirs && *dataDirs ? dataDirs : "/usr/local/share:/usr/share");
    return where;
}

std::string mimePackagePath(const XdgLocations& where) {
    return where.dataHome + "/mime/packages/" + std::string(kMimePackageName);
}

std::string desktopEntryPath(const XdgLocations& where) {
    return where.dataHome + "/applications/" + std::string(kDesktopEntryId);
}

std::string mimeappsPath(const XdgLocations& where) {
    return where.configHome + "/mimeapps.list";
}

std::optional<std::string> installedDesktopEntry(const XdgLocations& where) {
    return findInstalled(where, fs::path("applications") / kDesktopEntryId);
}

std::string seemMimePackage() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" +
           std::string(kSeemMimeType) +
           "\">\n"
           "    <comment>Motorola seem file</comment>\n"
           "    <comment xml:lang=\"zh_CN\">摩托罗拉Seem文件</comment>\n"
           "    <icon name=\"" +
           std::string(kIconName) +
           "\"/>\n"
           "    <sub-class-of type=\"application/octet-stream\"/>\n"
           "    <glob pattern=\"*.seem\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::optional<std::string> vantrelDesktopEntry(const std::string& programPath) {
    if (programPath.find_first_of("\r\n") != std::string::npos)
        return std::nullopt;
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Vantrel\n"
           "GenericName=Seem File Editor\n"
           "GenericName[zh_CN]=Seem文件编辑器\n"
           "Comment=Edit the seem files of Motorola V-series phones\n"
           "Comment[zh_CN]=编辑摩托罗拉V系列手机的Seem文件\n"
           "Exec=" +
           execArgument(programPath) +
           " %f\n"
           "Icon=" +
           std::string(kIconName) +
           "\n"
           "MimeType=" +
           std::string(kSeemMimeType) +
           ";\n"
           "Terminal=false\n"
           "Categories=Utility;\n";
}

std::string withSeemDefault(const std::string& mimeapps) {
    // Ours replaces whatever default the type had.
    std::vector<std::string> lines;
    bool inDefaults = false;
    for (const std::string& line : linesOf(mimeapps)) {
        if (isSectionHeader(line))
            inDefaults = trimmed(line) == kDefaultSection;
        if (!inDefaults || !isSeemKey(line))
            lines.push_back(line);
    }
    const std::string line = std::string(kSeemMimeType) + "=" + std::string(kDesktopEntryId);
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

AssociationOutcome AssociateSeemFiles(const XdgLocations& where, const std::string& programPath) {
    try {
        return associate(where, programPath);
    } catch (const std::exception& error) {
        return {AssociationOutcome::Status::Failed, "", error.what()};
    }
}

AssociationOutcome RemoveSeemAssociation(const XdgLocations& where) {
    try {
        return removeAssociation(where);
    } catch (const std::exception& error) {
        return {AssociationOutcome::Status::Failed, "", error.what()};
    }
}

} // namespace vantrel
