// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/coverage/Coverage.h"

#include "core/compare/SettingDifferences.h"
#include "core/document/FunctionTree.h"
#include "core/editors/ColorMath.h"
#include "core/editors/ColorScheme.h"
#include "core/editors/SchemeTitle.h"
#include "core/editors/SeemKind.h"
#include "core/editors/StyleList.h"
#include "core/editors/VolumeItems.h"
#include "core/i18n/BuiltinStrings.h"

#include <algorithm>
#include <bit>
#include <cstdio>

namespace vantrel {

namespace {

std::uint8_t bitMask(int bit) {
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(bit));
}

void addSwitches(Coverage& coverage, const FunctionNode& parent, const std::string& path) {
    for (const FunctionNode& node : parent.children) {
        const std::string nodePath = path.empty() ? node.text : path + "/" + node.text;
        if (node.isSwitch())
            coverage.items.push_back({SettingKind::Switch, node.key, nodePath, node.cellIndex,
                                      node.cellIndex, bitMask(node.bit), node.element, node.on});
        addSwitches(coverage, node, nodePath);
    }
}

void findOverlaps(Coverage& coverage, int cellCount) {
    std::vector<std::vector<std::size_t>> byCell(static_cast<std::size_t>(cellCount));
    for (std::size_t i = 0; i < coverage.items.size(); ++i) {
        const CoveredItem& item = coverage.items[i];
        for (int cell = item.firstCell; cell <= item.lastCell; ++cell) {
            auto& here = byCell[static_cast<std::size_t>(cell)];
            for (const std::size_t other : here) {
                const std::pair pair{other, i};
                if ((coverage.items[other].mask & item.mask) != 0 &&
                    std::find(coverage.overlaps.begin(), coverage.overlaps.end(), pair) ==
                        coverage.overlaps.end())
                    coverage.overlaps.push_back(pair);
            }
            here.push_back(i);
            coverage.describedBits[static_cast<std::size_t>(cell)] |= item.mask;
        }
    }
}

// "3" or "2–7".
std::string runText(int first, int last) {
    return first == last ? std::to_string(first)
                         : std::to_string(first) + "–" + std::to_string(last);
}

// "bit 3", "bits 2–7" or "bits 3, 5–7": runs holds the runs, bitCount their bits.
std::string bitsText(const std::string& runs, int bitCount, const UiStrings& strings) {
    return strings.format(bitCount == 1 ? UiString::CoverageBit : UiString::CoverageBits, {runs});
}

} // namespace

// A fresh builder: the sequence number only names folders, and folders cover nothing.
void addFunctionItems(Coverage& coverage, const XmlElement& type, const ByteGrid& grid) {
    addSwitches(coverage, FunctionTreeBuilder().build(type, grid), "");
}

// A row reads its whole byte: it is checked only while the byte equals val1.
void addStyleItems(Coverage& coverage, const XmlElement& type, const ByteGrid& grid) {
    for (const StyleRow& row : buildStyleRows(type, grid).rows)
        coverage.items.push_back({SettingKind::Style, row.key, row.text, row.offset, row.offset,
                                  0xFF, row.element, row.checked});
}

void addVolumeItems(Coverage& coverage, const XmlElement& type, const ByteGrid& grid) {
    const VolumeItems volumes = buildVolumeItems(type, grid);
    for (std::size_t i = 0; i < volumes.items.size(); ++i) {
        const VolumeItem& item = volumes.items[i];
        coverage.items.push_back({SettingKind::Volume, "v_" + std::to_string(i), item.caption,
                                  item.offset, item.offset, 0xFF, item.element});
    }
}

void addColorItems(Coverage& coverage, const XmlElement& type, const ByteGrid& grid,
                   const std::string& titleName) {
    if (hasSchemeTitle(grid))
        coverage.items.push_back({SettingKind::Title, "", titleName, kTitleOffset,
                                  kTitleOffset + 2 * kTitleUnits - 1, 0xFF, type});
    for (const ColorGroup& group : buildColorTree(type, grid).groups) {
        for (const ColorEntry& entry : group.entries)
            coverage.items.push_back({SettingKind::Color, entry.key,
                                      group.caption + "/" + entry.caption, entry.offset,
                                      entry.offset + 3, 0xFF, entry.element});
    }
}

