// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptions.h"

#include "core/document/BitHelpers.h"

#include <algorithm>

namespace vantrel::cli {

namespace {

bool isOption(const std::string& word) {
    return word.size() > 1 && word[0] == '-' && word != "-";
}

} // namespace

std::variant<CliOptions, UsageError> parseCliOptions(const std::vector<std::string>& argv) {
    CliOptions options;
    std::size_t i = 0;
    const auto valueOf = [&](const std::string& name) -> std::optional<std::string> {
        if (i + 1 >= argv.size())
            return std::nullopt;
        (void)name;
        return argv[++i];
    };
    for (; i < argv.size() && options.command.empty(); ++i) {
        const std::string& word = argv[i];
        if (word == "--help" || word == "-h") {
            options.help = true;
        } else if (word == "--version") {
            options.version = true;
        } else if (word == "--json") {
            options.json = true;
        } else if (word == "--data-dir" || word == "--definitions" || word == "--lang") {
            const auto value = valueOf(word);
            if (!value)
                return UsageError{word + " needs a value"};
            if (word == "--data-dir") {
                options.dataDir = *value;
            } else if (word == "--definitions") {
                options.definitionsFile = *value;
            } else {
                const auto number = parseDecimal(*value);
                if (!number || *number < 0 || *number > 1000000)
                    return UsageError{"--lang needs a language number, not \"" + *value + "\""};
                options.language = static_cast<int>(*number);
            }
        } else if (isOption(word)) {
            return UsageError{"unknown option " + word};
        } else {
            options.command = word;
        }
    }
    if (!options.dataDir.empty() && !options.definitionsFile.empty())
        return UsageError{"--data-dir and --definitions cannot be used together"};
    options.arguments.assign(argv.begin() + static_cast<std::ptrdiff_t>(i), argv.end());
    // --json, --help after the command are the tool's own options too.
    for (const char* global : {"--json", "--help"}) {
        const auto at = std::find(options.arguments.begin(), options.arguments.end(), global);
        if (at != options.arguments.end()) {
            (std::string(global) == "--json" ? options.json : options.help) = true;
            options.arguments.erase(at);
        }
    }
    if (options.command.empty() && !options.help && !options.version)
        return UsageError{"no command given"};
    return options;
}

CommandArguments::CommandArguments(std::vector<std::string> arguments)
    : m_arguments(std::move(arguments)) {}

std::optional<std::string> CommandArguments::takeValue(const std::string& name) {
    const auto at = std::find(m_arguments.begin(), m_arguments.end(), name);
    if (at == m_arguments.end())
        return std::nullopt;
    if (std::next(at) == m_arguments.end()) {
        m_error = name + " needs a value";
        m_arguments.erase(at);
        return std::nullopt;
    }
    std::string value = *std::next(at);
    m_arguments.erase(at, std::next(at, 2));
    return value;
}

bool CommandArguments::takeFlag(const std::string& name) {
    const auto at = std::find(m_arguments.begin(), m_arguments.end(), name);
    if (at == m_arguments.end())
        return false;
    m_arguments.erase(at);
    return true;
}

const std::vector<std::string>& CommandArguments::positional() {
    for (const std::string& word : m_arguments) {
        if (isOption(word) && !m_error && word.rfind("--", 0) == 0)
            m_error = "unknown option " + word;
    }
    return m_arguments;
}

} // namespace vantrel::cli
