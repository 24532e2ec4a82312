// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/PluralText.h"

#include "core/i18n/UiStrings.h"

namespace vantrel {

std::string pluralText(const UiStrings& strings, UiString id, std::int64_t count,
                       const std::vector<std::string>& args) {
    const std::string forms = strings.get(id);
    const std::size_t bar = forms.find('|');
    std::string chosen = forms;
    if (bar != std::string::npos)
        chosen = count == 1 ? forms.substr(0, bar) : forms.substr(bar + 1);
    // The chosen form is formatted through a table of its own, so that "%1"
    // in it is filled exactly as in every other string.
    return UiStrings({chosen}).format(UiString{0}, args);
}

} // namespace vantrel
