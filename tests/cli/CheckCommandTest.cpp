// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliFixture.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"

namespace vantrel::cli::testing {

namespace {

using CheckCommand = CliFixture;

TEST_F(CheckCommand, BundledDataIsClean) {
    EXPECT_EQ(run({"check"}), 0) << output;
    EXPECT_EQ(output, "");
}

TEST_F(CheckCommand, ReportsEachPlantedFaultAtItsLineAndColumn) {
    const std::string definitions = path("broken.xml");
    std::ofstream(definitions) << R"(<seems>
  <seem ID="F" size="40" tip="t" type="function">
    <item ID="A" offset="1A" bit="0"/>
    <item ID="B" offset="1A" bit="0"/>
    <item ID="C" offset="ZZ" bit="1"/>
    <item ID="D" offset="50" bit="1"/>
    <item offset="2" bit="9"/>
  </seem>
  <seem ID="S" size="41" tip="t" type="style">
    <row offset="04" val1="1" val2="GG" ID="x"/>
  </seem>
  <seem ID="N" tip="t" type="gprs"/>
  <seem ID="V" size="24" tip="t" type="volume">
    <gain ID="g" offset="04" default="5" min="0" max="300"/>
  </seem>
  <seem ID="C" size="200" tip="t" type="color">
    <group ID="G"><colour ID="c" offset="C6"/></group>
  </seem>
</seems>)";
    ASSERT_EQ(run({"check", definitions}), 2);
    const std::string at = definitions + ":";
    EXPECT_EQ(
        output,
        at + "4:5: error: offset 1A bit 0 is listed twice; left out with everything below it\n" +
            at +
            "5:5: error: offset \"ZZ\" is not hexadecimal; left out with everything below it\n" +
            at +
            "6:5: error: offset 50 lies beyond the last byte (27); left out with everything "
            "below it\n" +
            at + "7:5: error: no \"ID\"; left out with everything below it\n" + at +
            "9:3: warning: shadowed by type 0 (F): files of 41 bytes open as that type\n" + at +
            "10:5: error: \"val1\" and \"val2\" must each be one byte in hexadecimal; the style "
            "list stops here\n" +
            at + "12:3: error: a seem type needs the attributes ID, size, tip and type\n" + at +
            "14:5: error: the range 0..300 does not fit one byte; the volume editor stops here\n" +
            at + "17:19: error: the four bytes at offset C6 run past the last byte; left out\n");
}

TEST_F(CheckCommand, JsonCountsErrorsAndWarningsApart) {
    std::ofstream(path("two.xml")) << R"(<seems>
  <seem ID="F" size="40" tip="t" type="function"><item ID="A" offset="ZZ" bit="0"/></seem>
  <seem ID="G" size="41" tip="t" type="function"/>
</seems>)";
    ASSERT_EQ(run({"--json", "check", path("two.xml")}), 2);
    EXPECT_NE(output.find(R"("errors":1,"warnings":1)"), std::string::npos) << output;
}

TEST_F(CheckCommand, ALanguageWithoutItsDefinitionsAndMalformedXmlAreFindings) {
    const std::string folder = path("");
    std::ofstream(path("language.xml")) << "<languages>\n"
                                           "  <language id=\"0\" value=\"409\" text=\"English\" "
                                           "function=\"gone.xml\"/>\n</languages>";
    std::ofstream(path("gone-too.xml")) << "<seems><seem";
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"--data-dir", folder, "check"}, out, err), 2);
    EXPECT_NE(
        out.str().find(path("language.xml") + ":2:3: error: its definitions document gone.xml"),
        std::string::npos)
        << out.str() << err.str();
    EXPECT_EQ(runCli({"check", path("gone-too.xml")}, out, err), 2);
    EXPECT_NE(out.str().find(path("gone-too.xml") + ":1:0: error: "), std::string::npos);
}

TEST_F(CheckCommand, ALanguageNamingNoDefinitionsIsToldInTheEditorsWords) {
    std::ofstream(path("language.xml")) << "<languages>\n"
                                           "  <language id=\"0\" value=\"409\" text=\"English\" "
                                           "function=\"\"/>\n</languages>";
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"--data-dir", path(""), "types"}, out, err), 2);
    EXPECT_NE(err.str().find(UiStrings().format(UiString::LanguageUnusable, {"0"})),
              std::string::npos)
        << err.str();
    EXPECT_EQ(err.str().find("not a file"), std::string::npos) << err.str();
}

} // namespace

} // namespace vantrel::cli::testing
