// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace vantrel {

// The program folder `AppDir`, which holds language.xml and the definitions documents: the
// executable's own folder when language.xml is there (a build folder or a portable copy),
// otherwise the installed data in ../share/vantrel beside the executable's bin folder.
[[nodiscard]] std::filesystem::path locateAppDir(const std::filesystem::path& executableDir);

} // namespace vantrel
