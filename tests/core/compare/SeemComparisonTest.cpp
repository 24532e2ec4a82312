// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/compare/SeemComparison.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr const char* kDefinitions = R"(<seems>
  <seem ID="f" size="64" tip="Functions" type="function">
    <folder ID="Keys">
      <item ID="Sound" offset="1A" bit="0"/>
      <item ID="Backlight" offset="1A" bit="1"/>
    </folder>
    <item ID="Timer" offset="20" bit="0"><item ID="Beep" offset="20" bit="1"/></item>
  </seem>
  <seem ID="s" size="16" tip="Styles" type="style">
    <i ID="Clock: Analogue" offset="4" val1="01" val2="00"/>
    <i ID="Clock: Digital" offset="4" val1="02" val2="00"/>
  </seem>
  <seem ID="v" size="24" tip="Volumes" type="volume">
    <i ID="Microphone:" offset="3" min="0" max="15" default="4"/>
  </seem>
  <seem ID="c" size="40" tip="Colours" type="Color">
    <g ID="Menus"><e ID="Menu Text" offset="20"/></g>
  </seem>
</seems>)";

class SeemComparisonTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(definitions.loadFromString(kDefinitions).ok); }

    XmlElement type(const std::string& id) const {
        for (XmlElement seem : definitions.root().children()) {
            if (seem.attribute("ID") == id)
                return seem;
        }
        return {};
    }

    SeemComparison compare(const std::string& id, const Bytes& first, const Bytes& second,
                           const std::string& secondId = "") {
        ours.load(first);
        theirs.load(second);
        const XmlElement oursType = type(id);
        const XmlElement theirsType = type(secondId.empty() ? id : secondId);
        const auto typeName = [](const XmlElement& element) {
            std::string name = element.attribute("type").value_or("");
            for (char& c : name)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            return name;
        };
        return compareSeemFiles({oursType, typeName(oursType), ours},
                                {theirsType, typeName(theirsType), theirs}, UiStrings());
    }

    static std::vector<std::string> lines(const SeemComparison& comparison) {
        std::vector<std::string> result;
        for (const SettingDifference& difference : comparison.differences)
            result.push_back(differenceLine(difference));
        return result;
    }

    XmlDocument definitions;
    ByteGrid ours;
    ByteGrid theirs;
};

TEST_F(SeemComparisonTest, OneSwitchDiffersByItsPathAndTakingItChangesOnlyItsBit) {
    Bytes first(64, 0);
    first[0x1A] = 0x01; // Sound on, Backlight off
    Bytes second = first;
    second[0x1A] = 0x00;
    second[0x20] = 0x02; // Timer/Beep on
    const SeemComparison comparison = compare("f", first, second);
    ASSERT_TRUE(comparison.bySettings);
    ASSERT_EQ(lines(comparison),
              (std::vector<std::string>{"Keys/Sound: on → off", "Timer/Beep: off → on"}));
    const SettingDifference& sound = comparison.differences[0];
    EXPECT_EQ(sound.key, "n_1A_0");
    EXPECT_EQ(sound.firstCell, 0x1A);

    ours.writeByte(0x1A, 0xF3); // other bits of the byte, described or not, stay
    takeOtherValue(ours, sound);
    EXPECT_EQ(ours.text(0x1A), "F2");
}

TEST_F(SeemComparisonTest, StyleVolumeAndColourPairsGiveOneDifferenceEach) {
    Bytes style(16, 0);
    style[4] = 0x01;
    Bytes otherStyle = style;
    otherStyle[4] = 0x02;
    EXPECT_EQ(lines(compare("s", style, otherStyle)),
              (std::vector<std::string>{"Clock: Analogue: on → off", "Clock: Digital: off → on"}));
    // A byte that ticks no row differently is still shown once, with its bytes.
    otherStyle[4] = 0x07;
    style[4] = 0x05;
    EXPECT_EQ(lines(compare("s", style, otherStyle)),
              (std::vector<std::string>{"Clock: Analogue: off (05) → off (07)"}));

    Bytes volume(24, 0);
    volume[3] = 12;
    Bytes otherVolume = volume;
    otherVolume[3] = 13;
    EXPECT_EQ(lines(compare("v", volume, otherVolume)),
              (std::vector<std::string>{"Microphone: 12 → 13"}));

    Bytes color(40, 0);
    color[0x20] = 0xFF;
    Bytes otherColor = color;
    otherColor[0x20] = 0x00;
    otherColor[0x22] = 0xFF;
    const SeemComparison colors = compare("c", color, otherColor);
    ASSERT_EQ(lines(colors), (std::vector<std::string>{"Menus/Menu Text: #FF0000 → #0000FF"}));
    EXPECT_EQ(colors.differences[0].key, "c_20");
    otherColor = color;
    otherColor[0x23] = 0x80;
    otherColor[9] = 'A'; // the title
    EXPECT_EQ(lines(compare("c", color, otherColor)),
              (std::vector<std::string>{R"(Title: "" → "A")",
                                        "Menus/Menu Text: #FF0000 0% → #FF0000 50%"}));
}

TEST_F(SeemComparisonTest, BytesNoSettingDescribesAreReportedAsARange) {
    Bytes first(64, 0);
    Bytes second = first;
    for (int i = 0x30; i <= 0x33; ++i)
        second[static_cast<std::size_t>(i)] = 0x11;
    second[0x1A] = 0x80; // an undescribed bit in a switch byte
    const SeemComparison comparison = compare("f", first, second);
    ASSERT_EQ(lines(comparison),
              (std::vector<std::string>{
                  "byte 0x1A differs, not described by the definitions: 00 → 80",
                  "bytes 0x30–0x33 differ, not described by the definitions: 00 00 00 00 → "
                  "11 11 11 11"}));
    takeOtherValue(ours, comparison.differences[1]);
    Bytes expected = second;
    expected[0x1A] = 0x00;
    EXPECT_EQ(ours.bytes(), expected);
}

TEST_F(SeemComparisonTest, OtherTypesOrSizesAreComparedAsBytesWithTheReason) {
    const SeemComparison types = compare("s", Bytes(16, 0), Bytes(24, 0), "v");
    EXPECT_FALSE(types.bySettings);
    EXPECT_EQ(types.reason, "The files are of different seem types (s (style) and v (volume)), so "
                            "they are compared byte by byte.");
    ASSERT_EQ(lines(types),
              (std::vector<std::string>{"bytes 0x10–0x17: - → 00 00 00 00 00 00 00 00"}));
    EXPECT_TRUE(types.differences[0].take.empty());

    // 16 and 17 bytes both fit the style type of size 16.
    const SeemComparison sizes = compare("s", Bytes(16, 0), Bytes(17, 1));
    EXPECT_FALSE(sizes.bySettings);
    EXPECT_EQ(sizes.reason, "The files differ in size (16 and 17 bytes), so they are compared "
                            "byte by byte.");
    EXPECT_EQ(sizes.differences.size(), 2u); // the common bytes, then the one beyond
}

TEST_F(SeemComparisonTest, IdenticalFilesGiveNoDifference) {
    Bytes bytes(64, 0);
    bytes[0x1A] = 0x5A;
    EXPECT_TRUE(compare("f", bytes, bytes).equal());
    EXPECT_TRUE(compare("nothing", Bytes(7, 3), Bytes(7, 3)).equal());
}

} // namespace
} // namespace vantrel
