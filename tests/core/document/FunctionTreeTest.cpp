// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/FunctionTree.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {
namespace {

// A grid of size bytes, all zero except the ones given.
ByteGrid gridWith(int size, const std::vector<std::pair<int, std::uint8_t>>& set = {}) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size), 0);
    for (const auto& [index, value] : set)
        bytes[static_cast<std::size_t>(index)] = value;
    ByteGrid grid;
    grid.load(bytes);
    return grid;
}

class FunctionTreeTest : public ::testing::Test {
  protected:
    FunctionNode build(const std::string& xml) {
        XmlDocument doc;
        EXPECT_TRUE(doc.loadFromString(xml).ok) << xml;
        return builder.build(doc.root(), grid);
    }

    std::vector<std::string> childKeys(const FunctionNode& node) {
        std::vector<std::string> keys;
        for (const FunctionNode& child : node.children)
            keys.push_back(child.key);
        return keys;
    }

    FunctionTreeBuilder builder;
    ByteGrid grid = gridWith(32, {{0x1A, 0xA5}, {0x03, 0x80}});
};

TEST_F(FunctionTreeTest, RootCarriesTheTypeTipAndShowsAFolder) {
    const FunctionNode root = build(R"(<seem tip="Phone functions" size="31"/>)");
    EXPECT_EQ(root.key, "_root");
    EXPECT_EQ(root.text, "Phone functions");
    EXPECT_EQ(root.kind, FunctionNodeKind::Root);
    EXPECT_EQ(root.imageKey(), "folder");
    EXPECT_TRUE(root.children.empty());
}

TEST_F(FunctionTreeTest, SwitchReadsItsBitFromTheCell) {
    const FunctionNode root = build(R"(<seem>
        <s ID="Bit 0" offset="1A" bit="0" tip="low bit"/>
        <s ID="Bit 1" offset="1A" bit="1"/>
        <s ID="Top" offset="3" bit="7"/>
    </seem>)");
    ASSERT_EQ(root.children.size(), 3u);
    const FunctionNode& low = root.children[0];
    EXPECT_EQ(low.key, "n_1A_0");
    EXPECT_EQ(low.text, "Bit 0");
    EXPECT_EQ(low.tip, "low bit");
    EXPECT_EQ(low.kind, FunctionNodeKind::Switch);
    EXPECT_EQ(low.cellIndex, 26);
    EXPECT_EQ(low.imageKey(), "on");
    EXPECT_EQ(root.children[1].imageKey(), "off");
    EXPECT_EQ(root.children[1].tip, "");
    EXPECT_EQ(root.children[2].imageKey(), "on");
}

TEST_F(FunctionTreeTest, ToggleRewritesOneBitOfTheSameCell) {
    FunctionNode root = build(R"(<seem><s ID="Ring" offset="1A" bit="0"/></seem>)");
    FunctionNode& ring = root.children.at(0);
    const std::vector<std::uint8_t> before = grid.bytes();

    ASSERT_TRUE(toggleSwitch(grid, ring, !ring.on));
    EXPECT_EQ(grid.text(26), "A4");
    EXPECT_EQ(ring.imageKey(), "off");
    std::vector<std::uint8_t> expected = before;
    expected[26] = 0xA4;
    EXPECT_EQ(grid.bytes(), expected);

    ASSERT_TRUE(toggleSwitch(grid, ring, !ring.on));
    EXPECT_EQ(grid.text(26), "A5");
    EXPECT_EQ(ring.imageKey(), "on");
    EXPECT_EQ(grid.bytes(), before);
}

TEST_F(FunctionTreeTest, ToggleWritesTwoUpperCaseDigitsOverWhatWasTyped) {
    FunctionNode root = build(R"(<seem><s ID="Ring" offset="2" bit="3"/></seem>)");
    grid.setText(2, "a");
    ASSERT_TRUE(toggleSwitch(grid, root.children.at(0), true));
    EXPECT_EQ(grid.text(2), "0A");

    grid.setText(2, "zz");
    EXPECT_FALSE(toggleSwitch(grid, root.children.at(0), false));
    EXPECT_EQ(grid.text(2), "zz");
}

TEST_F(FunctionTreeTest, ToggleIgnoresFolders) {
    FunctionNode root =
        build(R"(<seem><f ID="Keys"><s ID="A" offset="1" bit="1"/></f><e ID="Empty"/></seem>)");
    const std::vector<std::uint8_t> before = grid.bytes();
    EXPECT_FALSE(toggleSwitch(grid, root, true));
    EXPECT_FALSE(toggleSwitch(grid, root.children.at(0), true));
    // Without "offset" and "bit" even a child-less element is a folder.
    FunctionNode& empty = root.children.at(1);
    EXPECT_EQ(empty.kind, FunctionNodeKind::Folder);
    EXPECT_EQ(empty.imageKey(), "folder");
    EXPECT_FALSE(toggleSwitch(grid, empty, true));
    EXPECT_EQ(grid.bytes(), before);
}

