// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/find/FolderSearch.h"

#include "core/definitions/SeemTypeCatalog.h"
#include "core/document/FunctionTree.h"
#include "core/editors/EditorModel.h"
#include "core/files/SeemFile.h"
#include "core/settings/SettingsStore.h"

#include <algorithm>

namespace vantrel {

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

bool SettingFinder::mayMatchSize(std::uintmax_t size) {
    if (m_text.empty())
        return false;
    if (size == 0 || size > kMaxSeemFileSize)
        return true;
    const XmlElement type = findSeemType(m_root, static_cast<std::size_t>(size));
    return !type.isNull() && typeMayMatch(type);
}

std::vector<SettingMatch> SettingFinder::find(const std::vector<std::uint8_t>& bytes) {
    if (m_text.empty() || bytes.empty())
        return {};
    const XmlElement type = findSeemType(m_root, bytes.size());
    if (type.isNull() || !typeMayMatch(type))
        return {};
    ByteGrid grid;
    grid.load(bytes);
    const auto known = std::find_if(m_models.begin(), m_models.end(),
                                    [&type](const TypeModel& entry) { return entry.type == type; });
    if (known != m_models.end()) {
        if (known->cells.empty())
            return {};
        refreshEditorModel(known->model, grid, known->cells);
        return findSettings(known->model, grid, m_text);
    }
    FunctionTreeBuilder builder;
    const std::string typeName = toLowerAscii(type.attribute("type").value_or(""));
    TypeModel built{type, buildEditorModel(type, typeName, grid, builder), {}};
    std::vector<SettingMatch> matches = findSettings(built.model, grid, m_text);
    for (const SettingMatch& match : matches) {
        for (int cell = match.firstCell; cell < match.firstCell + match.cellCount; ++cell)
            built.cells.push_back(cell);
    }
    m_models.push_back(std::move(built));
    return matches;
}

std::string folderMatchLine(const UiStrings& strings, const std::string& fileName,
                            const SettingMatch& match) {
    const auto dot = fileName.rfind('.');
    const std::string stem =
        dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
    return strings.format(UiString::FindInFolderLine, {stem, match.path, match.value});
}

} // namespace vantrel
