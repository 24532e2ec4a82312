// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vantrel {

class SettingsStore;

// The recent-file list of the File menu, kept in the settings as "FileCount"
// and "File0" (oldest) to "File4" (newest).
inline constexpr int kMaxRecentFiles = 5;

// The stored entries, oldest first. A "FileCount" that is missing or no whole
// number counts as 0, one above five as five; a missing entry reads as "".
[[nodiscard]] std::vector<std::string> readRecentFiles(const SettingsStore& settings);

// Adds path as the newest entry, dropping the oldest beyond five. A path
// already in the list moves to the newest place instead of showing twice.
void addRecentFile(SettingsStore& settings, const std::string& path);

// The menu caption of entry index: "&<index + 1>. " and the path, with every
// "&" of the path doubled so that it shows as written.
[[nodiscard]] std::string recentFileCaption(int index, const std::string& path);

} // namespace vantrel
