// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace vantrel {

// A caption a control is built with, found as language.xml finds its own:
// by the objectNames of the window and of the control.
struct DesignCaption {
    std::string_view window;
    std::string_view control;
    std::string_view text; // "&" marks the access key
};

// Every caption the windows are built with: the program's own (Chinese) texts,
// which a control keeps where language.xml has no caption for it.
[[nodiscard]] std::span<const DesignCaption> designCaptions();

// The design caption of control in window; nullptr when it has none.
[[nodiscard]] const DesignCaption* findDesignCaption(std::string_view window,
                                                     std::string_view control);

} // namespace vantrel
