// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/DefinitionProblems.h"
#include "core/editors/EditorKind.h"
#include "core/editors/SettingKind.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class ByteGrid;
class FunctionTreeBuilder;
class TouchedCells;
class UiStrings;
class XmlElement;
struct Coverage;
struct EditorModel;
struct RecipeEntry;
struct SettingMatch;
struct SettingsPair;

// How the command line names a type's items, which is where names can repeat:
// not at all, by ID, or by the path of IDs through nested items.
enum class ItemNames { None, ById, ByPath };

// What Suggest Definitions can write for changed bits no item reads: an item
// per bit, a row per byte, or nothing.
enum class SuggestedItems { None, PerBit, PerByte };

// Whether a recipe entry of a kind and path is taken: one a name that several
// items share is left out, as it would set them all alike.
using TakesRecipeName = std::function<bool(SettingKind, const std::string&)>;

// Everything that differs between the kinds of seem type. Each kind is one
// class in core/kinds, listed once in its table; the rest of the core asks
// seemKind() and never compares a kind's name. A member a kind does not
// override does nothing: a type without an editor has no settings.
class SeemKind {
  public:
    virtual ~SeemKind() = default;

    [[nodiscard]] virtual EditorKind kind() const = 0;
    [[nodiscard]] std::string_view name() const { return editorKindName(kind()); }
    [[nodiscard]] virtual bool showsEditor() const { return false; }
    [[nodiscard]] virtual bool isGenerator() const { return false; }

    // The editor's model: built for a file, then kept up to date from the cells.
    virtual void buildModel(EditorModel& /*model*/, const XmlElement& /*type*/,
                            const ByteGrid& /*grid*/, FunctionTreeBuilder& /*builder*/) const {}
    // Reads again the settings that live in touched cells, adding their keys to changed.
    virtual void refreshModel(EditorModel& /*model*/, const ByteGrid& /*grid*/,
                              const TouchedCells& /*cells*/,
                              std::vector<std::string>& /*changed*/) const {}
    // The keys of the settings that live in the touched cells, in the editor's order.
    virtual void addSettingsIn(const EditorModel& /*model*/, const TouchedCells& /*cells*/,
                               std::vector<std::string>& /*keys*/) const {}

    // The settings whose name or description holds text (never empty).
    virtual void findSettings(const EditorModel& /*model*/, const ByteGrid& /*grid*/,
                              std::string_view /*text*/,
                              std::vector<SettingMatch>& /*matches*/) const {}

    // Whether two files of the kind are compared setting by setting, and that comparison.
    [[nodiscard]] virtual bool comparesSettings() const { return false; }
    virtual void compareSettings(SettingsPair& /*pair*/) const {}

    // The items whose bits the definitions describe; strings name the scheme's title.
    virtual void addCoverage(Coverage& /*coverage*/, const XmlElement& /*type*/,
                             const ByteGrid& /*grid*/, const UiStrings& /*strings*/) const {}
    [[nodiscard]] virtual SuggestedItems suggestedItems() const { return SuggestedItems::None; }

    // Builds the type's editor on a file of its size, noting what the editor skips.
    virtual void checkItems(const XmlElement& type, const ByteGrid& grid,
                            DefinitionProblems& problems) const = 0;
    [[nodiscard]] virtual ItemNames itemNames() const { return ItemNames::None; }

    // The recipe entries of every setting a file's model holds, in the editor's order.
    virtual void addRecipeEntries(const EditorModel& /*model*/, const ByteGrid& /*grid*/,
                                  const std::string& /*seem*/, const TakesRecipeName& /*takes*/,
                                  std::vector<RecipeEntry>& /*entries*/) const {}
};

// The kind's class; None's for EditorKind::None.
[[nodiscard]] const SeemKind& seemKind(EditorKind kind);

} // namespace vantrel
