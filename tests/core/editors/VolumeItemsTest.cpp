// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editors/VolumeItems.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace vantrel {
namespace {

class VolumeItemsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<std::uint8_t> bytes(0x20, 0);
        bytes[0x04] = 6;
        bytes[0x1A] = 0x0C;
        bytes[0x1B] = 0x40;
        grid.load(bytes);
    }

    VolumeItems build(const std::string& xml) {
        EXPECT_TRUE(doc.loadFromString(xml).ok) << xml;
        return buildVolumeItems(doc.root(), grid);
    }

    XmlDocument doc;
    ByteGrid grid;
};

TEST_F(VolumeItemsTest, RowsFollowDocumentOrderAndTheirBytes) {
    const VolumeItems result = build(R"(<seem type="volume">
        <gain ID="Microphone:" tip="recording level" offset="1A" default="5" min="0" max="15"/>
        <gain ID="System:" offset="04" default="5" min="0" max="8"/>
    </seem>)");
    ASSERT_TRUE(result.complete);
    ASSERT_EQ(result.items.size(), 2u);
    const VolumeItem& mic = result.items[0];
    EXPECT_EQ(mic.caption, "Microphone:");
    EXPECT_EQ(mic.tip, "recording level");
    EXPECT_EQ(mic.offset, 0x1A);
    EXPECT_EQ(mic.position, 12);
    EXPECT_EQ(mic.bindingTag(), "26_5");
    EXPECT_EQ(result.items[1].position, 6);
}

TEST_F(VolumeItemsTest, SliderWritesTwoDigitsAndResetWritesEveryCell) {
    VolumeItems result = build(R"(<seem>
        <gain ID="A" offset="1A" default="5" min="0" max="15"/>
        <gain ID="B" offset="04" default="6" min="0" max="8"/>
    </seem>)");
    ASSERT_EQ(result.items.size(), 2u);
    VolumeItem& first = result.items[0];
    writeVolume(grid, first, 13);
    EXPECT_EQ(grid.text(0x1A), "0D");
    EXPECT_EQ(grid.bytes()[0x1A], 0x0D);
    writeVolume(grid, first, 0);
    EXPECT_EQ(grid.text(0x1A), "00");
    writeVolume(grid, first, 9);
    EXPECT_EQ(grid.text(0x1A), "09");

    std::vector<int> written;
    const ListenerConnection listening =
        grid.addListener([&written](int index) { written.push_back(index); });
    resetVolumes(grid, result.items);
    EXPECT_EQ(grid.text(0x1A), "05");
    EXPECT_EQ(grid.text(0x04), "06");
    EXPECT_EQ(result.items[0].position, 5);
    // The second cell already held its default and is written all the same.
    EXPECT_EQ(written, (std::vector<int>{0x1A, 0x04}));
}

TEST_F(VolumeItemsTest, OutOfRangeByteAndDefaultAreClampedWithoutWriting) {
    VolumeItems result = build(R"(<seem>
        <gain ID="A" offset="1B" default="20" min="2" max="15"/>
        <gain ID="B" offset="04" default="0" min="8" max="10"/>
    </seem>)");
    ASSERT_EQ(result.items.size(), 2u);
    EXPECT_EQ(result.items[0].position, 15);
    EXPECT_EQ(result.items[1].position, 8);
    EXPECT_EQ(grid.text(0x1B), "40");
    EXPECT_EQ(grid.text(0x04), "06");
    EXPECT_EQ(storedOutsideRange(result.items[0], grid), 0x40);
    EXPECT_EQ(storedOutsideRange(result.items[1], grid), 6);

    resetVolumes(grid, result.items);
    EXPECT_EQ(grid.text(0x1B), "0F");
    EXPECT_EQ(grid.text(0x04), "08");
    EXPECT_FALSE(storedOutsideRange(result.items[0], grid));
}

TEST_F(VolumeItemsTest, TheRangesOwnBoundsAreInsideIt) {
    VolumeItems result =
        build(R"(<seem><gain ID="A" offset="04" default="5" min="3" max="9"/></seem>)");
    ASSERT_EQ(result.items.size(), 1u);
    VolumeItem& item = result.items[0];
    for (const auto& [byte, outside, text] :
         {std::tuple{2, true, "2 (below min 3)"}, std::tuple{3, false, "3"},
          std::tuple{9, false, "9"}, std::tuple{10, true, "10 (above max 9)"}}) {
        grid.writeByte(0x04, static_cast<std::uint8_t>(byte));
        item.storedByte = byte;
        EXPECT_EQ(storedOutsideRange(item, grid).has_value(), outside) << byte;
        EXPECT_EQ(storedValueText(item), text);
    }
}

TEST_F(VolumeItemsTest, StopsAtTheFirstItemThatCannotBeARow) {
    const char* const badItems[] = {
        R"(<g ID="no offset" default="1" min="0" max="8"/>)",
        R"(<g ID="beyond the file" offset="20" default="1" min="0" max="8"/>)",
        R"(<g ID="not hex" offset="1G" default="1" min="0" max="8"/>)",
        R"(<g ID="no max" offset="04" default="1" min="0"/>)",
        R"(<g ID="min not a number" offset="04" default="1" min="x" max="8"/>)",
        R"(<g ID="default not a number" offset="04" default="" min="0" max="8"/>)",
        R"(<g ID="past a byte" offset="04" default="1" min="0" max="256"/>)",
        R"(<g ID="upside down" offset="04" default="1" min="9" max="8"/>)",
    };
    for (const char* bad : badItems) {
        const VolumeItems result =
            build(std::string(R"(<seem><g ID="ok" offset="1A" default="1" min="0" max="15"/>)") +
                  bad + R"(<g ID="after" offset="04" default="1" min="0" max="8"/></seem>)");
        EXPECT_FALSE(result.complete) << bad;
        ASSERT_EQ(result.items.size(), 1u) << bad;
        EXPECT_EQ(result.items[0].caption, "ok");
    }
}

TEST_F(VolumeItemsTest, SixItemsFillFiveRowsAndAreReported) {
    std::string xml = "<seem>";
    for (int i = 0; i < 6; ++i)
        xml += R"(<g ID="row" offset=")" + std::to_string(i) + R"(" default="1" min="0" max="8"/>)";
    const VolumeItems result = build(xml + "</seem>");
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.items.size(), 5u);
}

TEST_F(VolumeItemsTest, PositionFollowsTheCellAndKeepsItsPlaceOnForeignText) {
    VolumeItems result =
        build(R"(<seem><g ID="A" offset="1A" default="1" min="0" max="15"/></seem>)");
    ASSERT_EQ(result.items.size(), 1u);
    VolumeItem& item = result.items[0];
    grid.setText(0x1A, "3");
    EXPECT_EQ(positionFromGrid(item, grid), 3);
    grid.setText(0x1A, "FF");
    EXPECT_EQ(positionFromGrid(item, grid), 15);
    grid.setText(0x1A, "zz");
    EXPECT_EQ(positionFromGrid(item, grid), 12);
}

} // namespace
} // namespace vantrel
