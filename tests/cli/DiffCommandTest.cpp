// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliFixture.h"

namespace vantrel::cli::testing {

namespace {

using DiffCommand = CliFixture;

TEST_F(DiffCommand, ExitStatusTellsSameDifferentAndBadInput) {
    const std::string original = sample("0032_0001.seem");
    EXPECT_EQ(run({"diff", original, original}), 0) << errors;
    EXPECT_EQ(output, "");

    auto edited = bytes(original);
    edited[0x1A] ^= 0x01; // Keys/Sound
    write("edited.seem", edited);
    EXPECT_EQ(run({"diff", original, path("edited.seem")}), 1) << errors;
    EXPECT_EQ(output, "Keys/Sound: on → off\n");

    EXPECT_EQ(run({"diff", original, path("missing.seem")}), 2);
    EXPECT_NE(errors.find("missing.seem"), std::string::npos) << errors;
    EXPECT_EQ(run({"diff", original}), 2);
}

TEST_F(DiffCommand, FilesOfOtherTypesAreComparedAsBytesAndSaySo) {
    ASSERT_EQ(run({"--json", "diff", sample("0061_0001.seem"), sample("01a8_0001.seem")}), 1);
    EXPECT_NE(output.find(R"("by":"bytes","reason":"The files are of different seem types)"),
              std::string::npos)
        << output;
    EXPECT_NE(output.find(R"({"kind":"bytes","name":"bytes 0x1A–0x21")"), std::string::npos)
        << output;
}

} // namespace

} // namespace vantrel::cli::testing
