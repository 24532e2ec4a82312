// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/SaveFailureMessage.h"

#include "core/i18n/BuiltinStrings.h"

namespace vantrel {

std::string saveFailureMessage(const UiStrings& strings, const std::string& path,
                               const SaveOutcome& outcome) {
    switch (outcome.fileOutcome) {
    case FileWrite::Outcome::Restored:
        return strings.format(StrSaveFailedRestored, {path, outcome.reason});
    case FileWrite::Outcome::NotRestored:
        return strings.format(StrSaveFailedNotRestored,
                              {path, outcome.reason, outcome.recoveryPath});
    case FileWrite::Outcome::Written:
    case FileWrite::Outcome::Unchanged:
        break;
    }
    return strings.format(StrSaveFailed, {path, outcome.reason});
}

} // namespace vantrel
