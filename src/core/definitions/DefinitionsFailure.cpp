// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/definitions/DefinitionsFailure.h"

#include "core/i18n/BuiltinStrings.h"

namespace vantrel {

std::string definitionsCauseMessage(const UiStrings& strings, const std::string& path,
                                    const XmlLoadResult& result) {
    return result.line > 0 ? strings.format(UiString::MalformedXml,
                                            {path, result.message, std::to_string(result.line)})
                           : strings.format(UiString::ReadFailed, {path, result.message});
}

std::string definitionsFailureMessage(const UiStrings& strings, const std::string& path,
                                      const XmlLoadResult& result) {
    return strings.get(UiString::DefinitionsUnloadable) + "\n" +
           definitionsCauseMessage(strings, path, result);
}

std::string unnamedDefinitionsMessage(const UiStrings& strings, int languageIndex,
                                      const std::string& languageFailure) {
    std::string message =
        strings.get(UiString::DefinitionsUnloadable) + "\n" +
        strings.format(UiString::LanguageUnusable, {std::to_string(languageIndex)});
    if (!languageFailure.empty())
        message += "\n" + languageFailure;
    return message;
}

} // namespace vantrel
