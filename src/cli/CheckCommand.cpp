// SPDX-License-Identifier: GPL-3.0-or-later
// check: what the editors would skip or misread in the definitions, compiler style.
#include "cli/Commands.h"
#include "core/checks/DefinitionsCheck.h"

#include <algorithm>

namespace vantrel::cli {

namespace {

struct Finding {
    std::string path;
    XmlPosition position;
    ProblemSeverity severity = ProblemSeverity::Error;
    std::string text;
};

// Every finding of a run, in the order of each file.
class Findings {
  public:
    void add(const std::string& path, const XmlDocument& document,
             const DefinitionProblems& problems) {
        const std::size_t first = m_findings.size();
        for (const DefinitionProblem& problem : problems)
            m_findings.push_back(
                {path, document.position(problem.element), problem.severity, problem.text});
        std::stable_sort(m_findings.begin() + static_cast<std::ptrdiff_t>(first), m_findings.end(),
                         [](const Finding& a, const Finding& b) {
                             return std::pair(a.position.line, a.position.column) <
                                    std::pair(b.position.line, b.position.column);
                         });
    }
    // Loads one XML file; a file that does not load is itself an error.
    bool load(const std::string& path, XmlDocument& document) {
        const XmlLoadResult loaded = document.load(path);
        if (!loaded.ok)
            m_findings.push_back({path, {loaded.line, 0}, ProblemSeverity::Error, loaded.message});
        return loaded.ok;
    }
    [[nodiscard]] int count(ProblemSeverity severity) const {
        return static_cast<int>(
            std::count_if(m_findings.begin(), m_findings.end(),
                          [&](const Finding& f) { return f.severity == severity; }));
    }
    void print(const CliContext& context) const;

  private:
    std::vector<Finding> m_findings;
};

const char* severityName(ProblemSeverity severity) {
    return severity == ProblemSeverity::Error ? "error" : "warning";
}

void Findings::print(const CliContext& context) const {
    if (!context.json()) {
        for (const Finding& f : m_findings)
            context.out << f.path << ':' << f.position.line << ':' << f.position.column << ": "
                        << severityName(f.severity) << ": " << f.text << '\n';
        return;
    }
    Json json = Json::object();
    json["findings"] = Json::array();
    for (const Finding& f : m_findings) {
        Json entry = Json::object();
        putPath(entry, "path", f.path);
        entry["line"] = f.position.line;
        entry["column"] = f.position.column;
        entry["severity"] = severityName(f.severity);
        entry["message"] = f.text;
        json["findings"].push_back(std::move(entry));
    }
    json["errors"] = count(ProblemSeverity::Error);
    json["warnings"] = count(ProblemSeverity::Warning);
    printJson(context.out, json);
}

} // namespace

int runCheck(CliContext& context, const CheckOptions& options) {
    if (!context.data.locateFailure.empty() && options.files.empty()) {
        context.err << "vantrel-cli: " << context.data.locateFailure << '\n';
        return kBadInput;
    }
    Findings findings;
    if (options.files.empty() && !context.data.languagePath.empty()) {
        XmlDocument languages;
        if (findings.load(context.data.languagePath, languages))
            findings.add(context.data.languagePath, languages,
                         checkLanguageFile(languages, context.data.dataDir));
    }
    const std::vector<std::string>& files =
        options.files.empty() ? context.data.allDefinitions : options.files;
    for (const std::string& path : files) {
        XmlDocument definitions;
        if (findings.load(path, definitions))
            findings.add(path, definitions, checkDefinitions(definitions));
    }
    findings.print(context);
    const bool failed = findings.count(ProblemSeverity::Error) > 0 ||
                        (options.strict && findings.count(ProblemSeverity::Warning) > 0);
    return failed ? kBadInput : kSuccess;
}

} // namespace vantrel::cli
