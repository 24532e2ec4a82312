// SPDX-License-Identifier: GPL-3.0-or-later
// Edits of one setting, made and saved through the editing session.
#include "cli/Commands.h"
#include "core/editors/ColorMath.h"
#include "core/editors/SchemeTitle.h"
#include "core/editors/SettingText.h"
#include "core/files/FileLock.h"

#include <optional>

namespace vantrel::cli {

namespace {

// Checks the open file is of the kind the command edits.
bool requireKind(const CliContext& context, SettingKind kind) {
    if (!vantrel::requireKind(context.session.model(), kind))
        return true;
    const std::string actual = context.document.typeName();
    context.badInput(
        context.document.path(),
        context.options.command + " edits " + std::string(editorKindName(editorFor(kind))) +
            " files, this one is " +
            (actual.empty() ? std::string("of no known type") : "a " + actual + " file"));
    return false;
}

// The name the editors show the setting of key under.
std::string settingName(const EditorModel& model, SettingKind kind, const std::string& key) {
    for (const auto& [named, name] : model.namedSettings(kind)) {
        if (named == key)
            return name;
    }
    return key;
}

int saveEdit(CliContext& context, const EditOptions& options) {
    if (!options.output)
        return reportSave(context, options.file, context.session.save());
    std::vector<std::uint8_t> bytes;
    if (const SaveResult refused = context.session.bytesToSave(bytes);
        refused.status != SaveResult::Status::Saved)
        return reportSave(context, options.file, refused);
    return writeResult(context, *options.output, bytes);
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

std::string settingText(const EditingSession& session, SettingKind kind, const std::string& key) {
    const EditorModel& model = session.model();
    switch (kind) {
    case SettingKind::Switch:
        if (const FunctionNode* node = model.switchByKey(key))
            return onOff(node->on);
        break;
    case SettingKind::Style:
        for (const StyleRow& row : model.styles.rows) {
            if (row.key == key)
                return onOff(row.checked);
        }
        break;
    case SettingKind::Volume:
        if (const int row = volumeRowOf(key);
            row >= 0 && static_cast<std::size_t>(row) < model.volumes.items.size())
            return storedValueText(model.volumes.items[static_cast<std::size_t>(row)]);
        break;
    case SettingKind::Color:
        if (const ColorEntry* entry = model.colorByKey(key)) {
            const ColorRecord record = readColorRecord(session.grid(), entry->offset);
            return rgbText(record) + " " + std::to_string(percentFromByte(record.transparency)) +
                   "%";
        }
        break;
    case SettingKind::Title:
        return utf16ToUtf8(model.title);
    default:
        break;
    }
    return {};
}

// The file is not touched unless edit succeeds.
int editFile(CliContext& context, const EditOptions& options, SettingKind kind,
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
    if (!openSeem(context, options.file) || !requireKind(context, kind))
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

// The setting is found by the name the editors show it under (the title has
// none) and written by the session, as the editor writes it.
int editSetting(CliContext& context, const EditOptions& options, SettingKind kind) {
    return editFile(context, options, kind, [&](std::vector<EditChange>& changes) {
        EditingSession& session = context.session;
        std::string key(kTitleKey);
        std::string name(kTitleKey);
        std::string prefix; // a refusal names the setting, as the title needs not
        if (kind != SettingKind::Title) {
            const SettingNameIndex::Pick pick =
                SettingNameIndex(session.model()).pick(kind, options.name);
            if (!pick.key)
                return context.badInput(options.file, pick.problem);
            key = *pick.key;
            name = settingName(session.model(), kind, key);
            prefix = name + ": ";
        }
        const std::string before = settingText(session, kind, key);
        if (const EditResult refused = session.setSetting(
                {kind, key, options.value, options.transparency.value_or(""), 0}))
            return context.badInput(options.file, prefix + refused->detail);
        changes.push_back({name, before, settingText(session, kind, key)});
        return static_cast<int>(kSuccess);
    });
}

int runSwitch(CliContext& context, const EditOptions& options) {
    return editSetting(context, options, SettingKind::Switch);
}

int runStyle(CliContext& context, const EditOptions& options) {
    return editSetting(context, options, SettingKind::Style);
}

} // namespace vantrel::cli
