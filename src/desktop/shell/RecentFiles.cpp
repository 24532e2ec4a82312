// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/shell/RecentFiles.h"

#include "core/base/BitHelpers.h"
#include "core/settings/SettingsStore.h"

#include <algorithm>

namespace vantrel {

namespace {

std::string fileKey(int index) {
    return "File" + std::to_string(index);
}

int storedCount(const SettingsStore& settings) {
    const auto count = parseDecimal(settings.read("FileCount", "0"));
    if (!count || *count < 0)
        return 0;
    return static_cast<int>(std::min<std::int64_t>(*count, kMaxRecentFiles));
}

} // namespace

std::vector<std::string> readRecentFiles(const SettingsStore& settings) {
    std::vector<std::string> files;
    const int count = storedCount(settings);
    for (int i = 0; i < count; ++i)
        files.push_back(settings.read("file" + std::to_string(i), ""));
    return files;
}

void addRecentFile(SettingsStore& settings, const std::string& path) {
    std::vector<std::string> files = readRecentFiles(settings);
    std::erase(files, path);
    if (files.size() >= static_cast<std::size_t>(kMaxRecentFiles))
        files.erase(files.begin(), files.end() - (kMaxRecentFiles - 1));
    files.push_back(path);
    settings.setValue("FileCount", std::to_string(files.size()));
    for (std::size_t i = 0; i < files.size(); ++i)
        settings.setValue(fileKey(static_cast<int>(i)), files[i]);
}

std::string recentFileCaption(int index, const std::string& path) {
    std::string caption = "&" + std::to_string(index + 1) + ". ";
    for (const char c : path) {
        caption += c;
        if (c == '&')
            caption += '&';
    }
    return caption;
}

} // namespace vantrel
