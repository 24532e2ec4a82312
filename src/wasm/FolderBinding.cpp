// SPDX-License-Identifier: GPL-3.0-or-later
// Seem folders the page has listed (a browser gives no paths): the desktop's
// folder scan over names and sizes, and its comparison of two folders over
// names and bytes, both in the session's definitions. Every file the page
// lists is checked: one of the wrong kind refuses the call, naming it.
#include "core/compare/DifferenceJson.h"
#include "core/compare/FolderComparison.h"
#include "core/definitions/SeemTypeCatalog.h"
#include "core/shell/SeemFolderScan.h"
#include "wasm/PageValues.h"
#include "wasm/SessionBinding.h"

namespace vantrel::wasm {

namespace {

constexpr int kMaxFolderFiles = 100000;

std::optional<MemorySeemFolder> folderFrom(PageValues& in, const val& folder,
                                           const std::string& side) {
    if (!isObject(folder)) {
        in.fail(side, "an object with folder and files");
        return std::nullopt;
    }
    const std::string name = in.text(folder["folder"], side + ".folder");
    const val list = folder["files"];
    const int count = in.arrayLength(list, side + ".files", kMaxFolderFiles);
    std::vector<SeemFolderEntry> files;
    for (int i = 0; i < count && !in.failed(); ++i) {
        const std::string item = side + ".files[" + std::to_string(i) + "]";
        const val file = list[i];
        if (!isObject(file)) {
            in.fail(item, "an object with name and bytes");
            break;
        }
        std::string fileName = in.text(file["name"], item + ".name");
        files.push_back({std::move(fileName), in.bytes(file["bytes"], item + ".bytes")});
    }
    if (in.failed())
        return std::nullopt;
    return MemorySeemFolder(name, std::move(files));
}

} // namespace

val SessionBinding::scanSeemFolder(const val& files) const {
    PageValues in("scanSeemFolder");
    const int count = in.arrayLength(files, "files", kMaxFolderFiles);
    std::vector<SeemFolderFile> listed;
    for (int i = 0; i < count && !in.failed(); ++i) {
        const std::string item = "files[" + std::to_string(i) + "]";
        const val file = files[i];
        if (!isObject(file)) {
            in.fail(item, "an object with name and size");
            break;
        }
        std::string name = in.text(file["name"], item + ".name");
        const int size = in.integer(file["size"], item + ".size", 0, 2147483647);
        if (!name.empty() && !isHiddenFileName(name))
            listed.push_back({std::move(name), static_cast<std::uintmax_t>(size)});
    }
    if (in.failed())
        return in.refusal();
    std::vector<SeemTypeEntry> catalog;
    // A bad type element ends the catalog where it stands, as on the desktop.
    (void)buildSeemTypeCatalog(m_session.document().definitions().root(), catalog);
    // No folder prefix: an item's path is the file's name as listed.
    const SeemFolderItems items = matchSeemFolder("", listed, catalog);
    JsonText json;
    json.beginArray();
    for (const SeemFolderItem item : kSeemFolderItems) {
        const auto name = seemFolderItemPath(items, catalog, item);
        json.beginObject()
            .member("item", seemFolderItemName(item))
            .member("type", seemFolderItemType(item))
            .key("file");
        if (name)
            json.value(*name);
        else
            json.null();
        json.endObject();
    }
    json.endArray();
    return jsonValue(json);
}

val SessionBinding::compareFolders(const val& ours, const val& theirs) const {
    PageValues in("compareFolders");
    const auto oursFolder = folderFrom(in, ours, "ours");
    const auto theirsFolder = in.failed() ? std::nullopt : folderFrom(in, theirs, "theirs");
    if (in.failed())
        return in.refusal();
    FolderComparisonResult result;
    if (const auto failure =
            compareSeemFolders(*oursFolder, *theirsFolder,
                               m_session.document().definitions().root(), strings(), result))
        return refusal(failure->folder + ": " + failure->reason);
    nlohmann::ordered_json changed = nlohmann::ordered_json::array();
    for (const FolderChange& change : result.changed) {
        changed.push_back({{"oursName", change.oursName},
                           {"theirsName", change.theirsName},
                           {"bySettings", change.comparison.bySettings},
                           {"reason", change.comparison.reason},
                           {"differences", differencesJson(change.comparison.differences)}});
    }
    const nlohmann::ordered_json json = {{"onlyInOurs", result.onlyInOurs},
                                         {"onlyInTheirs", result.onlyInTheirs},
                                         {"changed", std::move(changed)},
                                         {"unreadable", result.unreadable},
                                         {"same", result.same}};
    return jsonValue(json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace));
}

} // namespace vantrel::wasm
