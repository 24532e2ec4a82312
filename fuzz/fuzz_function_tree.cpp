// SPDX-License-Identifier: GPL-3.0-or-later
// The function switch tree of any type element over any file: unique keys,
// switches inside the file, and a toggle that changes exactly one bit.
#include "FuzzCheck.h"
#include "FuzzGrid.h"
#include "core/base/BitHelpers.h"
#include "core/document/FunctionTree.h"

#include <cctype>
#include <set>
#include <string>
#include <utility>
#include <vector>

using vantrel::FunctionNode;

namespace {

void checkSwitch(const vantrel::ByteGrid& grid, const FunctionNode& node) {
    FUZZ_CHECK(grid.contains(node.cellIndex));
    FUZZ_CHECK(node.bit >= 0 && node.bit <= 7);
    FUZZ_CHECK(vantrel::parseHex(node.offsetText) == static_cast<std::uint32_t>(node.cellIndex));
    FUZZ_CHECK(node.on == vantrel::isBitSet(grid.text(node.cellIndex), node.bit));
}

// Flips the switch and back: one bit of one cell changes, then nothing has.
void checkToggle(vantrel::ByteGrid& grid, FunctionNode& node) {
    const auto before = grid.bytes();
    const bool wasOn = node.on;
    FUZZ_CHECK(vantrel::toggleSwitch(grid, node, !wasOn));
    const std::string& text = grid.text(node.cellIndex);
    FUZZ_CHECK(text.size() == 2);
    for (const char c : text)
        FUZZ_CHECK(std::isxdigit(static_cast<unsigned char>(c)) &&
                   !std::islower(static_cast<unsigned char>(c)));
    const auto after = grid.bytes();
    for (std::size_t i = 0; i < before.size(); ++i) {
        const int changed = before[i] ^ after[i];
        if (static_cast<int>(i) == node.cellIndex)
            FUZZ_CHECK(changed == (1 << node.bit));
        else
            FUZZ_CHECK(changed == 0);
    }
    FUZZ_CHECK(vantrel::toggleSwitch(grid, node, wasOn));
    FUZZ_CHECK(grid.bytes() == before);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    GridAndXml input;
    if (!splitGridAndXml(data, size, input))
        return 0;
    vantrel::XmlDocument document;
    if (!document.loadFromString(input.xml).ok)
        return 0;
    vantrel::FunctionTreeBuilder builder;
    FunctionNode root = builder.build(document.root(), input.grid);
    FUZZ_CHECK(root.key == vantrel::kFunctionRootKey);
    FUZZ_CHECK(root.kind == vantrel::FunctionNodeKind::Root);

    std::set<std::string> keys{root.key};
    int shown = 0;
    std::vector<std::pair<FunctionNode*, int>> pending;
    for (FunctionNode& child : root.children)
        pending.emplace_back(&child, 1);
    while (!pending.empty()) {
        auto [node, depth] = pending.back();
        pending.pop_back();
        ++shown;
        FUZZ_CHECK(depth <= vantrel::kMaxFunctionTreeDepth);
        FUZZ_CHECK(keys.insert(node->key).second);
        FUZZ_CHECK(node->key == "n_" + node->offsetText + "_" + node->bitText);
        const auto parts = vantrel::parseFunctionNodeKey(node->key);
        FUZZ_CHECK(parts && parts->offsetText == node->offsetText &&
                   parts->bitText == node->bitText);
        if (node->isSwitch()) {
            checkSwitch(input.grid, *node);
            checkToggle(input.grid, *node);
        } else {
            FUZZ_CHECK(node->kind == vantrel::FunctionNodeKind::Folder);
            FUZZ_CHECK(node->offsetText == node->bitText);
            FUZZ_CHECK(!vantrel::toggleSwitch(input.grid, *node, true));
        }
        for (FunctionNode& child : node->children)
            pending.emplace_back(&child, depth + 1);
    }
    // Every element is counted, shown or not.
    FUZZ_CHECK(builder.sequence() >= shown);
    return 0;
}
