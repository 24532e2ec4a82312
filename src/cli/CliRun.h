// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace vantrel::cli {

// The whole tool: arguments after the program name in, exit status out. A
// failed write to out is reported on err and makes the status 2.
int runCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err);
// The same with standard input.
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace vantrel::cli
