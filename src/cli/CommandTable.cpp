// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: the shared options and every subcommand with its own.
#include "cli/CommandTable.h"

#include "cli/Commands.h"
#include "core/ProjectInfo.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace vantrel::cli {

namespace {

constexpr const char* kUsage =
    R"(Usage: vantrel-cli [--data-dir DIR | --definitions FILE] [--lang N] [--json] COMMAND ARGS...

Reads seem files through the same definitions document as the Vantrel editor,
shows them decoded and changes one setting at a time, exactly as the editor does.
"vantrel-cli COMMAND --help" describes one command.

Options (before or after the command):
  --data-dir DIR       folder with language.xml and the definitions documents
                       (default: the program's own data folder)
  --definitions FILE   use this definitions document and no language.xml
  --lang N             language number of language.xml (default: the one that
                       matches the system locale, else 0)
  --json               print the result as JSON (every command; see the man page)
  --help, --version
  --                   what follows is a file or a value, even if it starts with -

A FILE of "-" is standard input, an OUT of "-" standard output; a file named
"-" is reached as ./-.

Inspecting:
  types                       index, ID, size and type of every seem type
                                vantrel-cli types
  identify FILE...            path, ID and type of each file ("-", "unknown")
                                vantrel-cli identify 0032_0001.seem
  identify --explain FILE...  every type that fits the size, and which one wins
                                vantrel-cli identify --explain 0032_0001.seem
  dump FILE                   the bytes, sixteen to a row after their offset
                                vantrel-cli dump 0a1c_0001.seem
  show FILE...                each file through its type's editor
                                vantrel-cli show 0032_0001.seem 004a_0001.seem

Editing (in place, or into OUT with -o OUT; the input is then left alone):
  switch FILE PATH on|off     a function switch; PATH is the IDs below the
                              root joined by "/"
                                vantrel-cli switch 0032_0001.seem Keys/Sound off
  style FILE ID on|off        a style option
                                vantrel-cli style 004a_0001.seem "Outer Clock: Digital" on
  volume FILE ID VALUE        a volume item, VALUE within its min..max
                                vantrel-cli volume 0a1c_0001.seem Microphone 6
  volume FILE --reset         every volume item back to its default
                                vantrel-cli volume 0a1c_0001.seem --reset
  color FILE GROUP/ENTRY #RRGGBB [--transparency PERCENT]
                              a colour entry, and its transparency in percent
                                vantrel-cli color 0d51_0001.seem "Menus/Menu Text" #FF8000
  title FILE TEXT             the colour scheme's title, at most five characters
                                vantrel-cli title 0d51_0001.seem Dusk
  Where a PATH or ID names several items, the command refuses and lists them
  as NAME#1, NAME#2...; give one of those names.

Writing new text seem files:
  outertext TEXT -o OUT [--strict]
                              the outer-screen text (8 characters are stored;
                              a longer text is cut with a warning, or refused
                              with --strict)
                                vantrel-cli outertext "MOTO" -o 0061_0001.seem
  gprs (--date | --nothing | --text TEXT) -o OUT [--strict]
                              the GPRS date text (a text of at most 13 units)
                                vantrel-cli gprs --text "Hello" -o 01a8_0001.seem

Comparing:
  diff A B                    every setting in which B differs from A, one line
                              each ("Keys/Sound: on → off"), and the bytes no
                              setting describes; files of different types or
                              sizes are compared byte by byte.
                              Exit status 0 the same, 1 different, 2 bad input
                                vantrel-cli diff 0032_0001.seem friend/0032_0001.seem
  diff --suggest A B          the definitions elements (a switch per changed bit,
                              a style row per changed byte) that would describe
                              the bits B differs in where no item reads, to
                              paste under the type
                                vantrel-cli diff --suggest before.seem after.seem

Coverage:
  coverage FILE               per byte, the bits the definitions describe (#)
                              and those they do not (.), with the items over
                              them, and the items that overlap
                                vantrel-cli coverage 0032_0001.seem

Backups and recipes:
  diff DIR1 DIR2              each changed file of two folders, with its settings
                                vantrel-cli diff backup-monday backup-friday
  diff --recipe A B           the recipe (JSON) that turns A into B (files or folders)
                                vantrel-cli diff --recipe old new > changes.json
  export FILE...              the recipe that reproduces each file's settings
                                vantrel-cli export 0032_0001.seem > mine.json
  apply [--dry-run] RECIPE TARGET...
                              write a recipe into files or a folder; a file takes
                              all its entries or none
                                vantrel-cli apply changes.json other-phone/

Recovery:
  recover FILE                put back the old content of FILE that an
                              interrupted in-place save kept aside
                                vantrel-cli recover 0032_0001.seem

Seem folder:
  scan FOLDER                 for each editor kind, the file the seem-folder menu
                              would open, or "-"
                                vantrel-cli scan ~/phone/seem

Checking definitions:
  check [--strict] [DEFINITIONS...]
                              every finding as FILE:LINE:COLUMN: error: or
                              warning: text; without files, every definitions
                              document of language.xml and language.xml itself;
                              exit 2 on an error (--strict: on a warning too)
                                vantrel-cli check my_seem.xml

Exit status: 0 success, 1 usage error, 2 bad input (unreadable or over-long
file, a type the command does not fit, unknown or ambiguous PATH or ID, a value
out of range, malformed definitions, a failed write of a file or of the output);
a file is never left half-written.
)";

using Runner = std::function<int(CliContext&)>;

struct Registered {
    CLI::App* command;
    Runner run;
};

// One subcommand: declare adds its arguments to the parser, filling an
// Options object that run receives once the whole line parsed.
template <class Options, class Declare>
void addCommand(std::vector<Registered>& table, CLI::App& cli, const char* name, const char* about,
                Declare declare, int (*run)(CliContext&, const Options&)) {
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

// Every subcommand, in the order --help lists them. A new command gets its
// options struct in Commands.h, its run function in a file of its own and
// one addCommand call here.
std::vector<Registered> registerCommands(CLI::App& cli) {
    std::vector<Registered> table;
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
        },
        runApply);
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

void declareShared(CLI::App& cli, CliOptions& options) {
    auto* dataDir = cli.add_option("--data-dir", options.dataDir)->type_name("DIR");
    auto* definitions = cli.add_option("--definitions", options.definitionsFile)->type_name("FILE");
    dataDir->excludes(definitions);
    cli.add_option("--lang", options.language)->type_name("N")->check(CLI::Range(0, 1000000));
    cli.add_flag("--json", options.json);
}

} // namespace

void printUsageError(std::ostream& err, const std::string& problem, const std::string& command) {
    err << "vantrel-cli: " << problem << "\nTry 'vantrel-cli "
        << (command.empty() ? "" : command + " ") << "--help' for more information.\n";
}

std::variant<ParsedCommandLine, int> parseCommandLine(const std::vector<std::string>& arguments,
                                                      std::ostream& out, std::ostream& err) {
    ParsedCommandLine parsed;
    CLI::App cli("vantrel-cli", "vantrel-cli");
    cli.fallthrough();
    cli.require_subcommand(0, 1);
    bool version = false;
    cli.add_flag("--version", version);
    declareShared(cli, parsed.options);
    const std::vector<Registered> table = registerCommands(cli);
    // A positional's name already says what it is; "FILE TEXT" would not.
    for (const Registered& entry : table) {
        for (CLI::Option* option : entry.command->get_options()) {
            if (option->get_positional())
                option->type_name("");
        }
    }

    // "--lang=" would take the next word as its value.
    for (const std::string& argument : arguments) {
        if (argument == "--")
            break;
        if (argument.size() > 3 && argument.starts_with("--") && argument.back() == '=') {
            printUsageError(err, argument.substr(0, argument.size() - 1) + ": the value is empty",
                            "");
            return kUsageError;
        }
    }
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    const auto chosen = [&]() -> const Registered* {
        for (const Registered& entry : table) {
            if (entry.command->parsed())
                return &entry;
        }
        return nullptr;
    };
    try {
        cli.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        if (const Registered* command = chosen())
            out << command->command->help("vantrel-cli");
        else
            out << kUsage;
        return kSuccess;
    } catch (const CLI::ParseError& error) {
        const Registered* command = chosen();
        const std::string name = command ? command->command->get_name() : "";
        printUsageError(err, error.what(), name);
        // diff answers 1 for "different", as cmp and diff do, so trouble is 2.
        return name == "diff" ? kBadInput : kUsageError;
    }
    if (version) {
        out << "vantrel-cli " << kProjectVersion << '\n';
        return kSuccess;
    }
    const Registered* command = chosen();
    if (command == nullptr) {
        printUsageError(err, "no command given", "");
        return kUsageError;
    }
    parsed.options.command = command->command->get_name();
    parsed.run = command->run;
    return parsed;
}

} // namespace vantrel::cli
