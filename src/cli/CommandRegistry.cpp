// SPDX-License-Identifier: GPL-3.0-or-later
// Every subcommand with its own arguments, declared with CLI11.
#include "cli/CommandRegistry.h"

#include "cli/Commands.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace vantrel::cli {

namespace {

// One subcommand: declare adds its arguments to the parser, filling an
// Options object that run receives once the whole line parsed.
template <class Options, class Declare>
void addCommand(std::vector<RegisteredCommand>& table, CLI::App& cli, const char* name,
                const char* about, Declare declare, int (*run)(CliContext&, const Options&)) {
    auto options = std::make_shared<Options>();
    CLI::App* command = cli.add_subcommand(name, about);
    declare(*command, *options);
    table.push_back(
        {command, [options, run](CliContext& context) { return run(context, *options); }});
}

void files(CLI::App& command, FilesOptions& options, const char* name = "FILE") {
    command.add_option(name, options.files, "seem files; - is standard input")->required();
}

void editTarget(CLI::App& command, EditOptions& options, const char* name, const char* nameHelp,
                const char* value, const char* valueHelp) {
    command.add_option("FILE", options.file, "the seem file")->required();
    command.add_option(name, options.name, nameHelp)->required();
    command.add_option(value, options.value, valueHelp)->required();
    command.add_option("-o", options.output, "write the result to OUT (- for standard output)")
        ->type_name("OUT");
}

void textOutput(CLI::App& command, TextOptions& options) {
    command.add_option("-o", options.output, "the file to write (- for standard output)")
        ->type_name("OUT")
        ->required();
    command.add_flag("--strict", options.strict, "refuse a text that does not fit whole");
}

} // namespace