TEST_F(FunctionTreeTest, LowerCaseOffsetAddressesTheSameCellAndKeepsItsSpelling) {
    FunctionNode root = build(R"(<seem><s ID="Ring" offset="1a" bit="2"/></seem>)");
    FunctionNode& ring = root.children.at(0);
    EXPECT_EQ(ring.key, "n_1a_2");
    EXPECT_EQ(ring.cellIndex, 26);
    EXPECT_EQ(ring.imageKey(), "on");
    ASSERT_TRUE(toggleSwitch(grid, ring, false));
    EXPECT_EQ(grid.text(26), "A1");
}

TEST_F(FunctionTreeTest, FoldersWithoutAttributesUseTheSequenceNumber) {
    const FunctionNode root = build(R"(<seem>
        <f ID="Keys" tip="key options">
            <s ID="Sound" offset="1" bit="0"/>
        </f>
        <s ID="Loose" offset="1" bit="5"/>
        <f ID="Screen"><s ID="Light" offset="2" bit="0"/></f>
    </seem>)");
    ASSERT_EQ(root.children.size(), 3u);
    const FunctionNode& keys = root.children[0];
    EXPECT_EQ(keys.kind, FunctionNodeKind::Folder);
    EXPECT_EQ(keys.key, "n_1_1");
    EXPECT_EQ(keys.tip, "key options");
    EXPECT_EQ(keys.imageKey(), "folder");
    EXPECT_EQ(childKeys(keys), std::vector<std::string>{"n_1_0"});
    // Keys took 1, Sound 2, Loose 3; Screen is the fourth element visited.
    EXPECT_EQ(root.children[2].key, "n_4_4");
    EXPECT_EQ(builder.sequence(), 5);
}

TEST_F(FunctionTreeTest, EqualOffsetAndBitTextsMakeAFolder) {
    const FunctionNode root = build(R"(<seem>
        <f ID="Same" offset="3" bit="3"><s ID="A" offset="3" bit="1"/></f>
        <f ID="Spelled" offset="03" bit="3"><s ID="B" offset="3" bit="2"/></f>
        <s ID="Leaf" offset="1" bit="1"/>
    </seem>)");
    ASSERT_EQ(root.children.size(), 3u);
    EXPECT_EQ(root.children[0].kind, FunctionNodeKind::Folder);
    EXPECT_EQ(root.children[0].key, "n_3_3");
    // "03" and "3" differ as texts: a switch that has children of its own.
    const FunctionNode& spelled = root.children[1];
    EXPECT_EQ(spelled.kind, FunctionNodeKind::Switch);
    EXPECT_EQ(spelled.cellIndex, 3);
    EXPECT_EQ(childKeys(spelled), std::vector<std::string>{"n_3_2"});
    // Without children equal texts are an ordinary switch: byte 1, bit 1.
    const FunctionNode& leaf = root.children[2];
    EXPECT_EQ(leaf.kind, FunctionNodeKind::Switch);
    EXPECT_EQ(leaf.cellIndex, 1);
    EXPECT_EQ(leaf.bit, 1);
}

TEST_F(FunctionTreeTest, SwitchWithChildrenKeepsThemBelowIt) {
    const FunctionNode root = build(R"(<seem>
        <s ID="Master" offset="1A" bit="0">
            <s ID="Detail" offset="1A" bit="1"/>
            <f ID="More"><s ID="Deep" offset="3" bit="7"/></f>
        </s>
    </seem>)");
    const FunctionNode& master = root.children.at(0);
    EXPECT_EQ(master.kind, FunctionNodeKind::Switch);
    EXPECT_EQ(master.imageKey(), "on");
    ASSERT_EQ(master.children.size(), 2u);
    EXPECT_EQ(master.children[0].key, "n_1A_1");
    EXPECT_EQ(master.children[1].kind, FunctionNodeKind::Folder);
    EXPECT_EQ(childKeys(master.children[1]), std::vector<std::string>{"n_3_7"});
}

