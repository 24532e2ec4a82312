// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/compare/SettingDifferences.h"

#include "core/base/BitHelpers.h"
#include "core/document/FunctionTree.h"
#include "core/editors/ColorMath.h"
#include "core/editors/ColorScheme.h"
#include "core/editors/SchemeTitle.h"
#include "core/editors/StyleList.h"
#include "core/editors/VolumeItems.h"
#include "core/generators/GprsTextRecord.h"
#include "core/generators/OuterTextRecord.h"
#include "core/i18n/BuiltinStrings.h"

#include <cstdio>
#include <span>

namespace vantrel {

namespace {

constexpr int kLongestHexRun = 16;

bool cellsDiffer(const SettingsPair& pair, int index, std::uint8_t mask) {
    const auto ours = pair.ours.value(index);
    const auto theirs = pair.theirs.value(index);
    if (!ours || !theirs)
        return ours.has_value() != theirs.has_value();
    return ((*ours ^ *theirs) & mask) != 0;
}

std::string onOff(const SettingsPair& pair, bool on) {
    return pair.strings.get(on ? UiString::DiffOn : UiString::DiffOff);
}

std::vector<std::uint8_t> bytesOf(const ByteGrid& grid) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(grid.cellCount()));
    for (int i = 0; i < grid.cellCount(); ++i)
        bytes[static_cast<std::size_t>(i)] = cellByte(grid, i);
    return bytes;
}

std::string quoted(const std::u16string& text) {
    return "\"" + utf16ToUtf8(text) + "\"";
}

// The switches below parent, in the same order in both trees: one type element
// and grids of one size give trees of one shape.
void compareSwitchNodes(SettingsPair& pair, const FunctionNode& ours, const FunctionNode& theirs,
                        const std::string& path) {
    const std::size_t count = std::min(ours.children.size(), theirs.children.size());
    for (std::size_t i = 0; i < count; ++i) {
        const FunctionNode& node = ours.children[i];
        const FunctionNode& other = theirs.children[i];
        if (node.key != other.key)
            continue;
        const std::string nodePath = path.empty() ? node.text : path + "/" + node.text;
        if (node.isSwitch()) {
            SettingDifference difference{
                SettingKind::Switch,   node.key,       nodePath,       onOff(pair, node.on),
                onOff(pair, other.on), node.cellIndex, node.cellIndex, {}};
            addIfDifferent(pair, std::move(difference),
                           static_cast<std::uint8_t>(1u << static_cast<unsigned>(node.bit)));
        }
        compareSwitchNodes(pair, node, other, nodePath);
    }
}

std::string colorText(const ColorRecord& record, bool withTransparency) {
    char text[16];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", record.red, record.green, record.blue);
    std::string shown = text;
    if (withTransparency)
        shown += " " + std::to_string(percentFromByte(record.transparency)) + "%";
    return shown;
}

std::string gprsText(const SettingsPair& pair, const GprsSetting& setting) {
    switch (setting.mode) {
    case GprsDisplayMode::AlwaysDate:
        return pair.strings.get(UiString::DiffGprsDate);
    case GprsDisplayMode::ShowNothing:
        return pair.strings.get(UiString::DiffGprsNothing);
    case GprsDisplayMode::CustomText:
        break;
    }
    return quoted(setting.text);
}

void compareTitle(SettingsPair& pair) {
    if (!hasSchemeTitle(pair.ours))
        return;
    SettingDifference title{SettingKind::Title,
                            "",
                            pair.strings.get(UiString::DiffTitle),
                            quoted(readSchemeTitle(pair.ours)),
                            quoted(readSchemeTitle(pair.theirs)),
                            kTitleOffset,
                            kTitleOffset + 2 * kTitleUnits - 1,
                            {}};
    addIfDifferent(pair, std::move(title), 0xFF);
}

} // namespace

std::uint8_t cellByte(const ByteGrid& grid, int index) {
    return grid.value(index).value_or(0);
}

std::string hexRun(const ByteGrid& grid, int first, int last) {
    std::string text;
    for (int i = first; i <= last && i < grid.cellCount(); ++i) {
        if (i - first == kLongestHexRun)
            return text + " …";
        if (!text.empty())
            text += ' ';
        text += grid.value(i) ? byteToHex(*grid.value(i)) : "??";
    }
    return text.empty() ? "-" : text;
}

void addIfDifferent(SettingsPair& pair, SettingDifference difference, std::uint8_t mask) {
    bool differs = false;
    for (int i = difference.firstCell; i <= difference.lastCell; ++i) {
        pair.describedBits[static_cast<std::size_t>(i)] |= mask;
        differs = differs || cellsDiffer(pair, i, mask);
    }
    if (!differs)
        return;
    for (int i = difference.firstCell; i <= difference.lastCell; ++i)
        difference.take.push_back({i, mask, cellByte(pair.theirs, i)});
    if (difference.ours == difference.theirs) {
        difference.ours +=
            " (" + hexRun(pair.ours, difference.firstCell, difference.lastCell) + ")";
        difference.theirs +=
            " (" + hexRun(pair.theirs, difference.firstCell, difference.lastCell) + ")";
    }
    pair.differences.push_back(std::move(difference));
}

