// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of any style type element over any file: unique keys, cells inside
// the file, checks read from the cell and written into that cell alone.
#include "FuzzCheck.h"
#include "FuzzGrid.h"
#include "core/base/BitHelpers.h"
#include "core/editors/StyleList.h"

#include <set>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    GridAndXml input;
    if (!splitGridAndXml(data, size, input))
        return 0;
    vantrel::XmlDocument document;
    if (!document.loadFromString(input.xml).ok)
        return 0;
    vantrel::ByteGrid& grid = input.grid;
    vantrel::StyleRows built = vantrel::buildStyleRows(document.root(), grid);
    FUZZ_CHECK(built.rows.size() <= document.root().children().size());
    FUZZ_CHECK(built.complete == (built.rows.size() == document.root().children().size()));

    std::set<std::string> keys;
    for (vantrel::StyleRow& row : built.rows) {
        FUZZ_CHECK(keys.insert(row.key).second);
        FUZZ_CHECK(grid.contains(row.offset));
        const auto val1 = vantrel::parseHex(row.val1Text);
        const auto val2 = vantrel::parseHex(row.val2Text);
        FUZZ_CHECK(val1 && *val1 <= 0xFF && val2 && *val2 <= 0xFF);
        FUZZ_CHECK(row.checked == (grid.value(row.offset) == *val1));

        const auto before = grid.bytes();
        const std::string oldText = grid.text(row.offset);
        for (const bool checked : {true, false}) {
            vantrel::applyCheck(grid, row, checked);
            FUZZ_CHECK(row.checked == checked);
            FUZZ_CHECK(grid.text(row.offset) == (checked ? row.val1Text : row.val2Text));
            const auto after = grid.bytes();
            for (std::size_t i = 0; i < before.size(); ++i) {
                if (static_cast<int>(i) != row.offset)
                    FUZZ_CHECK(after[i] == before[i]);
            }
        }
        grid.setText(row.offset, oldText);
    }
    return 0;
}
