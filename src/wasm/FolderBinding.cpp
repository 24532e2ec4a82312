// SPDX-License-Identifier: GPL-3.0-or-later
// Seem folders the page has listed (a browser gives no paths): the desktop's
// folder scan over names and sizes, and its comparison of two folders over
// names and bytes, and the recipe that turns one folder into the other, all
// in the session's definitions. Every file the page
// lists is checked: one of the wrong kind refuses the call, naming it.
#include "core/compare/DifferenceJson.h"
#include "core/compare/FolderComparison.h"
#include "core/definitions/SeemTypeCatalog.h"
#include "core/recipe/FolderRecipe.h"
#include "core/recipe/RecipeJson.h"
#include "core/shell/SeemFolderScan.h"
#include "wasm/ContractValues.h"
#include "wasm/PageValues.h"
#include "wasm/SessionBinding.h"

#include <algorithm>
#include <unordered_map>

namespace vantrel::wasm {

namespace {

// A folder as the page lists it: every file with its size, and the bytes of
// those the page has read. The comparison reads only the files it pairs, so
// the page asks which ones first (foldersToRead) and reads just those.
class PageFolder : public SeemFolderSource {
  public:
    struct File {
        std::string name;
        std::uintmax_t size = 0;
        std::optional<std::vector<std::uint8_t>> bytes;
    };
    PageFolder(std::string folder, std::vector<File> files)
        : m_folder(std::move(folder)), m_files(std::move(files)) {
        // By name, once: the comparison reads each paired file by its name,
        // and a backup holds thousands.
        m_byName.reserve(m_files.size());
        for (std::size_t i = 0; i < m_files.size(); ++i)
            m_byName.emplace(m_files[i].name, i);
    }
    [[nodiscard]] std::string folder() const override { return m_folder; }
    [[nodiscard]] std::optional<SeemFolderListing> listing() const override {
        SeemFolderListing listing;
        listing.readable = true;
        for (const File& file : m_files) {
            if (!isHiddenFileName(file.name))
                listing.files.push_back({file.name, file.size});
        }
        return listing;
    }
    [[nodiscard]] SeemFileRead read(const std::string& name) const override {
        m_wanted.push_back(name);
        SeemFileRead read;
        const auto found = m_byName.find(name);
        const File* file = found == m_byName.end() ? nullptr : &m_files[found->second];
        if (!file || !file->bytes) {
            read.reason = "not read";
        } else if (file->bytes->size() > kMaxSeemFileSize) {
            read.status = SeemFileRead::Status::TooLarge;
        } else if (file->bytes->empty()) {
            read.status = SeemFileRead::Status::Empty;
        } else {
            read.status = SeemFileRead::Status::Ok;
            read.bytes = *file->bytes;
        }
        return read;
    }
    // The names the comparison read, in order.
    [[nodiscard]] const std::vector<std::string>& wanted() const { return m_wanted; }

