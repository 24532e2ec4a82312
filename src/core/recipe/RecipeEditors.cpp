// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recipe/RecipeEditors.h"

namespace vantrel::recipe {

std::vector<std::uint8_t> bytesOf(const ByteGrid& grid) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(grid.cellCount()));
    for (int i = 0; i < grid.cellCount(); ++i)
        bytes[static_cast<std::size_t>(i)] = grid.value(i).value_or(0);
    return bytes;
}

std::string volumeName(const VolumeItem& item) {
    std::string name = item.caption;
    if (!name.empty() && name.back() == ':')
        name.pop_back();
    return name;
}

void forEachSwitch(FunctionNode& parent, const std::string& path,
                   const std::function<void(FunctionNode&, const std::string&)>& visit) {
    for (FunctionNode& node : parent.children) {
        const std::string nodePath = path.empty() ? node.text : path + "/" + node.text;
        if (node.isSwitch())
            visit(node, nodePath);
        forEachSwitch(node, nodePath, visit);
    }
}

Editors::Editors(const XmlElement& type, const std::string& typeName, const ByteGrid& grid) {
    if (typeName == "function") {
        FunctionTreeBuilder builder;
        switches = builder.build(type, grid);
    } else if (typeName == "style") {
        styles = buildStyleRows(type, grid);
    } else if (typeName == "volume") {
        volumes = buildVolumeItems(type, grid);
    } else if (typeName == "color") {
        colors = buildColorTree(type, grid);
    }
    forEachSwitch(switches, "", [&](FunctionNode& node, const std::string& path) {
        m_switchIndex[path].push_back(&node);
    });
    for (StyleRow& row : styles.rows)
        m_styleIndex[row.text].push_back(&row);
    for (VolumeItem& item : volumes.items) {
        m_volumeIndex[item.caption].push_back(&item);
        if (volumeName(item) != item.caption)
            m_volumeIndex[volumeName(item)].push_back(&item);
    }
    for (const ColorGroup& group : colors.groups) {
        for (const ColorEntry& entry : group.entries)
            m_colorIndex[group.caption + "/" + entry.caption].push_back(&entry);
    }
}

namespace {

template <typename T>
std::vector<T> lookUp(const std::unordered_map<std::string, std::vector<T>>& index,
                      const std::string& name) {
    const auto found = index.find(name);
    return found == index.end() ? std::vector<T>() : found->second;
}

} // namespace

std::vector<FunctionNode*> Editors::switchesAt(const std::string& path) const {
    return lookUp(m_switchIndex, path);
}

std::vector<StyleRow*> Editors::stylesAt(const std::string& path) const {
    return lookUp(m_styleIndex, path);
}

std::vector<VolumeItem*> Editors::volumesAt(const std::string& path) const {
    return lookUp(m_volumeIndex, path);
}

std::vector<const ColorEntry*> Editors::colorsAt(const std::string& path) const {
    return lookUp(m_colorIndex, path);
}

} // namespace vantrel::recipe
