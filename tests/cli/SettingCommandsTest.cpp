// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliFixture.h"
#include "core/generators/GprsTextRecord.h"
#include "core/generators/OuterTextRecord.h"

namespace vantrel::cli::testing {

namespace {

using SettingCommands = CliFixture;

TEST_F(SettingCommands, ShowDecodesVolumeColourAndTextFiles) {
    ASSERT_EQ(run({"show", sample("0a1c_0001.seem"), sample("0d51_0001.seem"),
                   sample("0061_0001.seem"), sample("01a8_0001.seem")}),
              0)
        << errors;
    EXPECT_NE(output.find("\nMicrophone = 4 (0..8, default 4)\n"), std::string::npos) << output;
    EXPECT_NE(output.find("\nMenus/Selected Item #3CB4DC 50%\n"), std::string::npos);
    EXPECT_NE(output.find("\ntitle: Ocean\n"), std::string::npos);
    EXPECT_NE(output.find("\ntext: MOTO\n"), std::string::npos);
    EXPECT_NE(output.find("\nmode: text\ntext: Hello\n"), std::string::npos);
}

TEST_F(SettingCommands, VolumeWritesOneByteWithinRangeAndResetWritesDefaults) {
    const auto before = bytes(sample("0a1c_0001.seem"));
    EXPECT_EQ(run({"volume", sample("0a1c_0001.seem"), "Microphone", "9"}), 2);
    EXPECT_EQ(bytes(sample("0a1c_0001.seem")), before);

    ASSERT_EQ(run({"volume", sample("0a1c_0001.seem"), "Microphone:", "8"}), 0) << errors;
    auto after = bytes(sample("0a1c_0001.seem"));
    ASSERT_EQ(differingOffsets(before, after), std::vector<std::size_t>{0x0C});
    EXPECT_EQ(after[0x0C], 8);

    ASSERT_EQ(run({"volume", sample("0a1c_0001.seem"), "--reset"}), 0) << errors;
    after = bytes(sample("0a1c_0001.seem"));
    EXPECT_EQ((std::vector<int>{after[4], after[8], after[12], after[16], after[20]}),
              (std::vector<int>{5, 10, 4, 3, 8}));
}

TEST_F(SettingCommands, AVolumeDefaultAboveItsMaximumIsShownAndWrittenClamped) {
    const std::string definitions = path("defs.xml");
    std::ofstream(definitions) << R"(<seems>
  <seem ID="0a1c_0001" size="24" tip="" type="volume">
    <gain ID="Loud:" tip="" offset="04" default="200" min="0" max="8"/>
  </seem>
</seems>)";
    std::ostringstream shown, reset, err;
    ASSERT_EQ(runCli({"--definitions", definitions, "show", sample("0a1c_0001.seem")}, shown, err),
              0)
        << err.str();
    EXPECT_EQ(shown.str(), "Loud = 6 (0..8, default 8)\n");
    ASSERT_EQ(runCli({"--definitions", definitions, "--json", "volume", sample("0a1c_0001.seem"),
                      "--reset"},
                     reset, err),
              0)
        << err.str();
    EXPECT_NE(reset.str().find(R"([{"setting":"Loud","old":"6","new":"8"}])"), std::string::npos)
        << reset.str();
    EXPECT_EQ(bytes(sample("0a1c_0001.seem"))[4], 8);
}

TEST_F(SettingCommands, ColourAndTitleWriteTheirCellsOnly) {
    const auto before = bytes(sample("0d51_0001.seem"));
    ASSERT_EQ(run({"color", sample("0d51_0001.seem"), "Menus/Menu Text", "#FF8000",
                   "--transparency", "50"}),
              0)
        << errors;
    auto after = bytes(sample("0d51_0001.seem"));
    EXPECT_EQ(differingOffsets(before, after), (std::vector<std::size_t>{0x34, 0x35, 0x36, 0x37}));
    EXPECT_EQ((std::vector<int>{after[0x34], after[0x35], after[0x36], after[0x37]}),
              (std::vector<int>{0xFF, 0x80, 0x00, 0x80}));

    EXPECT_EQ(run({"color", sample("0d51_0001.seem"), "Menus/Menu Text", "#FF8000",
                   "--transparency", "101"}),
              2);
    EXPECT_EQ(run({"title", sample("0d51_0001.seem"), "Sunset"}), 2);
    EXPECT_EQ(bytes(sample("0d51_0001.seem")), after);
    ASSERT_EQ(run({"title", sample("0d51_0001.seem"), "AB"}), 0) << errors;
    const auto titled = bytes(sample("0d51_0001.seem"));
    EXPECT_EQ(std::vector<unsigned char>(titled.begin() + 8, titled.begin() + 18),
              (std::vector<unsigned char>{0, 'A', 0, 'B', 0, 0, 0, 0, 0, 0}));
}

TEST_F(SettingCommands, GeneratorsWriteTheWindowsRecords) {
    ASSERT_EQ(run({"outertext", "  ABC ", "-o", path("outer.seem")}), 0) << errors;
    EXPECT_EQ(bytes(path("outer.seem")), encodeOuterTextRecord(u"ABC"));
    ASSERT_EQ(run({"gprs", "--text", "AB", "-o", path("gprs.seem")}), 0) << errors;
    EXPECT_EQ(bytes(path("gprs.seem")), encodeGprsTextRecord(GprsDisplayMode::CustomText, u"AB"));
    ASSERT_EQ(run({"gprs", "--date", "-o", path("gprs.seem")}), 0);
    EXPECT_EQ(bytes(path("gprs.seem")), std::vector<unsigned char>(26, 0));

    EXPECT_EQ(run({"gprs", "--text", "fourteen units", "--strict", "-o", path("long.seem")}), 2);
    EXPECT_EQ(run({"gprs", "--date", "--nothing", "-o", path("both.seem")}), 1);
    EXPECT_FALSE(std::filesystem::exists(path("long.seem")));
}

TEST_F(SettingCommands, ScanNamesTheFileEachMenuItemOpens) {
    ASSERT_EQ(run({"scan", path("")}), 0) << errors;
    EXPECT_NE(output.find("function\t" + sample("0032_0001.seem") + "\n"), std::string::npos)
        << output;
    EXPECT_NE(output.find("color\t" + sample("0d51_0001.seem") + "\n"), std::string::npos);
    std::filesystem::create_directory(path("nothing-here"));
    ASSERT_EQ(run({"scan", path("nothing-here")}), 0);
    EXPECT_EQ(output, "function\t-\nstyle\t-\noutertext\t-\ngprs\t-\nvolume\t-\ncolor\t-\n");
}

} // namespace

} // namespace vantrel::cli::testing
