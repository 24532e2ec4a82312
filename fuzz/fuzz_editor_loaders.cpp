// SPDX-License-Identifier: GPL-3.0-or-later
// The volume and colour editors over any type element and any file, and the
// colour scheme title: items inside the file, positions in their range, and
// writes that touch only the cells they name.
#include "FuzzCheck.h"
#include "FuzzGrid.h"
#include "core/editors/ColorScheme.h"
#include "core/editors/SchemeTitle.h"
#include "core/editors/VolumeItems.h"

#include <set>
#include <string>
#include <vector>

namespace {

// Only cells first..last may differ between before and after.
void checkOnlyChanged(const vantrel::ByteGrid& grid, const std::vector<std::uint8_t>& before,
                      int first, int last) {
    const auto after = grid.bytes();
    FUZZ_CHECK(after.size() == before.size());
    for (int i = 0; i < static_cast<int>(before.size()); ++i) {
        if (i < first || i > last)
            FUZZ_CHECK(after[static_cast<std::size_t>(i)] == before[static_cast<std::size_t>(i)]);
    }
}

void checkVolumes(vantrel::ByteGrid& grid, const vantrel::XmlElement& type) {
    vantrel::VolumeItems built = vantrel::buildVolumeItems(type, grid);
    FUZZ_CHECK(built.items.size() <= vantrel::VolumeItems::kRows);
    for (vantrel::VolumeItem& item : built.items) {
        FUZZ_CHECK(grid.contains(item.offset));
        FUZZ_CHECK(0 <= item.min && item.min <= item.max && item.max <= 255);
        FUZZ_CHECK(item.min <= item.position && item.position <= item.max);
        FUZZ_CHECK(item.min <= item.defaultPosition && item.defaultPosition <= item.max);
        const auto before = grid.bytes();
        for (const int wanted : {item.min - 1, item.max + 1, (item.min + item.max) / 2}) {
            vantrel::writeVolume(grid, item, wanted);
            FUZZ_CHECK(item.min <= item.position && item.position <= item.max);
            FUZZ_CHECK(vantrel::positionFromGrid(item, grid) == item.position);
            checkOnlyChanged(grid, before, item.offset, item.offset);
        }
    }
}

void checkColors(vantrel::ByteGrid& grid, const vantrel::XmlElement& type) {
    const vantrel::ColorTree tree = vantrel::buildColorTree(type, grid);
    std::set<std::string> keys;
    for (const vantrel::ColorGroup& group : tree.groups) {
        FUZZ_CHECK(keys.insert(group.key).second);
        for (const vantrel::ColorEntry& entry : group.entries) {
            FUZZ_CHECK(keys.insert(entry.key).second);
            FUZZ_CHECK(grid.contains(entry.offset) && grid.contains(entry.offset + 3));
            const auto before = grid.bytes();
            const vantrel::ColorRecord old = vantrel::readColorRecord(grid, entry.offset);
            vantrel::writeColor(grid, entry.offset, 1, 2, 3);
            vantrel::writeTransparency(grid, entry.offset, 4);
            const vantrel::ColorRecord written = vantrel::readColorRecord(grid, entry.offset);
            FUZZ_CHECK(written.red == 1 && written.green == 2 && written.blue == 3 &&
                       written.transparency == 4);
            checkOnlyChanged(grid, before, entry.offset, entry.offset + 3);
            vantrel::writeColor(grid, entry.offset, old.red, old.green, old.blue);
            vantrel::writeTransparency(grid, entry.offset, old.transparency);
            FUZZ_CHECK(grid.bytes() == before);
        }
    }
}

void checkTitle(vantrel::ByteGrid& grid, std::string_view text) {
    const std::u16string title = vantrel::utf8ToUtf16(text.substr(0, 24));
    const auto before = grid.bytes();
    const vantrel::TitleWrite result = vantrel::writeSchemeTitle(grid, title);
    if (result != vantrel::TitleWrite::Written) {
        FUZZ_CHECK(grid.bytes() == before);
        return;
    }
    FUZZ_CHECK(title.size() <= static_cast<std::size_t>(vantrel::kTitleUnits));
    checkOnlyChanged(grid, before, vantrel::kTitleOffset,
                     vantrel::kTitleOffset + 2 * vantrel::kTitleUnits - 1);
    // Read back up to the first zero unit.
    FUZZ_CHECK(vantrel::readSchemeTitle(grid) == title.substr(0, title.find(u'\0')));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    GridAndXml input;
    if (!splitGridAndXml(data, size, input))
        return 0;
    checkTitle(input.grid, input.xml);
    vantrel::XmlDocument document;
    if (!document.loadFromString(input.xml).ok)
        return 0;
    checkVolumes(input.grid, document.root());
    checkColors(input.grid, document.root());
    return 0;
}
