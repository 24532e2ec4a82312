// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/AppDir.h"

#include <system_error>

namespace vantrel {

std::filesystem::path locateAppDir(const std::filesystem::path& executableDir) {
    std::error_code error;
    if (std::filesystem::exists(executableDir / "language.xml", error))
        return executableDir;
    return (executableDir / ".." / "share" / "vantrel").lexically_normal();
}

} // namespace vantrel
