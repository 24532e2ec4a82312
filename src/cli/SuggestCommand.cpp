// SPDX-License-Identifier: GPL-3.0-or-later
// diff --suggest: the definitions that would describe the bits two files differ in.
#include "cli/Commands.h"
#include "core/coverage/DefinitionSuggestions.h"

#include <filesystem>

namespace vantrel::cli {

int suggestDefinitionsFor(CliContext& context, const std::string& first,
                          const std::string& second) {
    if (!openSeem(context, first))
        return kBadInput;
    const XmlElement type = context.document.type();
    const std::string typeName = context.document.typeName();
    ByteGrid firstGrid;
    firstGrid.load(context.document.savedBytes());
    if (!openSeem(context, second))
        return kBadInput;
    if (!type || context.document.type() != type ||
        context.document.grid().cellCount() != firstGrid.cellCount())
        return context.badInput(second, "not of the same seem type and size as " + first);

    const UiStrings strings;
    const DefinitionSuggestions suggestions =
        suggestDefinitions(type, typeName, firstGrid, context.document.grid(), strings);
    const std::string definitionsName =
        std::filesystem::path(context.data.definitionsPath).filename().string();
    const std::string text = suggestionText(suggestions, type, typeName,
                                            context.document.definitions().position(type).line,
                                            definitionsName, strings);
    if (!context.json()) {
        context.out << text;
        return kSuccess;
    }
    Json json = Json::object();
    putPath(json, "a", first);
    putPath(json, "b", second);
    json["definitions"] = text;
    printJson(context.out, json);
    return kSuccess;
}

} // namespace vantrel::cli
