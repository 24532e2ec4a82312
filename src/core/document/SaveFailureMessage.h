// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/SeemDocument.h"
#include "core/i18n/UiStrings.h"

#include <string>

namespace vantrel {

// The message of a failed write: the reason, then what became of the file on
// disk (left as it was, written back, or not written back and where its old
// content is kept).
[[nodiscard]] std::string saveFailureMessage(const UiStrings& strings, const std::string& path,
                                             const SaveOutcome& outcome);

} // namespace vantrel
