// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/compare/SeemComparison.h"

#include <cstdint>
#include <string>
#include <vector>

// The pieces of a comparison by settings, one collector per editor kind.
namespace vantrel {

// What the collectors share: both files (same type, same size), the strings
// for the words they show, and per byte the bits some setting describes.
struct SettingsPair {
    XmlElement type;
    const ByteGrid& ours;
    const ByteGrid& theirs;
    const UiStrings& strings;
    std::vector<std::uint8_t> describedBits;
    std::vector<SettingDifference> differences;
};

// A cell as a byte; a cell that does not hold one reads as 00.
[[nodiscard]] std::uint8_t cellByte(const ByteGrid& grid, int index);
// The cells first..last as "A5 00 1F"; long runs are cut with "…".
[[nodiscard]] std::string hexRun(const ByteGrid& grid, int first, int last);

// Records a difference in the cells first..last under mask (bits of the first
// and last cell alike) when either file's cells differ there in those bits.
// Texts that read the same although the bytes differ get the bytes added.
void addIfDifferent(SettingsPair& pair, SettingDifference difference, std::uint8_t mask);

void compareSwitches(SettingsPair& pair);
void compareStyles(SettingsPair& pair);
void compareVolumes(SettingsPair& pair);
void compareColors(SettingsPair& pair);
void compareOuterText(SettingsPair& pair);
void compareGprs(SettingsPair& pair);

} // namespace vantrel
