// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/compare/SeemComparison.h"

#include "core/compare/SettingDifferences.h"
#include "core/editors/SeemKind.h"
#include "core/i18n/BuiltinStrings.h"

#include <algorithm>
#include <cstdio>

namespace vantrel {

namespace {

std::string offsetText(int offset) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(offset));
    return text;
}

// Runs of cells first..last where differs(index) holds, in order.
template <typename Differs>
std::vector<std::pair<int, int>> differingRuns(int count, Differs differs) {
    std::vector<std::pair<int, int>> runs;
    for (int i = 0; i < count; ++i) {
        if (!differs(i))
            continue;
        if (!runs.empty() && runs.back().second == i - 1)
            runs.back().second = i;
        else
            runs.emplace_back(i, i);
    }
    return runs;
}

SettingDifference byteRun(const UiStrings& strings, const ByteGrid& ours, const ByteGrid& theirs,
                          std::pair<int, int> run, UiString singleString, UiString rangeString) {
    const auto [first, last] = run;
    SettingDifference difference;
    difference.name = first == last
                          ? strings.format(singleString, {offsetText(first)})
                          : strings.format(rangeString, {offsetText(first), offsetText(last)});
    difference.ours = hexRun(ours, first, last);
    difference.theirs = hexRun(theirs, first, last);
    difference.firstCell = first;
    difference.lastCell = last;
    return difference;
}

SeemComparison compareBytes(const ByteGrid& ours, const ByteGrid& theirs, std::string reason,
                            const UiStrings& strings) {
    SeemComparison comparison{false, std::move(reason), {}};
    const int common = std::min(ours.cellCount(), theirs.cellCount());
    const int longest = std::max(ours.cellCount(), theirs.cellCount());
    const auto runs = differingRuns(
        longest, [&](int i) { return i >= common || ours.value(i) != theirs.value(i); });
    for (const auto& run : runs) {
        // A run never spans the end of the shorter file: split it there.
        for (const auto& part : {std::pair{run.first, std::min(run.second, common - 1)},
                                 std::pair{std::max(run.first, common), run.second}}) {
            if (part.first > part.second)
                continue;
            SettingDifference difference =
                byteRun(strings, ours, theirs, part, UiString::DiffByte, UiString::DiffByteRange);
            if (part.first < common) {
                for (int i = part.first; i <= part.second; ++i)
                    difference.take.push_back({i, 0xFF, cellByte(theirs, i)});
            }
            comparison.differences.push_back(std::move(difference));
        }
    }
    return comparison;
}

// The bits that differ where no setting looks, in runs of whole bytes.
void addUndescribedBytes(SettingsPair& pair) {
    const auto undescribed = [&](int i) {
        const std::uint8_t free = static_cast<std::uint8_t>(~pair.describedBits[std::size_t(i)]);
        const auto ours = pair.ours.value(i);
        const auto theirs = pair.theirs.value(i);
        if (!ours || !theirs)
            return free != 0 && ours.has_value() != theirs.has_value();
        return ((*ours ^ *theirs) & free) != 0;
    };
    for (const auto& run : differingRuns(pair.ours.cellCount(), undescribed)) {
        SettingDifference difference =
            byteRun(pair.strings, pair.ours, pair.theirs, run, UiString::DiffUndescribedByte,
                    UiString::DiffUndescribedRange);
        for (int i = run.first; i <= run.second; ++i) {
            const auto free = static_cast<std::uint8_t>(~pair.describedBits[std::size_t(i)]);
            difference.take.push_back({i, free, cellByte(pair.theirs, i)});
        }
        pair.differences.push_back(std::move(difference));
    }
}

std::string typeLabel(const ComparedFile& file) {
    return file.type.attribute("ID").value_or("") + " (" + file.typeName + ")";
}

bool sameType(const ComparedFile& ours, const ComparedFile& theirs) {
    if (ours.type == theirs.type)
        return true;
    // Documents opened separately hold their own copies of the definitions.
    return ours.typeName == theirs.typeName &&
           ours.type.attribute("ID") == theirs.type.attribute("ID") &&
           ours.type.attribute("size") == theirs.type.attribute("size");
}

} // namespace

SeemComparison compareSeemFiles(const ComparedFile& ours, const ComparedFile& theirs,
                                const UiStrings& strings) {
    const int oursSize = ours.grid.cellCount();
    const int theirsSize = theirs.grid.cellCount();
    if (!ours.type || !theirs.type) {
        const int untyped = !ours.type ? oursSize : theirsSize;
        return compareBytes(ours.grid, theirs.grid,
                            strings.format(UiString::DiffNoType, {std::to_string(untyped)}),
                            strings);
    }
    if (!sameType(ours, theirs)) {
        return compareBytes(
            ours.grid, theirs.grid,
            strings.format(UiString::DiffOtherTypes, {typeLabel(ours), typeLabel(theirs)}),
            strings);
    }
    if (oursSize != theirsSize) {
        return compareBytes(ours.grid, theirs.grid,
                            strings.format(UiString::DiffOtherSizes,
                                           {std::to_string(oursSize), std::to_string(theirsSize)}),
                            strings);
    }
    const SeemKind& kind = seemKind(editorKindOf(ours.typeName));
    if (!kind.comparesSettings()) {
        return compareBytes(ours.grid, theirs.grid,
                            strings.format(UiString::DiffNoEditor, {ours.typeName}), strings);
    }
    SettingsPair pair{ours.type,
                      ours.grid,
                      theirs.grid,
                      strings,
                      std::vector<std::uint8_t>(static_cast<std::size_t>(oursSize), 0),
                      {}};
    kind.compareSettings(pair);
    addUndescribedBytes(pair);
    return {true, "", std::move(pair.differences)};
}

std::string differenceLine(const SettingDifference& difference) {
    return difference.name + ": " + difference.ours + " → " + difference.theirs;
}

std::string openedPairLine(const SettingDifference& difference) {
    return difference.name + ": " + difference.theirs + " → " + difference.ours;
}

bool canTake(const ByteGrid& grid, const SettingDifference& difference) {
    return !difference.take.empty() &&
           std::all_of(difference.take.begin(), difference.take.end(),
                       [&](const CellTake& cell) { return grid.contains(cell.index); });
}

void takeOtherValue(ByteGrid& grid, const SettingDifference& difference) {
    if (!canTake(grid, difference))
        return;
    for (const CellTake& cell : difference.take) {
        const std::uint8_t old = cellByte(grid, cell.index);
        const auto value = static_cast<std::uint8_t>((old & ~cell.mask) | (cell.value & cell.mask));
        if (value != old || !grid.value(cell.index))
            grid.writeByte(cell.index, value);
    }
}

} // namespace vantrel
