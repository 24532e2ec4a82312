// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ByteGrid.h"
#include "core/document/FunctionTree.h"
#include "core/editors/ColorScheme.h"
#include "core/editors/StyleList.h"
#include "core/editors/VolumeItems.h"
#include "core/xml/XmlDocument.h"

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

// The editors' view of a file, shared by reading settings into a recipe and
// writing a recipe's settings back.
namespace vantrel::recipe {

[[nodiscard]] std::vector<std::uint8_t> bytesOf(const ByteGrid& grid);

// A volume item's caption without its trailing colon: its name in a recipe.
[[nodiscard]] std::string volumeName(const VolumeItem& item);

// Visits every switch with its path of IDs below the root, joined by "/".
void forEachSwitch(FunctionNode& parent, const std::string& path,
                   const std::function<void(FunctionNode&, const std::string&)>& visit);

// What a file's editor shows, built once for reading or writing.
struct Editors {
    FunctionNode switches;
    StyleRows styles;
    VolumeItems volumes;
    ColorTree colors;

    Editors(const XmlElement& type, const std::string& typeName, const ByteGrid& grid);
    Editors(const Editors&) = delete; // the indexes point into the members
    Editors& operator=(const Editors&) = delete;

    // The items a recipe path names: none, one, or several of the same name.
    [[nodiscard]] std::vector<FunctionNode*> switchesAt(const std::string& path) const;
    [[nodiscard]] std::vector<StyleRow*> stylesAt(const std::string& path) const;
    [[nodiscard]] std::vector<VolumeItem*> volumesAt(const std::string& path) const;
    [[nodiscard]] std::vector<const ColorEntry*> colorsAt(const std::string& path) const;

  private:
    // Every item by each name it answers to, so that a whole recipe or a
    // whole file takes one look per item.
    std::unordered_map<std::string, std::vector<FunctionNode*>> m_switchIndex;
    std::unordered_map<std::string, std::vector<StyleRow*>> m_styleIndex;
    std::unordered_map<std::string, std::vector<VolumeItem*>> m_volumeIndex;
    std::unordered_map<std::string, std::vector<const ColorEntry*>> m_colorIndex;
};

} // namespace vantrel::recipe