// Every subcommand, in the order --help lists them. A new command gets its
// options struct in Commands.h, its run function in a file of its own and
// one addCommand call here.
std::vector<RegisteredCommand> registerCommands(CLI::App& cli) {
    std::vector<RegisteredCommand> table;
    addCommand<FilesOptions>(
        table, cli, "types", "every seem type of the definitions", [](CLI::App&, FilesOptions&) {},
        runTypes);
    addCommand<FilesOptions>(
        table, cli, "identify", "the seem type of each file, from its size",
        [](CLI::App& command, FilesOptions& options) {
            files(command, options);
            command.add_flag("--explain", options.explain, "every type that fits, and the winner");
        },
        runIdentify);
    addCommand<FilesOptions>(
        table, cli, "dump", "the bytes, sixteen to a row",
        [](CLI::App& command, FilesOptions& options) {
            command.add_option("FILE", options.files, "the seem file; - is standard input")
                ->required()
                ->expected(1);
        },
        runDump);
    addCommand<FilesOptions>(
        table, cli, "show", "each file through its type's editor",
        [](CLI::App& command, FilesOptions& options) { files(command, options); }, runShow);
    addCommand<EditOptions>(
        table, cli, "switch", "turn a function switch on or off",
        [](CLI::App& command, EditOptions& options) {
            editTarget(command, options, "PATH",
                       "the switch: the IDs below the root joined by \"/\"", "STATE", "on or off");
            command.get_option("STATE")->check(CLI::IsMember({"on", "off"}));
        },
        runSwitch);
    addCommand<EditOptions>(
        table, cli, "style", "check or uncheck a style option",
        [](CLI::App& command, EditOptions& options) {
            editTarget(command, options, "ID", "the style option's ID", "STATE", "on or off");
            command.get_option("STATE")->check(CLI::IsMember({"on", "off"}));
        },
        runStyle);
    addCommand<EditOptions>(
        table, cli, "volume", "set a volume item, or --reset them all",
        [](CLI::App& command, EditOptions& options) {
            command.add_option("FILE", options.file, "the seem file")->required();
            command.add_option("ID", options.name, "the volume item's ID");
            command.add_option("VALUE", options.value, "the new value, within the item's min..max");
            command.add_option("-o", options.output, "write the result to OUT")->type_name("OUT");
            command.add_flag("--reset", options.reset, "every item back to its default");
        },
        runVolume);
    addCommand<EditOptions>(
        table, cli, "color", "set a colour entry and its transparency",
        [](CLI::App& command, EditOptions& options) {
            editTarget(command, options, "GROUP/ENTRY", "the colour entry and its group", "#RRGGBB",
                       "the new colour in hexadecimal");
            command.add_option("--transparency", options.transparency, "in percent, 0 to 100")
                ->type_name("PERCENT");
        },
        runColor);
    addCommand<EditOptions>(
        table, cli, "title", "set the colour scheme's title",
        [](CLI::App& command, EditOptions& options) {
            command.add_option("FILE", options.file, "the seem file")->required();
            command.add_option("TEXT", options.value, "at most five characters")->required();
            command.add_option("-o", options.output, "write the result to OUT")->type_name("OUT");
        },
        runTitle);
    addCommand<TextOptions>(
        table, cli, "outertext", "write a new outer-screen text file",
        [](CLI::App& command, TextOptions& options) {
            command.add_option("TEXT", options.text, "the text to show")->required();
            textOutput(command, options);
        },
        runOuterText);
    addCommand<TextOptions>(
        table, cli, "gprs", "write a new GPRS date text file",
        [](CLI::App& command, TextOptions& options) {
            auto* date = command.add_flag("--date", options.date, "always show the date");
            auto* nothing = command.add_flag("--nothing", options.nothing, "show nothing");
            auto* text = command.add_option("--text", options.text, "show this text");
            date->excludes(nothing)->excludes(text);
            nothing->excludes(text);
            textOutput(command, options);
        },
        runGprs);
    addCommand<FilesOptions>(
        table, cli, "diff", "the settings in which B differs from A",
        [](CLI::App& command, FilesOptions& options) {
            command.add_option("A B", options.files, "two seem files, or two folders")
                ->required()
                ->expected(2);
            command.add_flag("--suggest", options.suggest,
                             "definitions elements for the undescribed bits B changed");
            command.add_flag("--recipe", options.recipe, "the recipe that turns A into B");
        },
        runDiff);
    addCommand<FilesOptions>(
        table, cli, "coverage", "the bits of each byte the definitions describe",
        [](CLI::App& command, FilesOptions& options) {
            command.add_option("FILE", options.files, "the seem file; - is standard input")
                ->required()
                ->expected(1);
        },
        runCoverage);
    addCommand<FilesOptions>(
        table, cli, "recover", "put back what an interrupted in-place save kept aside",
        [](CLI::App& command, FilesOptions& options) {
            command.add_option("FILE", options.files, "the seem file an interrupted save changed")
                ->required()
                ->expected(1);
            command.add_flag("--force", options.force,
                             "put the copy back even where it does not fit the file now there");
        },
        runRecover);
    addCommand<FilesOptions>(
        table, cli, "export", "the recipe that reproduces each file's settings",
        [](CLI::App& command, FilesOptions& options) {
            command.add_option("FILE", options.files, "seem files or folders")->required();
            command.add_flag("--bytes", options.bytes,
                             "add the bytes no setting describes, for an exact copy");
        },
        runExport);
    addCommand<ApplyOptions>(
        table, cli, "apply", "apply a recipe to files or a folder, all or nothing per file",
        [](CLI::App& command, ApplyOptions& options) {
            command.add_option("RECIPE", options.recipe, "the recipe, as export writes it")
                ->required();
            command.add_option("TARGET", options.targets, "seem files or a folder")->required();
            command.add_flag("--dry-run", options.dryRun, "list what would change, write nothing");
            command.add_option("--only", options.only, "apply only this setting (repeatable)")
                ->type_name("SETTING")
                ->expected(1)
                ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
            command.add_option("--except", options.except, "leave this setting out (repeatable)")
                ->type_name("SETTING")
                ->expected(1)
                ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
            command
                .add_option("--undo-recipe", options.undoRecipe,
                            "also write the recipe that puts every changed file back")
                ->type_name("FILE");
        },
        runApply);
    addCommand<PlayOptions>(
        table, cli, "play", "replay a scenario's steps and write the file they end with",
        [](CLI::App& command, PlayOptions& options) {
            command.add_option("SCENARIO", options.scenario, "the scenario file")->required();
            command
                .add_option("-o", options.output,
                            "write the result to OUT (- for standard output); without it, "
                            "print it as hex")
                ->type_name("OUT");
        },
        runPlay);
    addCommand<FilesOptions>(
        table, cli, "scan", "the file each seem-folder menu item opens",
        [](CLI::App& command, FilesOptions& options) {
            command.add_option("FOLDER", options.files, "the phone's seem folder")
                ->required()
                ->expected(1);
        },
        runScan);
    addCommand<CheckOptions>(
        table, cli, "check", "what the editors would skip or misread in the definitions",
        [](CLI::App& command, CheckOptions& options) {
            command.add_option("DEFINITIONS", options.files,
                               "definitions documents (default: those language.xml names)");
            command.add_flag("--strict", options.strict, "exit 2 on warnings too");
        },
        runCheck);
    return table;
}

} // namespace vantrel::cli
