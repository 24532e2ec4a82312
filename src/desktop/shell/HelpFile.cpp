// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/shell/HelpFile.h"

#include <filesystem>

namespace vantrel {

std::optional<std::string> findHelpFile(const std::string& appDir) {
    for (const char* name : {"help.chm", "help.html"}) {
        const std::filesystem::path file = std::filesystem::path(appDir) / name;
        std::error_code error;
        if (std::filesystem::is_regular_file(file, error))
            return file.string();
    }
    return std::nullopt;
}

} // namespace vantrel
