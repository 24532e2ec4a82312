// SPDX-License-Identifier: GPL-3.0-or-later
// check: what the editors would skip or misread in the definitions, compiler style.
#include "cli/Commands.h"

#include "core/definitions/DefinitionsCheck.h"

#include <algorithm>

namespace vantrel::cli {

namespace {

// Prints each problem as FILE:LINE:COLUMN: text, in the order of the file.
void report(const CliContext& context, const std::string& path, const XmlDocument& document,
            const DefinitionProblems& problems) {
    std::vector<std::pair<XmlPosition, std::string>> lines;
    for (const DefinitionProblem& problem : problems)
        lines.emplace_back(document.position(problem.element), problem.text);
    std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
        return std::pair(a.first.line, a.first.column) < std::pair(b.first.line, b.first.column);
    });
    for (const auto& [position, text] : lines)
        context.out << path << ':' << position.line << ':' << position.column << ": " << text
                    << '\n';
}

// Loads one XML file; a file that does not load is itself the problem.
bool load(const CliContext& context, const std::string& path, XmlDocument& document) {
    const XmlLoadResult loaded = document.load(path);
    if (loaded.ok)
        return true;
    context.out << path << ':' << loaded.line << ":0: " << loaded.message << '\n';
    return false;
}

} // namespace

int runCheck(CliContext& context, CommandArguments& arguments) {
    const auto& named = arguments.positional();
    if (arguments.error())
        return context.usage(*arguments.error());
    bool clean = true;
    if (named.empty() && !context.data.languagePath.empty()) {
        XmlDocument languages;
        if (!load(context, context.data.languagePath, languages)) {
            clean = false;
        } else {
            const DefinitionProblems problems = checkLanguageFile(languages, context.data.dataDir);
            report(context, context.data.languagePath, languages, problems);
            clean = clean && problems.empty();
        }
    }
    const std::vector<std::string>& files = named.empty() ? context.data.allDefinitions : named;
    for (const std::string& path : files) {
        XmlDocument definitions;
        if (!load(context, path, definitions)) {
            clean = false;
            continue;
        }
        const DefinitionProblems problems = checkDefinitions(definitions);
        report(context, path, definitions, problems);
        clean = clean && problems.empty();
    }
    return clean ? kSuccess : kBadInput;
}

} // namespace vantrel::cli
