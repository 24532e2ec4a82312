// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ByteGrid.h"
#include "core/editors/SettingKind.h"
#include "core/i18n/UiStrings.h"
#include "core/xml/XmlDocument.h"

#include <cstdint>
#include <string>
#include <vector>

// Two seem files of one type compared setting by setting, as the editors
// decode them, plus the bytes no setting describes.
namespace vantrel {

// One cell of the open file rewritten to take the other file's value: only the
// bits in mask change, to those of value.
struct CellTake {
    int index = 0;
    std::uint8_t mask = 0xFF;
    std::uint8_t value = 0;
};

struct SettingDifference {
    SettingKind kind = SettingKind::Bytes;
    // What the editor knows the setting by: the function node key, the style
    // row key, "v_" + volume row, the colour entry key; "" for the others.
    std::string key;
    std::string name;   // "Keys/Sound", "Microphone", "Menus/Menu Text", "Title", ...
    std::string ours;   // the setting in the open (first) file, as the editor shows it
    std::string theirs; // the same in the other file
    int firstCell = 0;  // the cells the setting lives in, first..last
    int lastCell = 0;
    // Writing these into the first file gives the setting the other file's
    // value and touches nothing else; empty where that cannot be done (bytes
    // beyond the end of one file).
    std::vector<CellTake> take;
};

struct SeemComparison {
    // False when the files could only be compared byte by byte; reason says why.
    bool bySettings = true;
    std::string reason;
    std::vector<SettingDifference> differences;

    [[nodiscard]] bool equal() const { return differences.empty(); }
};

// One side of a comparison: the matched type element ("" / null when none)
// and the cells.
struct ComparedFile {
    XmlElement type;
    std::string typeName; // lower case, as the document matched it
    const ByteGrid& grid;
};

// Compares two files. Settings are compared when both files matched the same
// seem type, have the same size and the type has an editor; otherwise bytes
// only, with the reason in the language of strings.
[[nodiscard]] SeemComparison compareSeemFiles(const ComparedFile& ours, const ComparedFile& theirs,
                                              const UiStrings& strings);

// "name: ours → theirs", one line for a list or the command line.
[[nodiscard]] std::string differenceLine(const SettingDifference& difference);

// "name: theirs → ours": a folder comparison's line for a changed pair (ours
// the older file) as the pair reads once opened, the newer file compared with
// the older one, so a list and the comparison it opens agree.
[[nodiscard]] std::string openedPairLine(const SettingDifference& difference);

// Whether grid can take the other file's value: the difference has cells to
// write and every one exists.
[[nodiscard]] bool canTake(const ByteGrid& grid, const SettingDifference& difference);

// Writes the other file's value of the setting into grid; only the
// difference's bits change. A cell that does not hold a byte counts as 00.
void takeOtherValue(ByteGrid& grid, const SettingDifference& difference);

} // namespace vantrel