  private:
    std::string m_folder;
    std::vector<File> m_files;
    std::unordered_map<std::string, std::size_t> m_byName; // the first file of each name
    mutable std::vector<std::string> m_wanted;
};

// A file is { name, bytes } or, not read yet, { name, size }.
std::optional<PageFolder> folderFrom(PageValues& in, const val& folder, const std::string& side) {
    if (!isObject(folder)) {
        in.fail(side, "an object with folder and files");
        return std::nullopt;
    }
    const std::string name =
        in.text(PageValues::member(folder, page::SeemFolderFiles::folder), side + ".folder");
    const val list = PageValues::member(folder, page::SeemFolderFiles::files);
    const int count = in.arrayLength(list, side + ".files", kMaxFolderFiles);
    std::vector<PageFolder::File> files;
    for (int i = 0; i < count && !in.failed(); ++i) {
        const std::string item = side + ".files[" + std::to_string(i) + "]";
        const val file = list[i];
        if (!isObject(file)) {
            in.fail(item, "an object with name and bytes or size");
            break;
        }
        const val bytes = PageValues::member(file, page::ReadFile::bytes);
        const val size = PageValues::member(file, page::ListedFile::size);
        PageFolder::File entry{
            in.text(PageValues::member(file, page::ReadFile::name), item + ".name"), 0,
            std::nullopt};
        if (PageValues::absent(bytes) && !PageValues::absent(size)) {
            entry.size =
                static_cast<std::uintmax_t>(in.integer(size, item + ".size", 0, 2147483647));
        } else {
            entry.bytes = in.bytes(bytes, item + ".bytes");
            entry.size = entry.bytes->size();
        }
        files.push_back(std::move(entry));
    }
    if (in.failed())
        return std::nullopt;
    return PageFolder(name, std::move(files));
}

void writeTexts(JsonText& json, const std::vector<std::string>& texts) {
    json.beginArray();
    for (const std::string& text : texts)
        json.value(text);
    json.endArray();
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
        std::string name =
            in.text(PageValues::member(file, page::ListedFile::name), item + ".name");
        const int size = in.integer(PageValues::member(file, page::ListedFile::size),
                                    item + ".size", 0, 2147483647);
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
            .member(page::SeemFolderItem::item, seemFolderItemName(item))
            .member(page::SeemFolderItem::type, seemFolderItemType(item))
            .key(page::SeemFolderItem::file);
        if (name)
            json.value(*name);
        else
            json.null();
        json.endObject();
    }
    json.endArray();
    return jsonValue(json);
}

val SessionBinding::foldersToRead(const val& ours, const val& theirs) const {
    PageValues in("foldersToRead");
    const auto oursFolder = folderFrom(in, ours, "ours");
    const auto theirsFolder = in.failed() ? std::nullopt : folderFrom(in, theirs, "theirs");
    if (in.failed())
        return in.refusal();
    FolderComparisonResult ignored;
    (void)compareSeemFolders(*oursFolder, *theirsFolder, m_session.document().definitions().root(),
                             strings(), ignored);
    val result = val::object();
    setMember(result, page::FilesToRead::ours, stringArray(oursFolder->wanted()));
    setMember(result, page::FilesToRead::theirs, stringArray(theirsFolder->wanted()));
    return result;
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
    JsonText json;
    json.beginObject();
    writeTexts(json.key(page::FolderComparison::onlyInOurs), result.onlyInOurs);
    writeTexts(json.key(page::FolderComparison::onlyInTheirs), result.onlyInTheirs);
    json.key(page::FolderComparison::changed).beginArray();
    for (const FolderChange& change : result.changed) {
        using Changed = page::FolderChange;
        json.beginObject()
            .member(Changed::oursName, change.oursName)
            .member(Changed::theirsName, change.theirsName)
            .member(Changed::bySettings, change.comparison.bySettings)
            .member(Changed::reason, change.comparison.reason)
            .key(Changed::differences)
            .raw(differencesJson(change.comparison.differences)
                     .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace))
            .endObject();
    }
    json.endArray();
    writeTexts(json.key(page::FolderComparison::unreadable), result.unreadable);
    json.member(page::FolderComparison::same, static_cast<int>(result.same)).endObject();
    return jsonValue(json);
}

val SessionBinding::folderDifferencesRecipe(const val& ours, const val& theirs) const {
    PageValues in("folderDifferencesRecipe");
    const auto oursFolder = folderFrom(in, ours, "ours");
    const auto theirsFolder = in.failed() ? std::nullopt : folderFrom(in, theirs, "theirs");
    if (in.failed())
        return in.refusal();
    const FolderRecipe made =
        recipeBetweenFolders(*oursFolder, *theirsFolder, m_session.document().definitions().root());
    if (made.failure)
        return refusal(made.failure->folder + ": " + made.failure->reason);
    std::vector<std::string> notes;
    for (const FolderRecipeNote& note : made.notes)
        notes.push_back(note.text());
    val result = val::object();
    setMember(result, page::FolderRecipe::recipe, recipeToJson(made.recipe));
    setMember(result, page::FolderRecipe::entries, static_cast<int>(made.recipe.entries.size()));
    setMember(result, page::FolderRecipe::notes, stringArray(notes));
    setMember(result, page::FolderRecipe::trouble, made.trouble());
    return result;
}

} // namespace vantrel::wasm
