// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/UiStrings.h"

#include <string>
#include <vector>

namespace vantrel {

// How a message box marks a message.
enum class MessageIcon { Critical, Warning, Information };

// A message of the string table with its arguments, decided in the core and
// put into words by each face in the language in use.
struct UiMessage {
    UiString id = UiString::Information;
    std::vector<std::string> args;
    MessageIcon icon = MessageIcon::Critical;

    // The text with "%1".. filled in and every "\n" turned into a line break.
    [[nodiscard]] std::string text(const UiStrings& strings) const {
        return expandLineBreaks(strings.format(id, args));
    }
    bool operator==(const UiMessage&) const = default;
};

} // namespace vantrel
