// SPDX-License-Identifier: GPL-3.0-or-later
// Edits of one setting, each written through the document's save.
#include "cli/Commands.h"
#include "cli/NamedItems.h"
#include "core/document/FunctionTree.h"
#include "core/editors/StyleList.h"
#include "core/files/FileLock.h"
#include "core/i18n/BuiltinStrings.h"

#include <optional>

namespace vantrel::cli {

namespace {

// The switches below parent with their paths of IDs joined by "/", in document order.
void collectSwitches(FunctionNode& parent, const std::string& prefix,
                     std::vector<FunctionNode*>& nodes, std::vector<std::string>& paths) {
    for (FunctionNode& child : parent.children) {
        const std::string path = prefix.empty() ? child.text : prefix + "/" + child.text;
        if (child.isSwitch()) {
            nodes.push_back(&child);
            paths.push_back(path);
        }
        collectSwitches(child, path, nodes, paths);
    }
}

// Checks the open document is of the kind the command edits.
bool requireKind(const CliContext& context, const std::string& kind, const std::string& command) {
    if (context.document.typeName() == kind)
        return true;
    const std::string actual = context.document.typeName();
    context.badInput(context.document.path(), command + " edits " + kind + " files, this one is " +
                                                  (actual.empty() ? std::string("of no known type")
                                                                  : "a " + actual + " file"));
    return false;
}

int saveEdit(CliContext& context, const EditOptions& options) {
    SeemDocument& document = context.document;
    if (const auto invalid = document.grid().firstInvalidCell())
        return context.badInput(options.file,
                                "the byte at offset " + std::to_string(*invalid) + " is not valid");
    if (options.output)
        return writeResult(context, *options.output, document.grid().bytes());
    return reportSave(context, options.file, document.save());
}

void reportEdit(const CliContext& context, const EditOptions& options,
                const std::vector<std::uint8_t>& before, const std::vector<EditChange>& changes) {
    Json json = Json::object();
    putPath(json, "path", options.file);
    if (options.output)
        putPath(json, "output", *options.output);
    else
        json["output"] = nullptr;
    json["changes"] = Json::array();
    for (const EditChange& change : changes)
        json["changes"].push_back(
            {{"setting", change.setting}, {"old", change.before}, {"new", change.after}});
    const std::vector<std::uint8_t> after = context.document.grid().bytes();
    json["offsets"] = Json::array();
    for (std::size_t i = 0; i < after.size() && i < before.size(); ++i) {
        if (before[i] != after[i])
            json["offsets"].push_back(i);
    }
    printJson(context.out, json);
}

} // namespace

// The file is not touched unless edit succeeds.
int editFile(CliContext& context, const EditOptions& options, const std::string& kind,
             const EditAction& edit) {
    if (options.output && *options.output == "-" && context.json())
        return context.usage("-o - and --json would both write to standard output");
    if (options.file == "-" && !options.output)
        return context.usage("standard input cannot be changed in place; give -o OUT");
    if (options.output && options.output->empty())
        return context.badInput("-o", "the output file name is empty");
    // Writing in place over a file whose earlier save was cut would bury its old content.
    if (reportLeftoverRecovery(context, options.file) && !options.output)
        return kBadInput;
    // Concurrent edits of one file take turns, so that none reads what another is replacing.
    std::optional<FileLock> lock;
    if (!options.output)
        lock.emplace(options.file);
    if (!openSeem(context, options.file) || !requireKind(context, kind, context.options.command))
        return kBadInput;
    const std::vector<std::uint8_t> before = context.document.grid().bytes();
    std::vector<EditChange> changes;
    if (const int status = edit(changes); status != kSuccess)
        return status;
    if (const int status = saveEdit(context, options); status != kSuccess)
        return status;
    if (context.json())
        reportEdit(context, options, before, changes);
    return kSuccess;
}

int runSwitch(CliContext& context, const EditOptions& options) {
    return editFile(context, options, "function", [&](std::vector<EditChange>& changes) {
        const bool on = options.value == "on";
        FunctionTreeBuilder builder;
        FunctionNode root = builder.build(context.document.type(), context.document.grid());
        std::vector<FunctionNode*> nodes;
        std::vector<std::string> paths;
        collectSwitches(root, "", nodes, paths);
        const NamePick pick = pickByName(paths, options.name, "switch");
        if (!pick.index)
            return context.badInput(options.file, pick.problem);
        FunctionNode& node = *nodes[*pick.index];
        changes.push_back({paths[*pick.index], node.on ? "on" : "off", options.value});
        EditScope step(context.document, UiString::UndoSwitch);
        if (!toggleSwitch(context.document.grid(), node, on))
            return context.badInput(options.file, "the byte of " + options.name + " is not valid");
        return static_cast<int>(kSuccess);
    });
}

int runStyle(CliContext& context, const EditOptions& options) {
    return editFile(context, options, "style", [&](std::vector<EditChange>& changes) {
        StyleRows style = buildStyleRows(context.document.type(), context.document.grid());
        std::vector<std::string> names;
        for (const StyleRow& row : style.rows)
            names.push_back(row.text);
        const NamePick pick = pickByName(names, options.name, "style");
        if (!pick.index)
            return context.badInput(options.file, pick.problem);
        StyleRow& row = style.rows[*pick.index];
        changes.push_back({row.text, row.checked ? "on" : "off", options.value});
        EditScope step(context.document, UiString::UndoStyle);
        applyCheck(context.document.grid(), row, options.value == "on");
        return static_cast<int>(kSuccess);
    });
}

} // namespace vantrel::cli
