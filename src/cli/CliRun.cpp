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
        data.locateFailure = failure->message;
        if (!check) {
            err << "vantrel-cli: " << failure->message << '\n';
            return kBadInput;
        }
    }
    MemorySettingsStore settings;
    EditingSession session(data.language, settings);
    // check reports a definitions document that does not load as a finding of its own.
    const XmlLoadResult definitions =
        check ? XmlLoadResult{true, {}, 0} : session.loadDefinitionsFile(data.definitionsPath);
    if (!definitions.ok) {
        err << "vantrel-cli: " << data.definitionsPath << ": " << definitions.message;
        if (definitions.line > 0)
            err << " (line " << definitions.line << ")";
        err << '\n';
        return kBadInput;
    }
    CliContext context{options, data, session, session.document(), in, out, err};
    return parsed.run(context);
}

// At most one byte more than a seem file holds: enough to refuse a longer
// input, however long it goes on.
SeemFileRead readStandardInput(std::istream& in) {
    SeemFileRead read;
    std::string bytes(kMaxSeemFileSize + 1, '\0');
    std::size_t count = 0;
    try {
        while (count < bytes.size() && in.rdbuf() != nullptr) {
            const std::streamsize n = in.rdbuf()->sgetn(
                bytes.data() + count, static_cast<std::streamsize>(bytes.size() - count));
            if (n <= 0)
                break;
            count += static_cast<std::size_t>(n);
        }
    } catch (const std::ios_base::failure& failure) {
        read.status = SeemFileRead::Status::Failed;
        read.reason = "standard input cannot be read";
        return read;
    }
    read.bytes.assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count));
    read.status = count > kMaxSeemFileSize ? SeemFileRead::Status::TooLarge
                  : count == 0             ? SeemFileRead::Status::Empty
                                           : SeemFileRead::Status::Ok;
    if (read.status == SeemFileRead::Status::TooLarge)
        read.bytes.clear();
    return read;
}

} // namespace

int CliContext::usage(const std::string& problem) const {
    printUsageError(err, problem, options.command);
    return kUsageError;
}

bool openSeem(const CliContext& context, const std::string& path, std::string* reason) {
    SeemFileRead read;
    if (path.empty())
        read.reason = "the file name is empty";
    else
        read = path == "-" ? readStandardInput(context.in) : readSeemFile(path);
    // The session refuses what the read refused; the tool words it plainly.
    const SeemFileRead::Status status = read.status;
    std::string problem = read.reason;
    if (context.session.accept(path, std::move(read)).opened)
        return true;
    switch (status) {
    case SeemFileRead::Status::Ok:
    case SeemFileRead::Status::Failed:
        break;
    case SeemFileRead::Status::TooLarge:
        problem = "larger than 5000 bytes, not a seem file";
        break;
    case SeemFileRead::Status::Empty:
        problem = "the file is empty";
        break;
    }
    if (reason != nullptr)
        *reason = problem;
    else
        context.badInput(path, problem);
    return false;
}

int reportSave(const CliContext& context, const std::string& path, const SaveResult& saved) {
    if (saved.status == SaveResult::Status::Saved)
        return kSuccess;
    return context.badInput(path, saved.detail);
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
        return context.badInput(path, failure->message);
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
