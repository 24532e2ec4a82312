// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editors/EditorModel.h"

#include "core/base/BitHelpers.h"
#include "core/editors/SeemKind.h"
#include "core/editors/TouchedCells.h"

#include <algorithm>
#include <functional>

namespace vantrel {

namespace {

// Every switch below parent, depth first in document order, with its path of
// IDs joined by "/". A stack of its own: the depth comes from the definitions.
void forEachSwitch(const FunctionNode& root,
                   const std::function<void(const FunctionNode&, const std::string&)>& visit) {
    std::vector<std::pair<const FunctionNode*, std::string>> pending;
    for (auto child = root.children.rbegin(); child != root.children.rend(); ++child)
        pending.emplace_back(&*child, child->text);
    while (!pending.empty()) {
        const auto [node, path] = pending.back();
        pending.pop_back();
        if (node->isSwitch())
            visit(*node, path);
        for (auto child = node->children.rbegin(); child != node->children.rend(); ++child)
            pending.emplace_back(&*child, path + "/" + child->text);
    }
}

FunctionNode* findSwitch(FunctionNode& root, std::string_view key) {
    std::vector<FunctionNode*> pending{&root};
    while (!pending.empty()) {
        FunctionNode* node = pending.back();
        pending.pop_back();
        if (node->isSwitch() && node->key == key)
            return node;
        for (FunctionNode& child : node->children)
            pending.push_back(&child);
    }
    return nullptr;
}

} // namespace

std::string volumeKey(std::size_t row) {
    return "v_" + std::to_string(row);
}

int volumeRowOf(std::string_view key) {
    if (key.size() < 3 || key.substr(0, 2) != "v_")
        return -1;
    const auto row = parseDecimal(key.substr(2));
    return row && *row >= 0 && *row < VolumeItems::kRows ? static_cast<int>(*row) : -1;
}

std::string volumeName(const VolumeItem& item) {
    std::string name = item.caption;
    if (!name.empty() && name.back() == ':')
        name.pop_back();
    return name;
}

FunctionNode* EditorModel::switchByKey(std::string_view key) {
    return kind == EditorKind::Function ? findSwitch(functions, key) : nullptr;
}

const FunctionNode* EditorModel::switchByKey(std::string_view key) const {
    return const_cast<EditorModel*>(this)->switchByKey(key);
}

StyleRow* EditorModel::styleByKey(std::string_view key) {
    for (StyleRow& row : styles.rows) {
        if (row.key == key)
            return &row;
    }
    return nullptr;
}

VolumeItem* EditorModel::volumeByKey(std::string_view key) {
    const int row = volumeRowOf(key);
    return row >= 0 && static_cast<std::size_t>(row) < volumes.items.size()
               ? &volumes.items[static_cast<std::size_t>(row)]
               : nullptr;
}

const ColorEntry* EditorModel::colorByKey(std::string_view key) const {
    for (const ColorGroup& group : colors.groups) {
        for (const ColorEntry& entry : group.entries) {
            if (entry.key == key)
                return &entry;
        }
    }
    return nullptr;
}

std::vector<std::pair<std::string, std::string>>
EditorModel::namedSettings(SettingKind settingKind) const {
    std::vector<std::pair<std::string, std::string>> named;
    switch (settingKind) {
    case SettingKind::Switch:
        forEachSwitch(functions, [&](const FunctionNode& node, const std::string& path) {
            named.emplace_back(node.key, path);
        });
        break;
    case SettingKind::Style:
        for (const StyleRow& row : styles.rows)
            named.emplace_back(row.key, row.text);
        break;
    case SettingKind::Volume:
        for (std::size_t row = 0; row < volumes.items.size(); ++row)
            named.emplace_back(volumeKey(row), volumeName(volumes.items[row]));
        break;
    case SettingKind::Color:
        for (const ColorGroup& group : colors.groups) {
            for (const ColorEntry& entry : group.entries)
                named.emplace_back(entry.key, group.caption + "/" + entry.caption);
        }
        break;
    default:
        break;
    }
    return named;
}

namespace {

std::string indexKey(SettingKind kind, const std::string& path) {
    return std::string(settingKindName(kind)) + "\n" + path;
}

} // namespace

SettingNameIndex::SettingNameIndex(const EditorModel& model) {
    for (SettingKind kind :
         {SettingKind::Switch, SettingKind::Style, SettingKind::Volume, SettingKind::Color}) {
        for (const auto& [key, name] : model.namedSettings(kind))
            m_keys[indexKey(kind, name)].push_back(key);
    }
    for (std::size_t row = 0; row < model.volumes.items.size(); ++row) {
        const VolumeItem& item = model.volumes.items[row];
        if (item.caption != volumeName(item))
            m_keys[indexKey(SettingKind::Volume, item.caption)].push_back(volumeKey(row));
    }
}

const std::vector<std::string>& SettingNameIndex::keysNamed(SettingKind kind,
                                                            const std::string& path) const {
    static const std::vector<std::string> none;
    const auto found = m_keys.find(indexKey(kind, path));
    return found == m_keys.end() ? none : found->second;
}

SettingNameIndex::Pick SettingNameIndex::pick(SettingKind kind, const std::string& name) const {
    const std::string what =
        kind == SettingKind::Color ? "colour" : std::string(settingKindName(kind));
    const std::vector<std::string>& exact = keysNamed(kind, name);
    if (exact.size() == 1)
        return {exact.front(), {}};
    if (exact.size() > 1) {
        std::string problem =
            name + " names " + std::to_string(exact.size()) + " " + what + " items; give one of:";
        for (std::size_t n = 1; n <= exact.size(); ++n)
            problem += (n == 1 ? " \"" : ", \"") + name + "#" + std::to_string(n) + "\"";
        return {std::nullopt, problem};
    }
    // An ID may hold "#" itself, so the numbered form is only tried after the plain one.
    if (const auto hash = name.rfind('#'); hash != std::string::npos) {
        const auto number = parseDecimal(name.substr(hash + 1));
        const std::vector<std::string>& several = keysNamed(kind, name.substr(0, hash));
        if (number && *number >= 1 && static_cast<std::size_t>(*number) <= several.size() &&
            several.size() > 1)
            return {several[static_cast<std::size_t>(*number) - 1], {}};
    }
    return {std::nullopt, "no " + what + " " + name};
}

EditorModel buildEditorModel(const XmlElement& type, std::string_view typeName,
                             const ByteGrid& grid, FunctionTreeBuilder& builder) {
    EditorModel model;
    if (type.isNull())
        return model;
    model.kind = editorKindOf(typeName);
    seemKind(model.kind).buildModel(model, type, grid, builder);
    return model;
}

std::vector<std::string> refreshEditorModel(EditorModel& model, const ByteGrid& grid,
                                            std::span<const int> changedCells) {
    std::vector<std::string> changed;
    seemKind(model.kind)
        .refreshModel(model, grid, TouchedCells(changedCells, grid.cellCount()), changed);
    return changed;
}

std::vector<std::string> settingsOnCell(const EditorModel& model, int cell) {
    const int cellList[] = {cell};
    std::vector<std::string> keys;
    seemKind(model.kind).addSettingsIn(model, TouchedCells(cellList, cell + 1), keys);
    return keys;
}

} // namespace vantrel
