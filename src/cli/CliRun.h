// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vantrel::cli {

// The whole tool: arguments after the program name in, exit status out.
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace vantrel::cli
