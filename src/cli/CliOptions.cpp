// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptions.h"

#include <algorithm>

namespace vantrel::cli {

namespace {

bool isOption(const std::string& word) {
    return word.size() > 1 && word[0] == '-' && word != "-";
}

} // namespace

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
