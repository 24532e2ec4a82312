// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/UiMessage.h"
#include "core/i18n/UiStrings.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// Text from the core (UTF-8: definitions, language file, messages), as the
// widgets show it.
[[nodiscard]] inline QString uiText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A string of the table, as the widgets show it.
[[nodiscard]] inline QString uiText(const UiStrings& strings, UiString id) {
    return uiText(strings.get(id));
}

// A string of the table with its placeholders filled in from args.
[[nodiscard]] inline QString uiText(const UiStrings& strings, UiString id,
                                    const std::vector<std::string>& args) {
    return uiText(strings.format(id, args));
}

// A message the core decided, in the language in use.
[[nodiscard]] inline QString uiText(const UiStrings& strings, const UiMessage& message) {
    return uiText(message.text(strings));
}

// Lines from the core, each after a line break: what follows a message's first line.
[[nodiscard]] inline QString joinLines(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines)
        text += QLatin1Char('\n') + uiText(line);
    return text;
}

// A file or folder name the core holds (UTF-8), as Qt's file classes take it.
[[nodiscard]] inline QString pathText(const std::string& path) {
    return QString::fromStdString(path);
}

} // namespace vantrel
