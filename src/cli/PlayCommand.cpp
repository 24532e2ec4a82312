// SPDX-License-Identifier: GPL-3.0-or-later
// play: a scenario's steps replayed through the editing session, as the
// window and the web page replay them, so the three faces are held to the
// same bytes.
#include "cli/Commands.h"
#include "core/files/RegularFile.h"
#include "core/session/Scenario.h"

#include <cstdio>

namespace vantrel::cli {

namespace {

// Far more than any scenario holds; a larger file is no scenario.
constexpr std::size_t kLargestScenario = 1 << 20;

// The samples a scenario opens: those of the data folder in use, or of the
// program's own where only a definitions document was named.
std::string samplesFolder(const CliContext& context) {
    const std::string& data = context.data.dataDir;
    return (data.empty() ? programFolder() : data) + "samples/";
}

std::string hexText(const std::vector<std::uint8_t>& bytes) {
    std::string hex;
    for (const std::uint8_t byte : bytes) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", byte);
        hex += pair;
    }
    return hex;
}

void reportPlay(const CliContext& context, const PlayOptions& options, std::size_t steps,
                const std::vector<std::uint8_t>& result) {
    Json json = Json::object();
    putPath(json, "scenario", options.scenario);
    if (options.output)
        putPath(json, "output", *options.output);
    else
        json["output"] = nullptr;
    json["steps"] = steps;
    json["size"] = result.size();
    json["hex"] = hexText(result);
    printJson(context.out, json);
}

// The output names the scenario itself, under this name or another (a link).
bool writesOver(const std::string& output, const FileIdentity& scenario) {
    const auto target = identityOf(output);
    return output != "-" && target && target->device == scenario.device &&
           target->inode == scenario.inode;
}

} // namespace

int runPlay(CliContext& context, const PlayOptions& options) {
    if (options.output && *options.output == "-" && context.json())
        return context.usage("-o - and --json would both write to standard output");
    const RegularFileRead read = readRegularFile(options.scenario, kLargestScenario);
    if (!read.ok || read.overLimit)
        return context.badInput(options.scenario,
                                read.overLimit ? "too large to be a scenario" : read.reason);
    if (options.output && writesOver(*options.output, read.identity))
        return context.badInput(*options.output,
                                "is the scenario being played; give another -o OUT");
    const ScenarioParse parse = parseScenario(read.bytes);
    if (parse.failure)
        return context.badInput(options.scenario, parse.failure->message);
    const ScenarioRun run = runScenario(context.session, parse.steps, samplesFolder(context));
    for (const std::string& warning : run.warnings)
        context.err << "vantrel-cli: " << options.scenario << ": warning: " << warning << '\n';
    if (run.failure)
        return context.badInput(options.scenario, run.failure->message);
    if (run.result.empty())
        return context.badInput(options.scenario, "no step saves or generates a file");
    if (options.output) {
        if (const int status = writeResult(context, *options.output, run.result);
            status != kSuccess)
            return status;
    }
    if (context.json())
        reportPlay(context, options, parse.steps.size(), run.result);
    else if (!options.output)
        context.out << scenarioBytesText(run.result);
    return kSuccess;
}

} // namespace vantrel::cli