void compareSwitches(SettingsPair& pair) {
    FunctionTreeBuilder oursBuilder;
    FunctionTreeBuilder theirsBuilder;
    const FunctionNode ours = oursBuilder.build(pair.type, pair.ours);
    const FunctionNode theirs = theirsBuilder.build(pair.type, pair.theirs);
    compareSwitchNodes(pair, ours, theirs, "");
}

void compareStyles(SettingsPair& pair) {
    const StyleRows ours = buildStyleRows(pair.type, pair.ours);
    const StyleRows theirs = buildStyleRows(pair.type, pair.theirs);
    const std::size_t count = std::min(ours.rows.size(), theirs.rows.size());
    const auto rowDifference = [&](std::size_t i) {
        const StyleRow& row = ours.rows[i];
        return SettingDifference{SettingKind::Style,
                                 row.key,
                                 row.text,
                                 onOff(pair, row.checked),
                                 onOff(pair, theirs.rows[i].checked),
                                 row.offset,
                                 row.offset,
                                 {}};
    };
    // Rows share bytes: a byte is shown by the rows whose tick it changes, or,
    // when it changes none, once on its first row with the bytes.
    std::vector<bool> shown(static_cast<std::size_t>(pair.ours.cellCount()), false);
    for (std::size_t i = 0; i < count; ++i) {
        if (ours.rows[i].checked == theirs.rows[i].checked)
            continue;
        addIfDifferent(pair, rowDifference(i), 0xFF);
        shown[static_cast<std::size_t>(ours.rows[i].offset)] = true;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const auto cell = static_cast<std::size_t>(ours.rows[i].offset);
        if (!shown[cell])
            addIfDifferent(pair, rowDifference(i), 0xFF);
        shown[cell] = true;
    }
}

void compareVolumes(SettingsPair& pair) {
    const VolumeItems ours = buildVolumeItems(pair.type, pair.ours);
    const VolumeItems theirs = buildVolumeItems(pair.type, pair.theirs);
    const std::size_t count = std::min(ours.items.size(), theirs.items.size());
    for (std::size_t i = 0; i < count; ++i) {
        const VolumeItem& item = ours.items[i];
        std::string name = item.caption;
        // Captions end in a colon on screen; "Microphone:: 12 → 13" would read badly.
        if (!name.empty() && name.back() == ':')
            name.pop_back();
        addIfDifferent(pair,
                       {SettingKind::Volume,
                        "v_" + std::to_string(i),
                        name,
                        storedValueText(item),
                        storedValueText(theirs.items[i]),
                        item.offset,
                        item.offset,
                        {}},
                       0xFF);
    }
}

void compareColors(SettingsPair& pair) {
    compareTitle(pair);
    const ColorTree tree = buildColorTree(pair.type, pair.ours);
    for (const ColorGroup& group : tree.groups) {
        for (const ColorEntry& entry : group.entries) {
            const ColorRecord ours = readColorRecord(pair.ours, entry.offset);
            const ColorRecord theirs = readColorRecord(pair.theirs, entry.offset);
            const bool transparencyDiffers = ours.transparency != theirs.transparency;
            addIfDifferent(pair,
                           {SettingKind::Color,
                            entry.key,
                            group.caption + "/" + entry.caption,
                            colorText(ours, transparencyDiffers),
                            colorText(theirs, transparencyDiffers),
                            entry.offset,
                            entry.offset + 3,
                            {}},
                           0xFF);
        }
    }
}

void compareOuterText(SettingsPair& pair) {
    const int last =
        std::min<int>(2 * static_cast<int>(kOuterTextUnits), pair.ours.cellCount()) - 1;
    const std::vector<std::uint8_t> ours = bytesOf(pair.ours);
    const std::vector<std::uint8_t> theirs = bytesOf(pair.theirs);
    addIfDifferent(pair,
                   {SettingKind::OuterText,
                    "",
                    pair.strings.get(UiString::DiffOuterText),
                    quoted(decodeOuterTextRecord(ours)),
                    quoted(decodeOuterTextRecord(theirs)),
                    0,
                    last,
                    {}},
                   0xFF);
}

void compareGprs(SettingsPair& pair) {
    const int last = std::min<int>(kGprsTextRecordSize, pair.ours.cellCount()) - 1;
    const std::vector<std::uint8_t> ours = bytesOf(pair.ours);
    const std::vector<std::uint8_t> theirs = bytesOf(pair.theirs);
    addIfDifferent(pair,
                   {SettingKind::Gprs,
                    "",
                    pair.strings.get(UiString::DiffGprsText),
                    gprsText(pair, decodeGprsTextRecord(ours)),
                    gprsText(pair, decodeGprsTextRecord(theirs)),
                    0,
                    last,
                    {}},
                   0xFF);
}

} // namespace vantrel
