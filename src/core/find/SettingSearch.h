// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ByteGrid.h"
#include "core/editors/EditorModel.h"
#include "core/editors/SettingKind.h"
#include "core/xml/XmlDocument.h"

#include <string>
#include <string_view>
#include <vector>

// Settings found by a piece of their name or description.
namespace vantrel {

// One setting a search found, with what a face needs to show and choose it.
struct SettingMatch {
    SettingKind kind = SettingKind::Switch;
    std::string key;   // as the editor chooses it: a node key, a row key, "v_N", an entry key
    std::string path;  // as recipes and the command line name it: "Keys/Sound"
    std::string value; // as the command line writes it: "on", "6", "#FF8000"
    // The function tree's nodes to expand to show it, root first; empty for the other editors.
    std::vector<std::string> folders;
    int firstCell = 0; // the cells it lives in
    int cellCount = 1;
};

// Whether text holds part anywhere, ASCII letters matched without regard to
// case; an empty part is in every text.
[[nodiscard]] bool containsIgnoringCase(std::string_view text, std::string_view part);

// The settings of the model whose name or description holds text, ignoring
// case, in the editor's order: switches by ID or tip, style rows and volume
// items by ID or tip, colour entries by their own or their group's ID.
// Nothing for an empty text or a model without one of the four editors.
[[nodiscard]] std::vector<SettingMatch> findSettings(const EditorModel& model, const ByteGrid& grid,
                                                     std::string_view text);

// The same, for one kind of editor: each adds its matches to out.
void findSwitches(const FunctionNode& root, std::string_view text, std::vector<SettingMatch>& out);
void findStyles(const StyleRows& styles, std::string_view text, std::vector<SettingMatch>& out);
void findVolumes(const VolumeItems& volumes, std::string_view text, std::vector<SettingMatch>& out);
void findColors(const ColorTree& colors, const ByteGrid& grid, std::string_view text,
                std::vector<SettingMatch>& out);

// Whether any element of a type's definitions has an ID or tip holding text:
// no setting of a file of that type can match otherwise, so its files need
// no model.
[[nodiscard]] bool typeMentions(const XmlElement& type, std::string_view text);

} // namespace vantrel
