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
}

std::vector<FunctionNode*> Editors::switchesAt(const std::string& path) {
    std::vector<FunctionNode*> found;
    forEachSwitch(switches, "", [&](FunctionNode& node, const std::string& nodePath) {
        if (nodePath == path)
            found.push_back(&node);
    });
    return found;
}

std::vector<StyleRow*> Editors::stylesAt(const std::string& path) {
    std::vector<StyleRow*> found;
    for (StyleRow& row : styles.rows) {
        if (row.text == path)
            found.push_back(&row);
    }
    return found;
}

std::vector<VolumeItem*> Editors::volumesAt(const std::string& path) {
    std::vector<VolumeItem*> found;
    for (VolumeItem& item : volumes.items) {
        if (item.caption == path || volumeName(item) == path)
            found.push_back(&item);
    }
    return found;
}

std::vector<const ColorEntry*> Editors::colorsAt(const std::string& path) const {
    std::vector<const ColorEntry*> found;
    for (const ColorGroup& group : colors.groups) {
        for (const ColorEntry& entry : group.entries) {
            if (group.caption + "/" + entry.caption == path)
                found.push_back(&entry);
        }
    }
    return found;
}

} // namespace vantrel::recipe
