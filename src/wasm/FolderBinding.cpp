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

// The page's values are checked before they are read: a value of another kind
// must not abort the module.
bool isRecord(const val& value) {
    return !value.isNull() && value.typeOf().as<std::string>() == "object";
}

std::string textOf(const val& value) {
    return value.isString() ? value.as<std::string>() : std::string();
}

val member(const val& record, const char* name) {
    return isRecord(record) ? record[name] : val::undefined();
}

int lengthOf(const val& array) {
    const val length = member(array, "length");
    const double count = length.isNumber() ? length.as<double>() : 0;
    return count > 0 && count <= 1e6 ? static_cast<int>(count) : 0;
}

MemorySeemFolder folderFrom(const val& folder) {
    std::vector<SeemFolderEntry> files;
    const val list = member(folder, "files");
    for (int i = 0; i < lengthOf(list); ++i) {
        const val bytes = member(list[i], "bytes");
        if (member(bytes, "length").isNumber())
            files.push_back({textOf(member(list[i], "name")), bytesFrom(bytes)});
    }
    return MemorySeemFolder(textOf(member(folder, "folder")), std::move(files));
}

} // namespace

val Document::scanSeemFolder(const val& files) const {
    std::vector<SeemTypeEntry> catalog;
    // A bad type element ends the catalog where it stands, as on the desktop.
    (void)buildSeemTypeCatalog(m_document.definitions().root(), catalog);
    std::vector<SeemFolderFile> listed;
    for (int i = 0; i < lengthOf(files); ++i) {
        std::string name = textOf(member(files[i], "name"));
        const val given = member(files[i], "size");
        const double size = given.isNumber() ? given.as<double>() : -1;
        if (!name.empty() && !isHiddenFileName(name) && size >= 0)
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
