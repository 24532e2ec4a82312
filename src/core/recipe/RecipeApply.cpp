// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a recipe's entries into a file's cells, all or nothing.
#include "core/editors/EditorModel.h"
#include "core/editors/SettingWrites.h"
#include "core/recipe/RecipeSettings.h"

namespace vantrel {

namespace {

// "" when exactly one item was found, else what is wrong.
std::string exactlyOne(const std::vector<std::string>& found, SettingKind kind) {
    const std::string what(kind == SettingKind::Volume ? "volume item" : settingKindName(kind));
    if (found.empty())
        return "no " + what + " of that name";
    if (found.size() > 1)
        return "the name fits " + std::to_string(found.size()) + " " + what + "s";
    return "";
}

bool namesAnItem(SettingKind kind) {
    return kind == SettingKind::Switch || kind == SettingKind::Style ||
           kind == SettingKind::Volume || kind == SettingKind::Color;
}

std::string applyEntry(EditorModel& model, const SettingNameIndex& names, ByteGrid& grid,
                       const RecipeEntry& entry) {
    SettingValue setting{entry.kind, entry.path, entry.value, entry.transparency, entry.offset};
    // A value or a type the write refuses anyway is told before a name is looked up.
    if (namesAnItem(entry.kind) && !requireKind(model, entry.kind) &&
        entry.value.find('\0') == std::string::npos) {
        const std::vector<std::string>& keys = names.keysNamed(entry.kind, entry.path);
        if (std::string fault = exactlyOne(keys, entry.kind); !fault.empty())
            return fault;
        setting.key = keys.front();
    }
    const EditResult refused = writeSetting(model, grid, setting);
    return refused ? refused->detail : std::string();
}

} // namespace

std::vector<std::string> applyRecipeEntries(const XmlElement& type, const std::string& typeName,
                                            ByteGrid& grid,
                                            const std::vector<RecipeEntry>& entries) {
    ByteGrid trial;
    trial.load(grid.bytes());
    FunctionTreeBuilder builder;
    EditorModel model = buildEditorModel(type, typeName, trial, builder);
    const SettingNameIndex names(model);
    std::vector<std::string> problems;
    for (const RecipeEntry& entry : entries) {
        if (std::string fault = applyEntry(model, names, trial, entry); !fault.empty())
            problems.push_back(describeEntry(entry) + ": " + fault);
    }
    if (!problems.empty())
        return problems;
    for (int i = 0; i < grid.cellCount(); ++i) {
        if (grid.value(i) != trial.value(i))
            grid.writeByte(i, *trial.value(i));
    }
    return problems;
}

} // namespace vantrel
