// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/SaveFailureMessage.h"

#include "core/i18n/BuiltinStrings.h"

namespace vantrel {

std::string saveFailureMessage(const UiStrings& strings, const std::string& path,
                               const SaveOutcome& outcome) {
    switch (outcome.fileOutcome) {
    case FileWrite::Outcome::Restored:
        return strings.format(UiString::SaveFailedRestored, {path, outcome.reason});
    case FileWrite::Outcome::NotRestored:
        return strings.format(UiString::SaveFailedNotRestored,
                              {path, outcome.reason, outcome.recoveryPath});
    case FileWrite::Outcome::Written:
    case FileWrite::Outcome::Unchanged:
        break;
    }
    return strings.format(UiString::SaveFailed, {path, outcome.reason});
}

} // namespace vantrel
