// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/Captions.h"

#include "core/i18n/DesignCaptions.h"

namespace vantrel {

std::string captionFor(const LanguageFile& language, const std::string& window,
                       const std::string& control) {
    if (auto caption = language.caption(window, control))
        return *caption;
    const DesignCaption* design = findDesignCaption(window, control);
    return design ? std::string(design->text) : std::string();
}

std::string withoutAccessKey(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

} // namespace vantrel
