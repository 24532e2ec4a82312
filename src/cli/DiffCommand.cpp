// SPDX-License-Identifier: GPL-3.0-or-later
// diff: two seem files compared setting by setting.
#include "cli/CliJson.h"
#include "cli/Commands.h"
#include "cli/FolderCommands.h"
#include "core/compare/DifferenceJson.h"
#include "core/compare/SeemComparison.h"

namespace vantrel::cli {

namespace {

// As diff and cmp: 0 the same, 1 different, 2 trouble.
constexpr int kFilesDiffer = 1;

void writeJson(std::ostream& out, const std::string& first, const std::string& second,
               const SeemComparison& comparison) {
    Json json = Json::object();
    putPath(json, "a", first);
    putPath(json, "b", second);
    json["by"] = comparison.bySettings ? "settings" : "bytes";
    json["reason"] = comparison.bySettings ? Json(nullptr) : Json(comparison.reason);
    json["differences"] = differencesJson(comparison.differences);
    printJson(out, json);
}

} // namespace

int runDiff(CliContext& context, const FilesOptions& options) {
    const std::vector<std::string>& files = options.files;
    if (options.recipe)
        return diffAsRecipe(context, files[0], files[1]);
    if (isFolder(files[0]) || isFolder(files[1]))
        return diffFolders(context, files[0], files[1]);
    if (options.suggest)
        return suggestDefinitionsFor(context, files[0], files[1]);
    // One document, one file after the other: the first file's type element
    // stays valid, as both come from the same definitions.
    if (!openSeem(context, files[0]))
        return kBadInput;
    const XmlElement firstType = context.document.type();
    const std::string firstTypeName = context.document.typeName();
    ByteGrid firstGrid;
    firstGrid.load(context.document.savedBytes());
    if (!openSeem(context, files[1]))
        return kBadInput;

    const SeemComparison comparison = compareSeemFiles(
        {firstType, firstTypeName, firstGrid},
        {context.document.type(), context.document.typeName(), context.document.grid()},
        UiStrings());
    if (context.json()) {
        writeJson(context.out, files[0], files[1], comparison);
    } else {
        if (!comparison.bySettings)
            context.out << comparison.reason << '\n';
        for (const SettingDifference& difference : comparison.differences)
            context.out << differenceLine(difference) << '\n';
    }
    return comparison.equal() ? kSuccess : kFilesDiffer;
}

} // namespace vantrel::cli
