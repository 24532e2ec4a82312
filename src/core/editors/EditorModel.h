// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ByteGrid.h"
#include "core/document/FunctionTree.h"
#include "core/editors/ColorScheme.h"
#include "core/editors/EditorKind.h"
#include "core/editors/SettingKind.h"
#include "core/editors/StyleList.h"
#include "core/editors/VolumeItems.h"
#include "core/generators/GprsTextRecord.h"
#include "core/xml/XmlDocument.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantrel {

// The keys of the settings that have no item of their own.
inline constexpr std::string_view kTitleKey = "title";
inline constexpr std::string_view kOuterTextKey = "outertext";
inline constexpr std::string_view kGprsKey = "gprs";

// "v_" + the volume row: what the editors, comparisons and coverage call a volume item.
[[nodiscard]] std::string volumeKey(std::size_t row);
// The row of a volume key; -1 for any other text.
[[nodiscard]] int volumeRowOf(std::string_view key);

// What the editor of a file's type shows, built once for a file and kept up
// to date from its cells: the function tree, the style rows, the volume
// items, the colour tree with the scheme's title, or the text a generator's
// record holds. Every setting has a key that stays the same for as long as
// the file is open, whatever is written into its cells.
struct EditorModel {
    EditorKind kind = EditorKind::None;
    FunctionNode functions; // Function: the root
    StyleRows styles;
    VolumeItems volumes;
    ColorTree colors;
    bool hasTitle = false; // Color: the file has room for a scheme title
    std::u16string title;
    std::u16string outerText; // OuterText: the text the cells hold
    GprsSetting gprs;         // Gprs: the setting the cells hold
    // False when an item of the type was left out or cut the list short.
    bool complete = true;

    [[nodiscard]] FunctionNode* switchByKey(std::string_view key);
    [[nodiscard]] const FunctionNode* switchByKey(std::string_view key) const;
    [[nodiscard]] StyleRow* styleByKey(std::string_view key);
    [[nodiscard]] VolumeItem* volumeByKey(std::string_view key);
    [[nodiscard]] const ColorEntry* colorByKey(std::string_view key) const;

    // Every setting of the kind with its key and the path recipes and the
    // command line name it by, in the editor's order: a switch by its IDs
    // from the root joined by "/", a style by its ID, a volume item by its
    // caption without its colon, a colour by "Group/Entry".
    [[nodiscard]] std::vector<std::pair<std::string, std::string>>
    namedSettings(SettingKind kind) const;
};

// The settings of a model by path, made once, so that a whole recipe or a
// whole file takes one look per name.
class SettingNameIndex {
  public:
    explicit SettingNameIndex(const EditorModel& model);
    // The keys a path names: none, one, or several where names repeat. A
    // volume item also answers to its caption as shown, colon and all.
    [[nodiscard]] const std::vector<std::string>& keysNamed(SettingKind kind,
                                                            const std::string& path) const;

    // The one setting a name typed by a user picks. Where several share the
    // name, a guess could write the wrong byte: the pick is refused with
    // every candidate as NAME#N (the N-th so named, in the editor's order),
    // which is then accepted.
    struct Pick {
        std::optional<std::string> key;
        std::string problem; // when key is empty: unknown, or ambiguous with the candidates
    };
    [[nodiscard]] Pick pick(SettingKind kind, const std::string& name) const;

  private:
    std::unordered_map<std::string, std::vector<std::string>> m_keys; // kind name + "\n" + path
};

// The model of a file whose matched type is type (null: none), named
// typeName. The builder numbers the function tree's unnamed folders.
[[nodiscard]] EditorModel buildEditorModel(const XmlElement& type, std::string_view typeName,
                                           const ByteGrid& grid, FunctionTreeBuilder& builder);

// Reads again the values of the settings that live in the given cells (every
// setting for an empty list) and returns their keys, in the editor's order.
std::vector<std::string> refreshEditorModel(EditorModel& model, const ByteGrid& grid,
                                            std::span<const int> cells);

// The settings that live in a cell, by key, in the editor's order.
[[nodiscard]] std::vector<std::string> settingsOnCell(const EditorModel& model, int cell);

// A volume item's caption without its trailing colon: its name in recipes
// and on the command line.
[[nodiscard]] std::string volumeName(const VolumeItem& item);

} // namespace vantrel
