// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/editors/SeemKind.h"

// The kinds of seem type, one file each; KindTable.cpp lists them.
namespace vantrel::kinds {

[[nodiscard]] const SeemKind& functionKind();
[[nodiscard]] const SeemKind& styleKind();
[[nodiscard]] const SeemKind& volumeKind();
[[nodiscard]] const SeemKind& colorKind();
[[nodiscard]] const SeemKind& outerTextKind();
[[nodiscard]] const SeemKind& gprsKind();
// A type of any other name: its files open in the grid alone.
[[nodiscard]] const SeemKind& noKind();

} // namespace vantrel::kinds
