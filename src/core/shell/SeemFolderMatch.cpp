// SPDX-License-Identifier: GPL-3.0-or-later
// The seem folder's rules on names and sizes, apart from listing a folder on
// disk, so that a folder listed elsewhere (a web page's) is matched alike.
#include "core/base/BitHelpers.h"
#include "core/editors/EditorKind.h"
#include "core/settings/SettingsStore.h"
#include "core/shell/SeemFolderScan.h"

namespace vantrel {

namespace {

constexpr std::array<EditorKind, kSeemFolderItemCount> kKinds = {
    EditorKind::Function, EditorKind::Style,  EditorKind::OuterText,
    EditorKind::Gprs,     EditorKind::Volume, EditorKind::Color};
constexpr std::array<std::string_view, kSeemFolderItemCount> kNames = {
    "mnuFunction", "mnuStyle", "mnuOuterText", "mnuGPRS", "mnuVolume", "mnuColor"};

std::optional<std::size_t> itemOfType(const std::string& type) {
    const EditorKind kind = editorKindOf(type);
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        if (kKinds[i] == kind)
            return i;
    }
    return std::nullopt;
}

} // namespace

bool isHiddenFileName(const std::string& name) {
    return !name.empty() && name.front() == '.';
}

bool isSeemFolderCandidate(const std::string& name) {
    const std::string extension = toLowerAscii(fileExtension(name));
    return extension == "seem" || extension == "bin" || extension == "sch";
}

std::string_view seemFolderItemType(SeemFolderItem item) {
    return editorKindName(kKinds[static_cast<std::size_t>(item)]);
}

std::string_view seemFolderItemName(SeemFolderItem item) {
    return kNames[static_cast<std::size_t>(item)];
}

SeemFolderItems matchSeemFolder(const std::string& folder, const std::vector<SeemFolderFile>& files,
                                std::vector<SeemTypeEntry>& catalog) {
    SeemFolderItems items;
    const std::string prefix = withTrailingSeparator(folder);
    for (const SeemFolderFile& file : files) {
        if (!isSeemFolderCandidate(file.name))
            continue;
        for (std::size_t i = 0; i < catalog.size(); ++i) {
            SeemTypeEntry& entry = catalog[i];
            if (entry.size < 0 || static_cast<std::uintmax_t>(entry.size) != file.size)
                continue;
            entry.matchedPath = prefix + file.name;
            if (const auto item = itemOfType(entry.type))
                items.catalogIndex[*item] = i;
        }
    }
    return items;
}

std::optional<std::string> seemFolderItemPath(const SeemFolderItems& items,
                                              const std::vector<SeemTypeEntry>& catalog,
                                              SeemFolderItem item) {
    const auto index = items.catalogIndex[static_cast<std::size_t>(item)];
    if (!index || *index >= catalog.size())
        return std::nullopt;
    return catalog[*index].matchedPath;
}

std::string withTrailingSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace vantrel
