// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/definitions/SeemTypeCatalog.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The six items of the edit-seem-folder-files submenu, one per editor kind.
enum class SeemFolderItem { Function, Style, OuterText, GPRS, Volume, Color };
inline constexpr std::size_t kSeemFolderItemCount = 6;
inline constexpr std::array<SeemFolderItem, kSeemFolderItemCount> kSeemFolderItems = {
    SeemFolderItem::Function, SeemFolderItem::Style,  SeemFolderItem::OuterText,
    SeemFolderItem::GPRS,     SeemFolderItem::Volume, SeemFolderItem::Color};

// The seem type an item stands for ("function", ...) and its menu item's name.
[[nodiscard]] std::string_view seemFolderItemType(SeemFolderItem item);
[[nodiscard]] std::string_view seemFolderItemName(SeemFolderItem item);

// What a scan leaves in the submenu: for each item, the catalog index of the
// entry it opens (the item's Tag), or nothing when the item is disabled.
struct SeemFolderItems {
    std::array<std::optional<std::size_t>, kSeemFolderItemCount> catalogIndex;

    [[nodiscard]] bool enabled(SeemFolderItem item) const {
        return catalogIndex[static_cast<std::size_t>(item)].has_value();
    }
};

struct SeemFolderFile {
    std::string name;
    std::uintmax_t size = 0;
};

// The regular files of folder that are not hidden, in the order the file
// system gives them; nothing for a folder that is missing or unreadable.
[[nodiscard]] std::vector<SeemFolderFile> listSeemFolder(const std::string& folder);

// Whether a folder's entry is hidden (its name starts with "."): no listing counts it.
[[nodiscard]] bool isHiddenFileName(const std::string& name);

// Whether a file of a seem folder counts, by its name: ".seem", ".bin" or ".sch".
[[nodiscard]] bool isSeemFolderCandidate(const std::string& name);

// An entry named as a seem file that is not one: a folder, a FIFO, a device,
// a link to nothing. Found by stat() alone, so a FIFO or device is never opened.
struct SkippedEntry {
    std::string name;
    std::string reason;

    // The reason as every report words it: "skipped: it is a FIFO, ...".
    [[nodiscard]] std::string report() const { return "skipped: " + reason; }
};

struct SeemFolderListing {
    std::vector<SeemFolderFile> files; // the regular files, as listSeemFolder gives them
    std::vector<SkippedEntry> skipped; // seem names only; hidden entries are left out
    bool readable = false;
};

// sizes: whether each file's size is wanted. Without, an entry the folder
// itself says is a regular file is not looked at, and its size is given as 0.
enum class ListedSizes { Wanted, NotWanted };
[[nodiscard]] SeemFolderListing listSeemFolderWithSkipped(const std::string& folder,
                                                          ListedSizes sizes = ListedSizes::Wanted);

// Matches files of folder to the catalog by exact size: every entry of a
// file's size takes its path as matchedPath, and an item opens the highest
// such entry of its type. Only ".seem", ".bin" and ".sch" files count.
SeemFolderItems matchSeemFolder(const std::string& folder, const std::vector<SeemFolderFile>& files,
                                std::vector<SeemTypeEntry>& catalog);

// Lists folder and matches its files; an empty folder name yields nothing.
SeemFolderItems scanSeemFolder(const std::string& seemFolder, std::vector<SeemTypeEntry>& catalog);

// The file an item opens, when the item is enabled.
[[nodiscard]] std::optional<std::string>
seemFolderItemPath(const SeemFolderItems& items, const std::vector<SeemTypeEntry>& catalog,
                   SeemFolderItem item);

// The folder as it is stored: with a trailing "/" unless it already ends in
// one ("/" stays "/"); "" stays "", no folder.
[[nodiscard]] std::string withTrailingSeparator(std::string folder);

} // namespace vantrel
