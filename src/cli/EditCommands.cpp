// SPDX-License-Identifier: GPL-3.0-or-later
// Edits of one setting, each written through the document's save.
#include "cli/Commands.h"

#include "core/document/FunctionTree.h"
#include "core/editors/StyleList.h"
#include "core/files/FileLock.h"
#include "core/i18n/BuiltinStrings.h"

#include <optional>

namespace vantrel::cli {

namespace {

std::optional<bool> parseOnOff(const std::string& word) {
    if (word == "on")
        return true;
    if (word == "off")
        return false;
    return std::nullopt;
}

std::vector<std::string> splitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t slash = path.find('/'); slash != std::string::npos;
         slash = path.find('/', start)) {
        parts.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    parts.push_back(path.substr(start));
    return parts;
}

FunctionNode* findByPath(FunctionNode& root, const std::vector<std::string>& ids) {
    FunctionNode* node = &root;
    for (const std::string& id : ids) {
        FunctionNode* next = nullptr;
        for (FunctionNode& child : node->children) {
            if (child.text == id) {
                next = &child;
                break;
            }
        }
        if (next == nullptr)
            return nullptr;
        node = next;
    }
    return node;
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

} // namespace

// Opens the file named first, checks its kind, lets edit change the cells and
// saves to -o OUT or in place. The file is not touched unless edit succeeds.
int editFile(CliContext& context, CommandArguments& arguments, const std::string& kind,
             std::size_t wordCount, const EditAction& edit) {
    const auto output = arguments.takeValue("-o");
    const auto& words = arguments.positional();
    if (arguments.error() || words.size() != wordCount)
        return context.usage(arguments.error().value_or("wrong number of arguments"));
    // Writing in place over a file whose earlier save was cut would bury its old content.
    if (reportLeftoverRecovery(context, words[0]) && !output)
        return kBadInput;
    // Concurrent edits of one file take turns, so that none reads what another is replacing.
    std::optional<FileLock> lock;
    if (!output)
        lock.emplace(words[0]);
    if (!openSeem(context, words[0]) || !requireKind(context, kind, context.options.command))
        return kBadInput;
    if (const int status = edit(words); status != kSuccess)
        return status;
    const SaveOutcome saved = output ? context.document.saveAs(*output) : context.document.save();
    switch (saved.status) {
    case SaveOutcome::Status::Saved:
        return kSuccess;
    case SaveOutcome::Status::InvalidCell:
        return context.badInput(words[0], "the byte at offset " +
                                              std::to_string(saved.invalidCell) + " is not valid");
    case SaveOutcome::Status::ChangedOnDisk:
        return context.badInput(words[0], "another program changed the file after it was read; "
                                          "nothing was written");
    case SaveOutcome::Status::WriteFailed:
        break;
    }
    FileWrite written{saved.fileOutcome, saved.reason, saved.recoveryPath};
    return context.badInput(output.value_or(words[0]), written.describe());
}

int runSwitch(CliContext& context, CommandArguments& arguments) {
    return editFile(context, arguments, "function", 3, [&](const std::vector<std::string>& words) {
        const auto on = parseOnOff(words[2]);
        if (!on)
            return context.usage("switch takes on or off, not \"" + words[2] + "\"");
        FunctionTreeBuilder builder;
        FunctionNode root = builder.build(context.document.type(), context.document.grid());
        FunctionNode* node = findByPath(root, splitPath(words[1]));
        if (node == nullptr || !node->isSwitch())
            return context.badInput(words[0], "no switch " + words[1]);
        EditScope step(context.document, StrUndoSwitch);
        if (!toggleSwitch(context.document.grid(), *node, *on))
            return context.badInput(words[0], "the byte of " + words[1] + " is not valid");
        return static_cast<int>(kSuccess);
    });
}

int runStyle(CliContext& context, CommandArguments& arguments) {
    return editFile(context, arguments, "style", 3, [&](const std::vector<std::string>& words) {
        const auto on = parseOnOff(words[2]);
        if (!on)
            return context.usage("style takes on or off, not \"" + words[2] + "\"");
        StyleRows style = buildStyleRows(context.document.type(), context.document.grid());
        for (StyleRow& row : style.rows) {
            if (row.text == words[1]) {
                EditScope step(context.document, StrUndoStyle);
                applyCheck(context.document.grid(), row, *on);
                return static_cast<int>(kSuccess);
            }
        }
        return context.badInput(words[0], "no style " + words[1]);
    });
}

} // namespace vantrel::cli
