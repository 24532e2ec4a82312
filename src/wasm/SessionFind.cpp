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

// Longer than any name or description of a definitions file, and short
// enough that a pasted page of text is refused rather than searched.
constexpr std::size_t kMaxFindText = 1000;

void writeRange(JsonText& json, const CellRange& range) {
    json.beginObject()
        .member(page::CellRun::offset, range.offset)
        .member(page::CellRun::length, range.length)
        .endObject();
}

void writeMatch(JsonText& json, const SettingMatch& match) {
    using Found = page::FoundSetting;
    json.beginObject()
        .member(Found::kind, settingKindName(match.kind))
        .member(Found::key, match.key)
        .member(Found::path, match.path)
        .member(Found::value, match.value)
        .key(Found::folders)
        .beginArray();
    for (const std::string& folder : match.folders)
        json.value(folder);
    json.endArray()
        .member(Found::firstCell, match.firstCell)
        .member(Found::cellCount, match.cellCount)
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
        PageFile entry{in.text(PageValues::member(file, page::ReadFile::name), item + ".name"), {}};
        entry.bytes = in.bytes(PageValues::member(file, page::ReadFile::bytes), item + ".bytes");
        read.push_back(std::move(entry));
    }
    return read;
}

} // namespace

void SessionBinding::writeFind(JsonText& json) const {
    using Find = page::FindAnswer;
    const FindSession& finder = m_session.finder();
    const auto& note = finder.note();
    json.beginObject()
        .member(Find::state, wordOf(page::FindStateWords, finder.state()))
        .member(Find::status, finder.status().text(strings()))
        .member(Find::note, note ? note->text(strings()) : std::string())
        .member(Find::count, finder.matchCount())
        .member(Find::current, finder.current())
        .key(Find::cells)
        .beginArray();
    for (const CellRange& range : finder.cellMatches())
        writeRange(json, range);
    json.endArray().key(Find::currentCells);
    if (const auto cells = finder.currentCells())
        writeRange(json, *cells);
    else
        json.null();
    json.key(Find::setting);
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
        in.fail("mode", wordList(page::FindModeWords));
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
        std::string name =
            in.text(PageValues::member(file, page::ListedFile::name), item + ".name");
        const int size = in.integer(PageValues::member(file, page::ListedFile::size),
                                    item + ".size", 0, 2147483647);
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
    json.beginObject().key(page::FolderFind::files).beginArray();
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
        json.beginObject()
            .member(page::FolderFindFile::name, file.name)
            .key(page::FolderFindFile::matches)
            .beginArray();
        for (const SettingMatch& match : matches)
            writeMatch(json, match);
        json.endArray().key(page::FolderFindFile::lines).beginArray();
        for (const SettingMatch& match : matches)
            json.value(folderMatchLine(strings(), file.name, match));
        json.endArray().endObject();
        matchCount += static_cast<int>(matches.size());
    }
    json.endArray().key(page::FolderFind::unreadable).beginArray();
    for (const std::string& line : unreadable)
        json.value(line);
    json.endArray().member(page::FolderFind::summary,
                           matchCount > 0
                               ? pluralText(strings(), UiString::FindInFolderCount, matchCount,
                                            {std::to_string(matchCount), folderName})
                               : strings().format(UiString::FindInFolderNone, {typed, folderName}));
    json.endObject();
    return jsonValue(json);
}

} // namespace vantrel::wasm
