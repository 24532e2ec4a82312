// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: the shared options, and which subcommand runs with what.
#include "cli/CommandTable.h"

#include "cli/CommandRegistry.h"
#include "core/ProjectInfo.h"

#include <CLI/CLI.hpp>

namespace vantrel::cli {

namespace {

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
    const std::vector<RegisteredCommand> table = registerCommands(cli);
    // A positional's name already says what it is; "FILE TEXT" would not.
    for (const RegisteredCommand& entry : table) {
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
    const auto chosen = [&]() -> const RegisteredCommand* {
        for (const RegisteredCommand& entry : table) {
            if (entry.command->parsed())
                return &entry;
        }
        return nullptr;
    };
    try {
        cli.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        if (const RegisteredCommand* command = chosen())
            out << command->command->help("vantrel-cli");
        else
            out << kMainUsage;
        return kSuccess;
    } catch (const CLI::ParseError& error) {
        const RegisteredCommand* command = chosen();
        const std::string name = command ? command->command->get_name() : "";
        printUsageError(err, error.what(), name);
        // diff answers 1 for "different", as cmp and diff do, and find 1 for
        // "nothing found", as grep does, so trouble is 2.
        return name == "diff" || name == "find" ? kBadInput : kUsageError;
    }
    if (version) {
        out << "vantrel-cli " << kProjectVersion << '\n';
        return kSuccess;
    }
    const RegisteredCommand* command = chosen();
    if (command == nullptr) {
        printUsageError(err, "no command given", "");
        return kUsageError;
    }
    parsed.options.command = command->command->get_name();
    parsed.run = command->run;
    return parsed;
}

} // namespace vantrel::cli
