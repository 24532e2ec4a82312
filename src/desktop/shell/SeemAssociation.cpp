// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/shell/SeemAssociation.h"

#include "core/Failure.h"
#include "core/files/SeemFile.h"

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kMaxMimeappsSize = 1024 * 1024;

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

AssociationOutcome refused(std::string file, std::string reason) {
    return {AssociationOutcome::Status::Refused, std::move(file), std::move(reason)};
}

// A small text file as it was before we changed it.
struct FileBefore {
    bool existed = false;
    std::string text;
};

std::optional<FileBefore> readFileBefore(const std::string& path, std::string& reason) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status))
        return FileBefore{};
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
    return FileBefore{true, text.str()};
}

// The text of a small regular file; "" when there is none.
std::optional<std::string> readTextFile(const std::string& path, std::string& reason) {
    auto before = readFileBefore(path, reason);
    if (!before)
        return std::nullopt;
    return std::move(before->text);
}

std::optional<Failure> writeTextFile(const std::string& path, const std::string& text) {
    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
    if (error)
        return Failure{"its folder could not be made: " + error.message()};
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

// The files an association has changed so far, as they were before, so that
// a failure at a later step (or an exception) puts every one of them back.
class ChangedFiles {
  public:
    ChangedFiles() = default;
    ChangedFiles(const ChangedFiles&) = delete;
    ChangedFiles& operator=(const ChangedFiles&) = delete;
    ~ChangedFiles() { putBack(); }

    // Notes path's content before a change; the reason when it cannot be read.
    std::optional<Failure> noteBefore(const std::string& path) {
        std::string reason;
        auto before = readFileBefore(path, reason);
        if (!before)
            return Failure{reason};
        m_files.emplace_back(path, std::move(*before));
        return std::nullopt;
    }

    void keep() { m_files.clear(); }

  private:
    std::vector<std::pair<std::string, FileBefore>> m_files;

    void putBack() noexcept {
        for (auto file = m_files.rbegin(); file != m_files.rend(); ++file) {
            try {
                std::error_code error;
                if (file->second.existed)
                    writeTextFile(file->first, file->second.text);
                else
                    fs::remove(file->first, error);
            } catch (...) {
                // Putting back is best effort; the failure already reported names the cause.
            }
        }
        m_files.clear();
    }
};

AssociationOutcome associate(const XdgLocations& where, const std::string& programPath) {
    if (where.dataHome.empty() || where.configHome.empty())
        return refused("", "there is no home folder to write the association to");
    ChangedFiles changed;
    const auto write = [&](const std::string& path,
                           const std::string& text) -> std::optional<Failure> {
        if (auto failure = changed.noteBefore(path))
            return failure;
        return writeTextFile(path, text);
    };

    if (!findInstalled(where, fs::path("mime/packages") / kMimePackageName)) {
        if (auto failure = write(mimePackagePath(where), seemMimePackage()))
            return refused(mimePackagePath(where), failure->message);
    }

    AssociationOutcome outcome;
    if (installedDesktopEntry(where)) {
        // A user entry of the same id would hide the installed one.
        outcome.usesInstalledEntry = true;
        std::error_code error;
        if (auto failure = changed.noteBefore(desktopEntryPath(where)))
            return refused(desktopEntryPath(where), failure->message);
        if (fs::remove(desktopEntryPath(where), error); error)
            return refused(desktopEntryPath(where), error.message());
    } else {
        const auto entry = vantrelDesktopEntry(programPath);
        if (!entry)
            return refused(desktopEntryPath(where), "the program path " + programPath +
                                                        " cannot be named in a desktop entry");
        if (auto failure = write(desktopEntryPath(where), *entry))
            return refused(desktopEntryPath(where), failure->message);
    }

    std::string reason;
    const auto mimeapps = readTextFile(mimeappsPath(where), reason);
    if (!mimeapps)
        return refused(mimeappsPath(where), reason);
    if (auto failure = write(mimeappsPath(where), withSeemDefault(*mimeapps)))
        return refused(mimeappsPath(where), failure->message);
    changed.keep();
    return outcome;
}

AssociationOutcome removeAssociation(const XdgLocations& where) {
    if (where.dataHome.empty() || where.configHome.empty())
        return refused("", "there is no home folder holding an association");
    ChangedFiles changed;
    if (auto failure = changed.noteBefore(desktopEntryPath(where)))
        return refused(desktopEntryPath(where), failure->message);
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
            return refused(mimeappsPath(where), failure->message);
    }
    if (!removedEntry && !removedDefault)
        return refused(desktopEntryPath(where), "Vantrel was not associated with seem files");
    changed.keep();
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

AssociationOutcome associateSeemFiles(const XdgLocations& where, const std::string& programPath) {
    try {
        return associate(where, programPath);
    } catch (const std::exception& error) {
        return {AssociationOutcome::Status::Failed, "", error.what()};
    }
}

AssociationOutcome removeSeemAssociation(const XdgLocations& where) {
    try {
        return removeAssociation(where);
    } catch (const std::exception& error) {
        return {AssociationOutcome::Status::Failed, "", error.what()};
    }
}

} // namespace vantrel
