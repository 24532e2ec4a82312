// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The names under which Vantrel and its files are known to the desktop; the
// package installs the same ones system-wide.
inline constexpr std::string_view kDesktopEntryId = "org.vantrel.Vantrel.desktop";
inline constexpr std::string_view kIconName = "org.vantrel.Vantrel";
inline constexpr std::string_view kSeemMimeType = "application/x-vantrel-seem";
inline constexpr std::string_view kMimePackageName = "vantrel-seem.xml";

// Where the current user's and the system's freedesktop data live.
struct XdgLocations {
    std::string dataHome;              // the user's data dir, e.g. ~/.local/share
    std::string configHome;            // the user's config dir, e.g. ~/.config
    std::vector<std::string> dataDirs; // the system's data dirs, searched for installed files
};

// From XDG_DATA_HOME, XDG_CONFIG_HOME, XDG_DATA_DIRS and HOME, with the
// freedesktop defaults; relative values are ignored as the base dir rules ask.
[[nodiscard]] XdgLocations xdgLocationsFromEnvironment();

// The files an association consists of.
[[nodiscard]] std::string mimePackagePath(const XdgLocations& where);
[[nodiscard]] std::string desktopEntryPath(const XdgLocations& where);
[[nodiscard]] std::string mimeappsPath(const XdgLocations& where);
// The desktop entry the package installed, or nothing when there is none.
[[nodiscard]] std::optional<std::string> installedDesktopEntry(const XdgLocations& where);

// The shared-mime-info package that gives "*.seem" its own type, the one the
// package installs.
[[nodiscard]] std::string seemMimePackage();
// The packaged desktop entry with its Exec key naming the program at
// programPath; nothing when the path cannot be written into one (a line break).
[[nodiscard]] std::optional<std::string> vantrelDesktopEntry(const std::string& programPath);
// mimeapps.list text with our entry as the first default for the seem type
// (the earlier ones kept after it), and with our entry taken out of that
// default again; the rest is kept line for line.
[[nodiscard]] std::string withSeemDefault(const std::string& mimeapps);
[[nodiscard]] std::string withoutSeemDefault(const std::string& mimeapps);

struct AssociationOutcome {
    // Done; Refused: a file could not be written or removed, or there was
    // nothing to remove; Failed: an unexpected error.
    enum class Status { Done, Refused, Failed };
    Status status = Status::Done;
    std::string file;   // the file concerned when not Done
    std::string reason; // why, in words
    bool usesInstalledEntry = false;
};

// Writes the MIME package and the desktop entry under where.dataHome and makes
// the entry the default for seem files. When the package installed the entry
// already, the default names that one and no second entry is written. All or
// nothing: when a step fails, the files written before it are put back.
AssociationOutcome associateSeemFiles(const XdgLocations& where, const std::string& programPath);
// Removes the user's desktop entry and default; the MIME type stays. Refused
// when there was no association to remove.
AssociationOutcome removeSeemAssociation(const XdgLocations& where);

} // namespace vantrel
