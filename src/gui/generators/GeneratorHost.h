// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vantrel {

// What a generator window takes from the main window when it opens: the open
// document as it was last read or saved, and a way to put the main caption
// back. The window never changes the document itself.
struct GeneratorHost {
    QString fileName;                         // path of the open document, "" when none
    std::string typeName;                     // its seem type in lower case, "" when none
    std::vector<std::uint8_t> fileBytes;      // the bytes last read or saved
    std::function<void()> restoreMainCaption; // sets the main caption to MainCaption
};

} // namespace vantrel
