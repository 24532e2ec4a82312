// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/PhoneScreenPreview.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vantrel {
namespace {

TEST(PhoneScreenPreviewTest, PaintsEachRoleFromItsCellsAndLeavesOutUnplacedParts) {
    ByteGrid grid;
    std::vector<std::uint8_t> bytes(0x20, 0);
    bytes[0x00] = 0x20; // background 20 40 60
    bytes[0x01] = 0x40;
    bytes[0x02] = 0x60;
    bytes[0x04] = 0xF0; // softkey-background F0 00 00
    grid.load(bytes);
    XmlDocument doc;
    ASSERT_TRUE(doc.loadFromString(R"(<seem><g ID="G">
        <c ID="Back" offset="0" role="background"/><c ID="Keys" offset="4" role="softkey-background"/>
        <c ID="Unplaced" offset="8"/></g></seem>)")
                    .ok);
    PhoneScreenPreview preview(grid);
    preview.resize(64, 80);
    preview.setScheme(buildColorTree(doc.root(), grid));

    const auto pixel = [&](int x, int y) { return preview.grab().toImage().pixelColor(x, y); };
    EXPECT_EQ(pixel(10, 40), QColor(0x20, 0x40, 0x60)); // the main screen, nothing over it
    EXPECT_EQ(pixel(2, 78), QColor(0xF0, 0x00, 0x00));  // the soft key bar
    EXPECT_EQ(pixel(2, 4), QColor(0x20, 0x40, 0x60));   // no title role: background shows

    grid.writeByte(0x01, 0x80);
    EXPECT_EQ(pixel(10, 40), QColor(0x20, 0x80, 0x60));

    preview.setScheme(ColorTree{});
    EXPECT_NE(pixel(10, 40), QColor(0x20, 0x80, 0x60));
}

} // namespace
} // namespace vantrel
