// SPDX-License-Identifier: GPL-3.0-or-later
// Seem folders the page has listed (a browser gives no paths): the desktop's
// folder scan over names and sizes, and its comparison of two folders over
// names and bytes, both in the document's definitions.
#include "core/compare/FolderComparison.h"
#include "core/definitions/SeemTypeCatalog.h"
#include "core/shell/SeemFolderScan.h"
#include "wasm/BindingValues.h"
#include "wasm/DocumentBinding.h"

namespace vantrel::wasm {

namespace {

int lengthOf(const val& array) {
    return array.isUndefined() || array.isNull() ? 0 : array["length"].as<int>();
}

MemorySeemFolder folderFrom(const val& folder) {
    std::vector<SeemFolderEntry> files;
    const val list = folder["files"];
    for (int i = 0; i < lengthOf(list); ++i)
        files.push_back({list[i]["name"].as<std::string>(), bytesFrom(list[i]["bytes"])});
    return MemorySeemFolder(folder["folder"].as<std::string>(), std::move(files));
}

} // namespace

val Document::scanSeemFolder(const val& files) const {
    std::vector<SeemTypeEntry> catalog;
    // A bad type element ends the catalog where it stands, as on the desktop.
    (void)buildSeemTypeCatalog(m_document.definitions().root(), catalog);
    std::vector<SeemFolderFile> listed;
    for (int i = 0; i < lengthOf(files); ++i) {
        std::string name = files[i]["name"].as<std::string>();
        const double size = files[i]["size"].as<double>();
        if (!isHiddenFileName(name) && size >= 0)
            listed.push_back({std::move(name), static_cast<std::uintmax_t>(size)});
    }
    // No folder prefix: an item's path is the file's name as listed.
    const SeemFolderItems items = matchSeemFolder("", listed, catalog);
    val list = val::array();
    for (const SeemFolderItem item : kSeemFolderItems) {
        const auto name = seemFolderItemPath(items, catalog, item);
        val entry = val::object();
        entry.set("item", std::string(seemFolderItemName(item)));
        entry.set("type", std::string(seemFolderItemType(item)));
        entry.set("file", name ? val(*name) : val::null());
        list.call<void>("push", entry);
    }
    return list;
}

val Document::compareFolders(const val& ours, const val& theirs) const {
    FolderComparisonResult result;
    if (const auto failure =
            compareSeemFolders(folderFrom(ours), folderFrom(theirs),
                               m_document.definitions().root(), languageInUse(), result))
        return refusal(failure->folder + ": " + failure->reason);
    Json changed = Json::array();
    for (const FolderChange& change : result.changed) {
        changed.push_back({{"oursName", change.oursName},
                           {"theirsName", change.theirsName},
                           {"comparison", comparisonJson(change.comparison)}});
    }
    return jsonValue({{"onlyInOurs", result.onlyInOurs},
                      {"onlyInTheirs", result.onlyInTheirs},
                      {"changed", std::move(changed)},
                      {"unreadable", result.unreadable},
                      {"same", result.same}});
}

} // namespace vantrel::wasm
