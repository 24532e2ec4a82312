// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/definitions/DefinitionsFailure.h"

#include "core/i18n/BuiltinStrings.h"

namespace vantrel {

std::string definitionsFailureMessage(const UiStrings& strings, const std::string& path,
                                      const XmlLoadResult& result) {
    const std::string cause =
        result.line > 0
            ? strings.format(StrMalformedXml, {path, result.message, std::to_string(result.line)})
            : strings.format(StrReadFailed, {path, result.message});
    return strings.get(StrDefinitionsUnloadable) + "\n" + cause;
}

std::string unnamedDefinitionsMessage(const UiStrings& strings, int languageIndex,
                                      const std::string& languageFailure) {
    std::string message = strings.get(StrDefinitionsUnloadable) + "\n" +
                          strings.format(StrLanguageUnusable, {std::to_string(languageIndex)});
    if (!languageFailure.empty())
        message += "\n" + languageFailure;
    return message;
}

} // namespace vantrel
