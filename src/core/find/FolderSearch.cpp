// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/find/FolderSearch.h"

#include "core/definitions/SeemTypeCatalog.h"
#include "core/document/FunctionTree.h"
#include "core/editors/EditorModel.h"
#include "core/files/SeemFile.h"
#include "core/settings/SettingsStore.h"
#include "core/shell/SeemFolderScan.h"

#include <algorithm>

namespace vantrel {

namespace {

std::string readFailure(const SeemFileRead& read) {
    switch (read.status) {
    case SeemFileRead::Status::TooLarge:
        return "larger than 5000 bytes, not a seem file";
    case SeemFileRead::Status::Empty:
        return "empty, not a seem file";
    default:
        return read.reason;
    }
}

} // namespace

SettingFinder::SettingFinder(const XmlElement& definitionsRoot, std::string text)
    : m_root(definitionsRoot), m_text(std::move(text)) {}

bool SettingFinder::typeMayMatch(const XmlElement& type) {
    const auto known = std::find_if(m_typeMatches.begin(), m_typeMatches.end(),
                                    [&type](const auto& entry) { return entry.first == type; });
    if (known != m_typeMatches.end())
        return known->second;
    const bool may = isEditor(editorKindOf(toLowerAscii(type.attribute("type").value_or("")))) &&
                     typeMentions(type, m_text);
    m_typeMatches.emplace_back(type, may);
    return may;
}

std::vector<SettingMatch> SettingFinder::find(const std::vector<std::uint8_t>& bytes) {
    if (m_text.empty() || bytes.empty())
        return {};
    const XmlElement type = findSeemType(m_root, bytes.size());
    if (type.isNull() || !typeMayMatch(type))
        return {};
    ByteGrid grid;
    grid.load(bytes);
    FunctionTreeBuilder builder;
    const std::string typeName = toLowerAscii(type.attribute("type").value_or(""));
    const EditorModel model = buildEditorModel(type, typeName, grid, builder);
    return findSettings(model, grid, m_text);
}

bool readSeemFolder(const std::string& folder, const SeemFolderVisitor& visitor) {
    const SeemFolderListing listing = listSeemFolderWithSkipped(folder);
    const std::string prefix = withTrailingSeparator(folder);
    for (const SkippedEntry& entry : listing.skipped)
        visitor.failed(prefix + entry.name, entry.report(), true);
    for (const SeemFolderFile& file : listing.files) {
        if (!isSeemFolderCandidate(file.name))
            continue;
        const std::string path = prefix + file.name;
        const SeemFileRead read = readSeemFile(path);
        if (read.status == SeemFileRead::Status::Ok)
            visitor.file(file.name, path, read.bytes);
        else
            visitor.failed(path, readFailure(read), false);
    }
    return listing.readable;
}

FolderSearchResult findInSeemFolder(const std::string& folder, const XmlElement& definitionsRoot,
                                    std::string_view text) {
    FolderSearchResult result;
    SettingFinder finder(definitionsRoot, std::string(text));
    const SeemFolderVisitor visitor{
        [&](const std::string& name, const std::string& path,
            const std::vector<std::uint8_t>& bytes) {
            auto matches = finder.find(bytes);
            if (!matches.empty())
                result.files.push_back({name, path, std::move(matches)});
        },
        [&](const std::string& path, const std::string& reason, bool skipped) {
            (skipped ? result.skipped : result.unreadable).push_back(path + ": " + reason);
        }};
    if (!text.empty())
        result.readable = readSeemFolder(folder, visitor);
    return result;
}

std::string folderMatchLine(const UiStrings& strings, const std::string& fileName,
                            const SettingMatch& match) {
    const auto dot = fileName.rfind('.');
    const std::string stem =
        dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
    return strings.format(UiString::FindInFolderLine, {stem, match.path, match.value});
}

} // namespace vantrel
