// SPDX-License-Identifier: GPL-3.0-or-later
// The find bar over the open file, and a setting looked for across a seem
// folder the page has read.
#include "core/files/SeemFile.h"
#include "core/find/FolderSearch.h"
#include "core/i18n/PluralText.h"
#include "core/shell/SeemFolderScan.h"
#include "wasm/PageValues.h"
#include "wasm/SessionBinding.h"
#include "wasm/SessionNames.h"

namespace vantrel::wasm {

namespace {

constexpr int kMaxFolderFiles = 100000;
// Longer than any name or description of a definitions file, and short
// enough that a pasted page of text is refused rather than searched.
constexpr std::size_t kMaxFindText = 1000;

std::string_view findStateText(FindState state) {
    switch (state) {
    case FindState::Empty:
        return "empty";
    case FindState::Refused:
        return "refused";
    case FindState::NotFound:
        return "notFound";
    case FindState::Found:
        break;
    }
    return "found";
}

void writeRange(JsonText& json, const CellRange& range) {
    json.beginObject().member("offset", range.offset).member("length", range.length).endObject();
}

void writeMatch(JsonText& json, const SettingMatch& match) {
    json.beginObject()
        .member("kind", settingKindName(match.kind))
        .member("key", match.key)
        .member("path", match.path)
        .member("value", match.value)
        .key("folders")
        .beginArray();
    for (const std::string& folder : match.folders)
        json.value(folder);
    json.endArray()
        .member("firstCell", match.firstCell)
        .member("cellCount", match.cellCount)
        .endObject();
}

struct PageFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// The files of a folder as the page read them: { name, bytes } each.
std::vector<PageFile> filesFrom(PageValues& in, const val& files) {
    const int count = in.arrayLength(files, "files", kMaxFolderFiles);
    std::vector<PageFile> read;
    for (int i = 0; i < count && !in.failed(); ++i) {
        const std::string item = "files[" + std::to_string(i) + "]";
        const val file = files[i];
        if (!isObject(file)) {
            in.fail(item, "an object with name and bytes");
            break;
        }
        PageFile entry{in.text(file["name"], item + ".name"), {}};
        entry.bytes = in.bytes(file["bytes"], item + ".bytes");
        read.push_back(std::move(entry));
    }
    return read;
}

} // namespace

void SessionBinding::writeFind(JsonText& json) const {
    const FindSession& finder = m_session.finder();
    const auto& note = finder.note();
    json.beginObject()
        .member("state", findStateText(finder.state()))
        .member("status", finder.status().text(strings()))
        .member("note", note ? note->text(strings()) : std::string())
        .member("count", finder.matchCount())
        .member("current", finder.current())
        .key("cells")
        .beginArray();
    for (const CellRange& range : finder.cellMatches())
        writeRange(json, range);
    json.endArray().key("currentCells");
    if (const auto cells = finder.currentCells())
        writeRange(json, *cells);
    else
        json.null();
    json.key("setting");
    if (const SettingMatch* setting = finder.currentSetting())
        writeMatch(json, *setting);
    else
        json.null();
    json.endObject();
}

val SessionBinding::find(const val& mode, const val& text) {
    PageValues in("find");
    const std::string modeName = in.text(mode, "mode");
    const std::string typed = in.text(text, "text");
    const auto chosen = findModeNamed(modeName);
    if (!in.failed() && !chosen)
        in.fail("mode", "\"settings\", \"bytes\", \"ascii\" or \"utf16\"");
    if (!in.failed() && typed.size() > kMaxFindText)
        in.fail("text", "at most " + std::to_string(kMaxFindText) + " bytes long");
    if (in.failed())
        return in.refusal();
    if (!m_session.fileOpen())
        return refusal("find: no file is open");
    const Call call(*this);
    m_session.find(*chosen, typed);
    return val::undefined();
}

val SessionBinding::findNext() {
    const Call call(*this);
    return val(m_session.findNext());
}

val SessionBinding::findPrevious() {
    const Call call(*this);
    return val(m_session.findPrevious());
}

val SessionBinding::closeFind() {
    const Call call(*this);
    m_session.closeFind();
    return val::undefined();
}

val SessionBinding::findAnswer() const {
    JsonText json;
    writeFind(json);
    return jsonValue(json);
}

val SessionBinding::filesToSearch(const val& files, const val& text) const {
    PageValues in("filesToSearch");
    const int count = in.arrayLength(files, "files", kMaxFolderFiles);
    const std::string typed = in.text(text, "text");
    std::vector<std::string> wanted;
    SettingFinder finder(m_session.document().definitions().root(), typed);
    for (int i = 0; i < count && !in.failed(); ++i) {
        const std::string item = "files[" + std::to_string(i) + "]";
        const val file = files[i];
        if (!isObject(file)) {
            in.fail(item, "an object with name and size");
            break;
        }
        std::string name = in.text(file["name"], item + ".name");
        const int size = in.integer(file["size"], item + ".size", 0, 2147483647);
        if (!in.failed() && isSeemFolderCandidate(name) &&
            finder.mayMatchSize(static_cast<std::uintmax_t>(size)))
            wanted.push_back(std::move(name));
    }
    if (in.failed())
        return in.refusal();
    return stringArray(wanted);
}

val SessionBinding::findInFolder(const val& folder, const val& files, const val& text) const {
    PageValues in("findInFolder");
    const std::string folderName = in.text(folder, "folder");
    const std::vector<PageFile> read = in.failed() ? std::vector<PageFile>() : filesFrom(in, files);
    const std::string typed = in.failed() ? std::string() : in.text(text, "text");
    if (in.failed())
        return in.refusal();
    SettingFinder finder(m_session.document().definitions().root(), typed);
    JsonText json;
    json.beginObject().key("files").beginArray();
    int matchCount = 0;
    std::vector<std::string> unreadable;
    for (const PageFile& file : read) {
        if (file.bytes.empty() || file.bytes.size() > kMaxSeemFileSize) {
            unreadable.push_back(strings().format(
                UiString::FindInFolderUnreadable,
                {file.name + ": " +
                 (file.bytes.empty() ? "empty, not a seem file"
                                     : "larger than 5000 bytes, not a seem file")}));
            continue;
        }
        const std::vector<SettingMatch> matches = finder.find(file.bytes);
        if (matches.empty())
            continue;
        json.beginObject().member("name", file.name).key("matches").beginArray();
        for (const SettingMatch& match : matches)
            writeMatch(json, match);
        json.endArray().key("lines").beginArray();
        for (const SettingMatch& match : matches)
            json.value(folderMatchLine(strings(), file.name, match));
        json.endArray().endObject();
        matchCount += static_cast<int>(matches.size());
    }
    json.endArray().key("unreadable").beginArray();
    for (const std::string& line : unreadable)
        json.value(line);
    json.endArray().member("summary",
                           matchCount > 0
                               ? pluralText(strings(), UiString::FindInFolderCount, matchCount,
                                            {std::to_string(matchCount), folderName})
                               : strings().format(UiString::FindInFolderNone, {typed, folderName}));
    json.endObject();
    return jsonValue(json);
}

} // namespace vantrel::wasm
