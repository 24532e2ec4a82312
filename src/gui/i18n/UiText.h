// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/UiStrings.h"

#include <QString>

#include <string>
#include <vector>

namespace vantrel {

// A string of the table, as the widgets show it.
[[nodiscard]] inline QString uiText(const UiStrings& strings, UiString id) {
    return QString::fromStdString(strings.get(id));
}

// A string of the table with its placeholders filled in from args.
[[nodiscard]] inline QString uiText(const UiStrings& strings, UiString id,
                                    const std::vector<std::string>& args) {
    return QString::fromStdString(strings.format(id, args));
}

} // namespace vantrel
