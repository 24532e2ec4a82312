// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliFixture.h"

namespace vantrel::cli::testing {

namespace {

using CoverageCommand = CliFixture;

TEST_F(CoverageCommand, PrintsEveryByteWithItsDescribedBits) {
    ASSERT_EQ(run({"coverage", sample("0032_0001.seem")}), 0) << errors;
    EXPECT_NE(output.find(": 0032_0001 (function), 35 of 960 bits described\n"), std::string::npos)
        << output;
    EXPECT_NE(output.find("\n0021  ...#.###  bit 0: Calls/Any-Key Answer,"), std::string::npos)
        << output;

    ASSERT_EQ(run({"--json", "coverage", sample("004a_0001.seem")}), 0) << errors;
    EXPECT_NE(
        output.find(
            R"({"name":"Outer Clock: Analogue","offset":12,"length":1,"bits":255,"line":64})"),
        std::string::npos)
        << output;
    EXPECT_NE(output.find(R"("overlaps":[[3,4]])"), std::string::npos) << output;
    EXPECT_EQ(run({"coverage"}), 1);
}

TEST_F(CoverageCommand, DiffSuggestsASwitchForAnUndescribedBit) {
    auto after = bytes(sample("0032_0001.seem"));
    after[0x21] ^= 0x08;
    write("after.seem", after);
    ASSERT_EQ(run({"diff", "--suggest", sample("0032_0001.seem"), path("after.seem")}), 0)
        << errors;
    EXPECT_EQ(output, "<!-- Paste inside the seem type 0032_0001 (line 2 of seem_en.xml) -->\n"
                      "<item ID=\"Unnamed 21 bit 3\" offset=\"21\" bit=\"3\" tip=\"\"/>\n");
    EXPECT_EQ(run({"diff", "--suggest", sample("0032_0001.seem"), sample("004a_0001.seem")}), 2);
}

} // namespace

} // namespace vantrel::cli::testing
