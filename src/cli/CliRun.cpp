// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliRun.h"

#include "cli/CommandTable.h"
#include "core/files/SeemFile.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <iterator>

namespace vantrel::cli {

namespace {

// Output lost to a full disk or a closed pipe is a failure, as it is for cat.
int checkedOutput(std::ostream& out, std::ostream& err, int status) {
    errno = 0;
    if (out.flush())
        return status;
    const int error = errno;
    err << "vantrel-cli: cannot write the output";
    if (error != 0)
        err << ": " << std::strerror(error);
    err << '\n';
    return kBadInput;
}

int runParsed(ParsedCommandLine& parsed, std::istream& in, std::ostream& out, std::ostream& err) {
    const CliOptions& options = parsed.options;
    CliData data;
    // Definitions named on the command line are checked without any language.xml.
    const bool check = options.command == "check";
    if (const auto failure = locateData(options, data)) {
        data.locateFailure = *failure;
        if (!check) {
            err << "vantrel-cli: " << *failure << '\n';
            return kBadInput;
        }
    }
    SeemDocument document;
    // check reports a definitions document that does not load as a finding of its own.
    const XmlLoadResult definitions =
        check ? XmlLoadResult{true, {}, 0} : document.loadDefinitions(data.definitionsPath);
    if (!definitions.ok) {
        err << "vantrel-cli: " << data.definitionsPath << ": " << definitions.message;
        if (definitions.line > 0)
            err << " (line " << definitions.line << ")";
        err << '\n';
        return kBadInput;
    }
    CliContext context{options, data, document, in, out, err};
    return parsed.run(context);
}

} // namespace

int CliContext::usage(const std::string& problem) const {
    printUsageError(err, problem, options.command);
    return kUsageError;
}

bool openSeem(const CliContext& context, const std::string& path, std::string* reason) {
    OpenOutcome opened;
    if (path == "-") {
        SeemFileRead read;
        read.bytes.assign(std::istreambuf_iterator<char>(context.in),
                          std::istreambuf_iterator<char>());
        read.status = read.bytes.size() > kMaxSeemFileSize ? SeemFileRead::Status::TooLarge
                      : read.bytes.empty()                 ? SeemFileRead::Status::Empty
                                                           : SeemFileRead::Status::Ok;
        opened = context.document.accept(path, std::move(read));
    } else {
        opened = context.document.open(path);
    }
    std::string problem;
    switch (opened.status) {
    case OpenOutcome::Status::Opened:
        return true;
    case OpenOutcome::Status::TooLarge:
        problem = "larger than 5000 bytes, not a seem file";
        break;
    case OpenOutcome::Status::Empty:
        problem = "the file is empty";
        break;
    case OpenOutcome::Status::Failed:
        problem = opened.reason;
        break;
    }
    if (reason != nullptr)
        *reason = problem;
    else
        context.badInput(path, problem);
    return false;
}

int writeResult(const CliContext& context, const std::string& path,
                const std::vector<std::uint8_t>& bytes) {
    if (path.empty())
        return context.badInput("-o", "the output file name is empty");
    if (path == "-") {
        context.out.write(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<std::streamsize>(bytes.size()));
        return kSuccess;
    }
    if (const auto failure = writeFileAtomically(path, bytes))
        return context.badInput(path, *failure);
    return kSuccess;
}

int runCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err) {
    auto parsed = parseCommandLine(arguments, out, err);
    const int status = std::holds_alternative<int>(parsed)
                           ? std::get<int>(parsed)
                           : runParsed(std::get<ParsedCommandLine>(parsed), in, out, err);
    return checkedOutput(out, err, status);
}

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    return runCli(arguments, std::cin, out, err);
}

} // namespace vantrel::cli
