// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery copies left by an in-place save that was interrupted.
#include "cli/Commands.h"

#include "core/files/RecoveryCopy.h"

namespace vantrel::cli {

bool reportLeftoverRecovery(const CliContext& context, const std::string& path) {
    const auto copy = leftoverRecoveryCopy(path);
    if (!copy)
        return false;
    context.err << "vantrel-cli: " << path << ": an earlier save was interrupted; its old content "
                << "is kept in " << *copy << " (vantrel-cli recover " << path << " puts it back)\n";
    return true;
}

int runRecover(CliContext& context, CommandArguments& arguments) {
    const auto& words = arguments.positional();
    if (arguments.error() || words.size() != 1)
        return context.usage(arguments.error().value_or("recover takes one file"));
    if (const auto failure = restoreRecoveryCopy(words[0]))
        return context.badInput(words[0], *failure);
    context.out << words[0] << ": restored\n";
    return kSuccess;
}

} // namespace vantrel::cli
