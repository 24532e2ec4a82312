// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/UiStrings.h"
#include "core/xml/XmlDocument.h"

#include <string>

namespace vantrel {

// The message for definitions that cannot be loaded, at start-up or on a
// language switch: string 3, then the cause with the file's path (missing,
// not a regular file, unreadable, or not well-formed XML at a line).
[[nodiscard]] std::string definitionsFailureMessage(const UiStrings& strings,
                                                    const std::string& path,
                                                    const XmlLoadResult& result);

// The cause alone, for a document the user chose.
[[nodiscard]] std::string definitionsCauseMessage(const UiStrings& strings, const std::string& path,
                                                  const XmlLoadResult& result);

// The same when language.xml names no definitions document for the chosen
// language: string 3, that language.xml is unusable, and why.
[[nodiscard]] std::string unnamedDefinitionsMessage(const UiStrings& strings, int languageIndex,
                                                    const std::string& languageFailure);

} // namespace vantrel
