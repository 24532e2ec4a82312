// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/LanguageFile.h"

#include <string>
#include <string_view>

namespace vantrel {

// The caption of a control as every face shows it: language.xml's for the
// chosen language, else the one the control is built with, else "". "&"
// marks the access key.
[[nodiscard]] std::string captionFor(const LanguageFile& language, const std::string& window,
                                     const std::string& control);

// A caption or string without its access-key marker, for places that have no
// access keys (a web page's buttons, a screen reader's name): "&Save" reads
// "Save", "Fish && Chips" reads "Fish & Chips".
[[nodiscard]] std::string withoutAccessKey(std::string_view text);

} // namespace vantrel
