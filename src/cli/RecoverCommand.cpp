// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery copies left by an in-place save that was interrupted.
#include "cli/Commands.h"
#include "core/files/RecoveryCopy.h"

namespace vantrel::cli {

bool reportLeftoverRecovery(const CliContext& context, const std::string& path) {
    const auto copy = leftoverRecoveryCopy(path);
    if (!copy)
        return false;
    context.err << "vantrel-cli: " << path << ": ";
    if (!copy->setAsideAs.empty()) {
        context.err << "note: " << copy->path << " in the recovery folder was no copy ("
                    << copy->unusable << "); it is set aside as " << copy->setAsideAs << '\n';
        return false;
    }
    if (!copy->unusable.empty())
        context.err << "an earlier save may have left " << copy->path
                    << ", which recover will not put back: " << copy->unusable << '\n';
    else
        context.err << "an earlier save was interrupted; its old content is kept in " << copy->path
                    << " (vantrel-cli recover " << path << " puts it back)\n";
    return true;
}

int runRecover(CliContext& context, const FilesOptions& options) {
    const std::string& file = options.files.front();
    const auto failure = restoreRecoveryCopy(file, options.force);
    if (context.json()) {
        Json json = Json::object();
        putPath(json, "path", file);
        json["restored"] = !failure;
        if (failure)
            json["error"] = failure->message;
        printJson(context.out, json);
    }
    if (failure)
        return context.badInput(file, failure->message);
    if (!context.json())
        context.out << file << ": restored\n";
    return kSuccess;
}

} // namespace vantrel::cli
