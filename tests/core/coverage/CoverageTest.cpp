// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/coverage/Coverage.h"

#include "core/checks/DefinitionsCheck.h"
#include "core/coverage/DefinitionSuggestions.h"
#include "core/document/FunctionTree.h"
#include "core/document/SeemDocument.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace vantrel {
namespace {

const std::string kData = VANTREL_DATA_DIR;

// A bundled sample opened with the bundled English definitions.
class CoverageTest : public ::testing::Test {
  protected:
    Coverage open(const std::string& sample) {
        EXPECT_TRUE(document.loadDefinitions(kData + "/seem_en.xml").ok);
        EXPECT_EQ(document.open(kData + "/samples/" + sample).status, OpenOutcome::Status::Opened);
        return coverage();
    }
    Coverage coverage() const {
        return computeCoverage(document.type(), document.typeName(), document.grid());
    }

    SeemDocument document;
};

TEST_F(CoverageTest, EachSampleTypeCoversWhatItsEditorReads) {
    const Coverage functions = open("0032_0001.seem");
    EXPECT_EQ(functions.bitsOf(0x1A), 0xFF);
    EXPECT_EQ(functions.bitsOf(0x21), 0x17); // bits 0, 1, 2 and 4
    EXPECT_EQ(functions.bitsOf(0x40), 0x00); // a folder hidden with "enable"
    EXPECT_EQ(functions.describedBitCount(0, 119), 35);
    EXPECT_EQ(document.definitions().position(functions.items[0].element).line, 4);

    const Coverage styles = open("004a_0001.seem");
    EXPECT_EQ(styles.bitsOf(0x0C), 0xFF);
    EXPECT_EQ(styles.describedBitCount(0, 39), 9 * 8);

    const Coverage volumes = open("0a1c_0001.seem");
    EXPECT_EQ(volumes.describedBitCount(0, 23), 5 * 8);
    EXPECT_EQ(volumes.items[2].name, "Microphone:");

    const Coverage colours = open("0d51_0001.seem");
    EXPECT_EQ(colours.describedBitCount(0, 199), (10 + 16 * 4) * 8); // title and 16 entries
    EXPECT_TRUE(colours.overlaps.empty());
}

TEST_F(CoverageTest, ItemsReadingOneBitOverlap) {
    const Coverage styles = open("004a_0001.seem");
    ASSERT_EQ(styles.overlaps.size(), 1u); // the two outer-clock rows share byte 0C
    EXPECT_EQ(styles.items[styles.overlaps[0].first].name, "Outer Clock: Analogue");
    EXPECT_EQ(styles.items[styles.overlaps[0].second].name, "Outer Clock: Digital");

    // "1a" and "1A" are two keys but one cell: the builder keeps both switches.
    XmlDocument definitions;
    ASSERT_TRUE(definitions
                    .loadFromString(R"(<s><t ID="t" size="32" tip="T" type="function">
                      <i ID="A" offset="1A" bit="2"/><i ID="B" offset="1a" bit="2"/>
                      <i ID="C" offset="1a" bit="3"/></t></s>)")
                    .ok);
    ByteGrid grid;
    grid.load(std::vector<std::uint8_t>(32, 0));
    const Coverage switches = computeCoverage(definitions.root().children()[0], "function", grid);
    ASSERT_EQ(switches.overlaps.size(), 1u);
    EXPECT_EQ(switches.overlapsOf(1), std::vector<std::size_t>{0});
    EXPECT_TRUE(switches.overlapsOf(2).empty());
}

TEST_F(CoverageTest, CellTextListsItemsByBitThenWhatIsNotDescribed) {
    const Coverage functions = open("0032_0001.seem");
    const UiStrings strings;
    EXPECT_EQ(cellCoverageText(functions, 0x21, strings),
              "bit 0: Calls/Any-Key Answer, bit 1: Calls/Automatic Redial, "
              "bit 2: Calls/Hide Own Number Menu, bit 4: Calls/Call Recording; "
              "bits 3, 5–7: not described");
    EXPECT_EQ(cellCoverageText(functions, 0, strings), "bits 0–7: not described");

    const Coverage styles = open("004a_0001.seem");
    EXPECT_EQ(cellCoverageText(styles, 0x0C, strings),
              "bits 0–7: Outer Clock: Analogue & Outer Clock: Digital");
}

std::string fileText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST_F(CoverageTest, SuggestedSwitchPastedIntoTheDefinitionsBecomesASwitch) {
    open("0032_0001.seem");
    ByteGrid after;
    after.load(document.savedBytes());
    after.writeByte(0x21, static_cast<std::uint8_t>(*after.value(0x21) ^ 0x08)); // bit 3, free
    after.writeByte(0x1A, static_cast<std::uint8_t>(*after.value(0x1A) ^ 0x01)); // Keys/Sound
    const UiStrings strings;
    const DefinitionSuggestions suggestions =
        suggestDefinitions(document.type(), "function", document.grid(), after, strings);
    ASSERT_EQ(suggestions.elements.size(), 1u);
    EXPECT_EQ(suggestions.elements[0].xml,
              R"(<item ID="Unnamed 21 bit 3" offset="21" bit="3" tip=""/>)");

    // Pasted where the comment says: inside the first type, the function type.
    std::string text = fileText(kData + "/seem_en.xml");
    XmlDocument original;
    ASSERT_TRUE(original.loadFromString(text).ok);
    const std::string pasted =
        suggestionText(suggestions, document.type(), "function", 2, "seem_en.xml", strings);
    text.insert(text.find("</seem>"), pasted);
    XmlDocument changed;
    ASSERT_TRUE(changed.loadFromString(text).ok);
    EXPECT_EQ(checkDefinitions(changed).size(), checkDefinitions(original).size());

    const XmlElement type = changed.root().children()[0];
    const FunctionNode tree = FunctionTreeBuilder().build(type, after);
    ASSERT_EQ(tree.children.back().key, "n_21_3");
    EXPECT_TRUE(tree.children.back().on);
    EXPECT_TRUE(
        suggestDefinitions(type, "function", document.grid(), after, strings).elements.empty());
}

TEST_F(CoverageTest, StyleTypesGetARowPerChangedByteAndOthersNothing) {
    open("004a_0001.seem");
    ByteGrid after;
    after.load(document.savedBytes());
    after.writeByte(0x06, 0x5A);
    const DefinitionSuggestions rows =
        suggestDefinitions(document.type(), "style", document.grid(), after, UiStrings());
    ASSERT_EQ(rows.elements.size(), 1u);
    EXPECT_EQ(rows.elements[0].xml,
              R"(<row offset="06" val1="5A" val2="00" ID="Unnamed 06" tip=""/>)");

    open("0a1c_0001.seem");
    EXPECT_FALSE(suggestDefinitions(document.type(), "volume", document.grid(), after, UiStrings())
                     .supported);
}

} // namespace
} // namespace vantrel