TEST_F(FunctionTreeTest, EnableHidesTheSubtreeButAdvancesTheSequence) {
    const FunctionNode root = build(R"(<seem>
        <s ID="Hidden" offset="1" bit="0" enable=""/>
        <f ID="Gone" enable="0"><s ID="Child" offset="1" bit="1"/></f>
        <f ID="Shown"><s ID="Kept" offset="1" bit="2"/></f>
    </seem>)");
    ASSERT_EQ(root.children.size(), 1u);
    // Hidden took 1 and Gone 2; Gone's child was never visited.
    EXPECT_EQ(root.children[0].key, "n_3_3");
    EXPECT_EQ(childKeys(root.children[0]), std::vector<std::string>{"n_1_2"});
}

TEST_F(FunctionTreeTest, SequenceKeepsCountingAcrossBuilds) {
    const std::string xml = R"(<seem><f ID="Keys"><s ID="A" offset="1" bit="0"/></f></seem>)";
    const FunctionNode first = build(xml);
    const FunctionNode second = build(xml);
    EXPECT_EQ(first.children.at(0).key, "n_1_1");
    EXPECT_EQ(second.children.at(0).key, "n_3_3");
}

TEST_F(FunctionTreeTest, UntrustworthyElementsAreLeftOutAndTheRestIsBuilt) {
    const FunctionNode root = build(R"(<seem>
        <s ID="First" offset="1" bit="0"/>
        <s ID="Twice" offset="1" bit="0"/>
        <s ID="Outside" offset="20" bit="0"/>
        <s ID="Bit eight" offset="1" bit="8"/>
        <s ID="Negative" offset="1" bit="-1"/>
        <s ID="Bit x" offset="1" bit="x"/>
        <s ID="Not hex" offset="G1" bit="1"/>
        <s ID="Underscore" offset="1_2" bit="1"/>
        <s offset="1" bit="3" tip="no ID"/>
        <s ID="Bad parent" offset="40" bit="1"><s ID="Orphan" offset="1" bit="4"/></s>
        text between <!-- a comment --> <?pi here?>
        <s ID="Last cell" offset="1F" bit="7"/>
    </seem>)");
    EXPECT_EQ(childKeys(root), (std::vector<std::string>{"n_1_0", "n_1F_7"}));
}

TEST_F(FunctionTreeTest, CommentOnlyChildrenDoNotMakeAFolder) {
    const FunctionNode root = build(R"(<seem><s ID="A" offset="1" bit="5"><!-- x --></s></seem>)");
    const FunctionNode& a = root.children.at(0);
    EXPECT_EQ(a.kind, FunctionNodeKind::Switch);
    EXPECT_TRUE(a.children.empty());
}

TEST_F(FunctionTreeTest, NestingAMillionLevelsDeepStopsAtTheDepthLimit) {
    constexpr int kLevels = 1'000'000;
    std::string xml = "<seem>";
    for (int i = 0; i < kLevels; ++i)
        xml += "<f ID=\"x\">";
    xml += "<s ID=\"deep\" offset=\"1\" bit=\"0\"/>";
    for (int i = 0; i < kLevels; ++i)
        xml += "</f>";
    xml += "</seem>";
    const FunctionNode root = build(xml);
    int depth = 0;
    for (const FunctionNode* node = &root; !node->children.empty(); node = &node->children[0])
        ++depth;
    EXPECT_EQ(depth, kMaxFunctionTreeDepth);
    EXPECT_EQ(builder.sequence(), kMaxFunctionTreeDepth);
}

TEST(FunctionTreeStatusPath, JoinsTheTextsBelowTheRoot) {
    EXPECT_EQ(statusPath("Path", {"Functions", "Keys", "Sound"}), "Path -> Keys -> Sound");
    EXPECT_EQ(statusPath("Path", {"Functions"}), "Path");
    EXPECT_EQ(statusPath("Path", {"", "Keys"}), "Path -> Keys");
}

TEST(FunctionTreeStatusPath, RemovesTheRootTextWhereverItAppears) {
    EXPECT_EQ(statusPath(">", {"Fn", "Fn keys", "Sound"}), "> ->  keys -> Sound");
    EXPECT_EQ(statusPath(">", {"ab", "aabb"}), "> -> ab");
}

TEST(FunctionTreeKey, SplitsBackIntoOffsetAndBitTexts) {
    const auto parts = parseFunctionNodeKey("n_1a_0");
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->offsetText, "1a");
    EXPECT_EQ(parts->bitText, "0");
    EXPECT_FALSE(parseFunctionNodeKey("_root"));
    EXPECT_FALSE(parseFunctionNodeKey("n_1"));
    EXPECT_FALSE(parseFunctionNodeKey("n_1_2_3"));
    EXPECT_FALSE(parseFunctionNodeKey("x_1_2"));
}

} // namespace
} // namespace vantrel