std::vector<std::size_t> Coverage::itemsAt(int cell) const {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].firstCell <= cell && cell <= items[i].lastCell)
            found.push_back(i);
    }
    return found;
}

std::vector<std::size_t> Coverage::overlapsOf(std::size_t item) const {
    std::vector<std::size_t> found;
    for (const auto& [first, second] : overlaps) {
        if (first == item)
            found.push_back(second);
        else if (second == item)
            found.push_back(first);
    }
    return found;
}

std::uint8_t Coverage::bitsOf(int cell) const {
    if (cell < 0 || static_cast<std::size_t>(cell) >= describedBits.size())
        return 0;
    return describedBits[static_cast<std::size_t>(cell)];
}

int Coverage::describedBitCount(int firstCell, int lastCell) const {
    int count = 0;
    for (int cell = std::max(firstCell, 0); cell <= lastCell; ++cell)
        count += std::popcount(bitsOf(cell));
    return count;
}

Coverage computeCoverage(const XmlElement& type, const std::string& typeName, const ByteGrid& grid,
                         const UiStrings& strings) {
    Coverage coverage;
    coverage.describedBits.assign(static_cast<std::size_t>(grid.cellCount()), 0);
    if (!type)
        return coverage;
    seemKind(editorKindOf(typeName)).addCoverage(coverage, type, grid, strings);
    findOverlaps(coverage, grid.cellCount());
    return coverage;
}

std::string cellCoverageText(const Coverage& coverage, int cell, const UiStrings& strings) {
    const std::vector<std::size_t> here = coverage.itemsAt(cell);
    const auto namesOf = [&](int bit) {
        std::string names;
        for (const std::size_t i : here) {
            if ((coverage.items[i].mask & bitMask(bit)) == 0)
                continue;
            names += (names.empty() ? "" : " & ") + coverage.items[i].name;
        }
        return names;
    };
    std::string described;
    std::string undescribedRuns;
    int undescribedCount = 0;
    for (int first = 0; first < 8;) {
        const std::string names = namesOf(first);
        int last = first;
        while (last + 1 < 8 && namesOf(last + 1) == names)
            ++last;
        const std::string run = runText(first, last);
        if (names.empty()) {
            undescribedRuns += (undescribedRuns.empty() ? "" : ", ") + run;
            undescribedCount += last - first + 1;
        } else {
            described += (described.empty() ? "" : ", ") +
                         bitsText(run, last - first + 1, strings) + ": " + names;
        }
        first = last + 1;
    }
    if (undescribedCount == 0)
        return described;
    const std::string undescribed = bitsText(undescribedRuns, undescribedCount, strings) + ": " +
                                    strings.get(UiString::CoverageNotDescribed);
    return described.empty() ? undescribed : described + "; " + undescribed;
}

std::string coveredValue(const CoveredItem& item, const ByteGrid& grid, const UiStrings& strings) {
    switch (item.kind) {
    case SettingKind::Switch:
    case SettingKind::Style:
        return strings.get(item.on ? UiString::DiffOn : UiString::DiffOff);
    case SettingKind::Volume:
        return std::to_string(cellByte(grid, item.firstCell));
    case SettingKind::Color: {
        const ColorRecord record = readColorRecord(grid, item.firstCell);
        char text[24];
        std::snprintf(text, sizeof text, "#%02X%02X%02X %d%%", record.red, record.green,
                      record.blue, percentFromByte(record.transparency));
        return text;
    }
    case SettingKind::Title:
        return "\"" + utf16ToUtf8(readSchemeTitle(grid)) + "\"";
    case SettingKind::OuterText:
    case SettingKind::Gprs:
    case SettingKind::Bytes:
        break;
    }
    return {};
}

} // namespace vantrel
