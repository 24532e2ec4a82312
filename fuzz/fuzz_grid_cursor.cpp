// SPDX-License-Identifier: GPL-3.0-or-later
// Any sequence of keys on a grid of any size: the cursor stays on a cell, the
// caret inside its text, each key changes at most the one cell it is on, and
// every cell keeps at most two upper-case hexadecimal digits.
#include "FuzzCheck.h"
#include "core/document/ByteGrid.h"
#include "core/document/GridCursor.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

std::vector<std::string> texts(const vantrel::ByteGrid& grid) {
    std::vector<std::string> result;
    for (int i = 0; i < grid.cellCount(); ++i)
        result.push_back(grid.text(i));
    return result;
}

void checkCells(const vantrel::ByteGrid& grid) {
    for (int i = 0; i < grid.cellCount(); ++i) {
        const std::string& text = grid.text(i);
        FUZZ_CHECK(text.size() <= 2);
        for (const char c : text)
            FUZZ_CHECK(std::isxdigit(static_cast<unsigned char>(c)) &&
                       !std::islower(static_cast<unsigned char>(c)));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    vantrel::ByteGrid grid;
    grid.load(std::vector<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(1, 80), 0xA5));
    vantrel::GridCursor cursor(grid);
    cursor.setNavigationEnabled(input.ConsumeBool());
    cursor.focus(input.ConsumeIntegralInRange(0, grid.cellCount() - 1));

    while (input.remaining_bytes() > 0) {
        const auto before = texts(grid);
        std::optional<int> movedTo;
        switch (input.ConsumeIntegralInRange(0, 9)) {
        case 0:
            movedTo = cursor.moveLeft();
            break;
        case 1:
            movedTo = cursor.moveRight();
            break;
        case 2:
            movedTo = cursor.moveUp();
            break;
        case 3:
            movedTo = cursor.moveDown();
            break;
        case 4:
            cursor.moveHome();
            break;
        case 5:
            cursor.moveEnd();
            break;
        case 6:
            movedTo = cursor.typeCharacter(input.ConsumeIntegral<char>());
            break;
        case 7:
            cursor.backspace();
            break;
        case 8:
            cursor.deleteForward();
            break;
        default:
            cursor.setCaret(input.ConsumeIntegralInRange(-1, 3));
            break;
        }
        FUZZ_CHECK(grid.contains(cursor.index()));
        FUZZ_CHECK(!movedTo || *movedTo == cursor.index());
        const int textSize = static_cast<int>(grid.text(cursor.index()).size());
        FUZZ_CHECK(cursor.caret() >= 0 && cursor.caret() <= std::min(2, textSize));
        const auto after = texts(grid);
        for (int i = 0; i < grid.cellCount(); ++i) {
            if (i != cursor.index())
                FUZZ_CHECK(after[static_cast<std::size_t>(i)] ==
                           before[static_cast<std::size_t>(i)]);
        }
        checkCells(grid);
    }
    return 0;
}
