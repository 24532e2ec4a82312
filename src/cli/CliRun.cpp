// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliRun.h"

#include "cli/Commands.h"
#include "core/ProjectInfo.h"

#include <map>

namespace vantrel::cli {

namespace {

constexpr const char* kUsage =
    R"(Usage: vantrel-cli [--data-dir DIR | --definitions FILE] [--lang N] [--json] COMMAND ARGS...

Reads seem files through the same definitions document as the Vantrel editor,
shows them decoded and changes one setting at a time, exactly as the editor does.

Options:
  --data-dir DIR       folder with language.xml and the definitions documents
                       (default: the program's own data folder)
  --definitions FILE   use this definitions document and no language.xml
  --lang N             language number of language.xml (default: the one that
                       matches the system locale, else 0)
  --json               print types, identify, show and scan as JSON
  --help, --version

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

Writing new text seem files:
  outertext TEXT -o OUT       the outer-screen text (8 characters are stored)
                                vantrel-cli outertext "MOTO" -o 0061_0001.seem
  gprs (--date | --nothing | --text TEXT) -o OUT
                              the GPRS date text (a text of at most 13 units)
                                vantrel-cli gprs --text "Hello" -o 01a8_0001.seem

Comparing:
  diff A B                    every setting in which B differs from A, one line
                              each ("Keys/Sound: on → off"), and the bytes no
                              setting describes; files of different types or
                              sizes are compared byte by byte; --json too.
                              Exit status 0 the same, 1 different, 2 bad input
                                vantrel-cli diff 0032_0001.seem friend/0032_0001.seem

Seem folder:
  scan FOLDER                 for each editor kind, the file the seem-folder menu
                              would open, or "-"
                                vantrel-cli scan ~/phone/seem

Checking definitions:
  check [DEFINITIONS...]      every element the editors would skip or misread,
                              as FILE:LINE:COLUMN: problem; without files, every
                              definitions document of language.xml and
                              language.xml itself; exit 0 when clean, 2 otherwise
                                vantrel-cli check my_seem.xml

Exit status: 0 success, 1 usage error, 2 bad input (unreadable or over-long
file, a type the command does not fit, unknown PATH or ID, a value out of
range, malformed definitions); a file is never left half-written.
)";

using Command = int (*)(CliContext&, CommandArguments&);

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table = {
        {"types", runTypes},   {"identify", runIdentify},   {"dump", runDump},
        {"show", runShow},     {"switch", runSwitch},       {"style", runStyle},
        {"volume", runVolume}, {"color", runColor},         {"title", runTitle},
        {"gprs", runGprs},     {"outertext", runOuterText}, {"scan", runScan},
        {"check", runCheck},   {"diff", runDiff},
    };
    return table;
}

} // namespace

int CliContext::usage(const std::string& problem) const {
    err << "vantrel-cli: " << problem << "\n\n" << kUsage;
    return kUsageError;
}

bool openSeem(const CliContext& context, const std::string& path) {
    const OpenOutcome opened = context.document.open(path);
    switch (opened.status) {
    case OpenOutcome::Status::Opened:
        return true;
    case OpenOutcome::Status::TooLarge:
        context.badInput(path, "larger than 5000 bytes, not a seem file");
        return false;
    case OpenOutcome::Status::Empty:
        context.badInput(path, "the file is empty");
        return false;
    case OpenOutcome::Status::Failed:
        break;
    }
    context.badInput(path, opened.reason);
    return false;
}

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto parsed = parseCliOptions(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        err << "vantrel-cli: " << error->message << "\n\n" << kUsage;
        return kUsageError;
    }
    const CliOptions& options = std::get<CliOptions>(parsed);
    if (options.help) {
        out << kUsage;
        return kSuccess;
    }
    if (options.version) {
        out << "vantrel-cli " << kProjectVersion << '\n';
        return kSuccess;
    }
    const auto command = commands().find(options.command);
    if (command == commands().end()) {
        err << "vantrel-cli: unknown command " << options.command << "\n\n" << kUsage;
        return kUsageError;
    }
    CliData data;
    // Definitions named on the command line are checked without any language.xml.
    const bool checksNamedFiles = options.command == "check" && !options.arguments.empty();
    if (const auto failure = locateData(options, data); failure && !checksNamedFiles) {
        err << "vantrel-cli: " << *failure << '\n';
        return kBadInput;
    }
    SeemDocument document;
    // check reports a definitions document that does not load as a finding of its own.
    const XmlLoadResult definitions = options.command == "check"
                                          ? XmlLoadResult{true, {}, 0}
                                          : document.loadDefinitions(data.definitionsPath);
    if (!definitions.ok) {
        err << "vantrel-cli: " << data.definitionsPath << ": " << definitions.message;
        if (definitions.line > 0)
            err << " (line " << definitions.line << ")";
        err << '\n';
        return kBadInput;
    }
    CliContext context{options, data, document, out, err};
    CommandArguments commandArguments(options.arguments);
    return command->second(context, commandArguments);
}

} // namespace vantrel::cli
