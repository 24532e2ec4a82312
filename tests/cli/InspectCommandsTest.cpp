// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliFixture.h"

namespace vantrel::cli::testing {

namespace {

using InspectCommands = CliFixture;

TEST_F(InspectCommands, TypesListsEveryTypeInDocumentOrder) {
    ASSERT_EQ(run({"types"}), 0) << errors;
    EXPECT_EQ(output.substr(0, output.find('\n', output.find('\n') + 1) + 1),
              "0\t0032_0001\t120\tfunction\n1\t004a_0001\t40\tstyle\n");
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 6);
}

TEST_F(InspectCommands, IdentifyMatchesLikeOpeningAndNamesUnknownSizes) {
    write("odd.bin", std::vector<unsigned char>(7, 0));
    write("longer.seem", std::vector<unsigned char>(121, 0));
    ASSERT_EQ(run({"identify", sample("0a1c_0001.seem"), path("longer.seem"), path("odd.bin")}), 0);
    EXPECT_EQ(output, sample("0a1c_0001.seem") + "\t0a1c_0001\tvolume\n" + path("longer.seem") +
                          "\t0032_0001\tfunction\n" + path("odd.bin") + "\t-\tunknown\n");

    ASSERT_EQ(run({"--json", "identify", path("odd.bin")}), 0);
    EXPECT_EQ(output, "[{\"path\":\"" + path("odd.bin") + "\",\"id\":null,\"type\":null}]\n");
}

TEST_F(InspectCommands, ExplainWarnsOfAShadowedType) {
    const std::string definitions = path("defs.xml");
    std::ofstream(definitions) << R"(<seems>
  <seem ID="A" size="10" tip="" type="style"/>
  <seem ID="B" size="11" tip="" type="function"/>
</seems>)";
    write("eleven.seem", std::vector<unsigned char>(11, 0));
    std::ostringstream out, err;
    ASSERT_EQ(runCli({"--definitions", definitions, "identify", "--explain", path("eleven.seem")},
                     out, err),
              0);
    EXPECT_NE(out.str().find("type 0 (A, style, size 10): the file is one byte longer; chosen"),
              std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find("warning: type 1 (B, function, size 11) is shadowed by type 0"),
              std::string::npos);
}

TEST_F(InspectCommands, TypesSkipsAnUnusableTypeAsOpeningDoes) {
    const std::string definitions = path("defs.xml");
    std::ofstream(definitions) << R"(<seems>
  <seem ID="A" size="abc" tip="" type="style"/>
  <seem ID="B" size="4" tip="" type="Style"/>
</seems>)";
    std::ostringstream out, err;
    ASSERT_EQ(runCli({"--definitions", definitions, "types"}, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "1\tB\t4\tstyle\n");
    EXPECT_NE(err.str().find("warning: " + definitions + ": type 0 skipped"), std::string::npos);
}

TEST_F(InspectCommands, DumpShowsSixteenCellsARowAfterTheOffset) {
    ASSERT_EQ(run({"dump", sample("0a1c_0001.seem")}), 0);
    EXPECT_EQ(output, "0000: 00 00 00 00 06 00 00 00 0C 00 00 00 04 00 00 00\n"
                      "0010: 02 00 00 00 09 00 00 00\n");
}

TEST_F(InspectCommands, ShowDecodesFunctionAndStyleFiles) {
    ASSERT_EQ(run({"show", sample("0032_0001.seem")}), 0) << errors;
    EXPECT_EQ(output.rfind("Keys/\n  [on] Sound\n  [off] Keypad Backlight Always On\n", 0), 0u);
    EXPECT_NE(output.find("  [on] Call Timer\n    [on] Show Timer During Calls\n"),
              std::string::npos);
    EXPECT_EQ(output.find("Engineering Mode"), std::string::npos);

    ASSERT_EQ(run({"show", sample("004a_0001.seem"), sample("0032_0001.seem")}), 0);
    EXPECT_EQ(output.rfind(sample("004a_0001.seem") + "\n[x] Power-On Animation\n[ ] ", 0), 0u);
    EXPECT_NE(output.find("[ ] Outer Clock: Analogue\n[x] Outer Clock: Digital\n"),
              std::string::npos);
}

TEST_F(InspectCommands, BadInputExitsTwoAndUsageErrorsOne) {
    write("big.seem", std::vector<unsigned char>(5001, 0));
    EXPECT_EQ(run({"show", path("big.seem")}), 2);
    EXPECT_NE(errors.find(path("big.seem")), std::string::npos);
    EXPECT_EQ(run({"dump", path("missing.seem")}), 2);
    EXPECT_EQ(run({"show", sample("0032_0001.seem"), "--bogus"}), 1);
    EXPECT_EQ(run({"frobnicate"}), 1);
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"--definitions", path("missing.xml"), "types"}, out, err), 2);
    EXPECT_NE(err.str().find(path("missing.xml")), std::string::npos);
}

} // namespace

} // namespace vantrel::cli::testing
