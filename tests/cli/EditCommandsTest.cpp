// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliFixture.h"

namespace vantrel::cli::testing {

namespace {

using EditCommands = CliFixture;

TEST_F(EditCommands, SwitchChangesExactlyItsBitInPlace) {
    const auto before = bytes(sample("0032_0001.seem"));
    ASSERT_EQ(run({"switch", sample("0032_0001.seem"), "Keys/Sound", "off"}), 0) << errors;
    const auto after = bytes(sample("0032_0001.seem"));
    ASSERT_EQ(differingOffsets(before, after), std::vector<std::size_t>{0x1A});
    EXPECT_EQ(after[0x1A], 0xA4);
}

TEST_F(EditCommands, StyleWritesToTheOutputAndLeavesTheInput) {
    const auto before = bytes(sample("004a_0001.seem"));
    ASSERT_EQ(run({"style", sample("004a_0001.seem"), "Outer Clock: Analogue", "on", "-o",
                   path("out.seem")}),
              0)
        << errors;
    EXPECT_EQ(bytes(sample("004a_0001.seem")), before);
    const auto written = bytes(path("out.seem"));
    ASSERT_EQ(differingOffsets(before, written), std::vector<std::size_t>{0x0C});
    EXPECT_EQ(written[0x0C], 0x01);
}

TEST_F(EditCommands, RefusedEditsLeaveTheFileByteIdentical) {
    const auto function = bytes(sample("0032_0001.seem"));
    EXPECT_EQ(run({"switch", sample("0032_0001.seem"), "Keys/Nothing", "on"}), 2);
    EXPECT_EQ(run({"switch", sample("0032_0001.seem"), "Keys", "on"}), 2);
    EXPECT_EQ(run({"switch", sample("0032_0001.seem"), "Keys/Sound", "maybe"}), 1);
    EXPECT_EQ(run({"style", sample("0032_0001.seem"), "Screen Saver", "on"}), 2);
    EXPECT_NE(errors.find("a function file"), std::string::npos) << errors;
    EXPECT_EQ(bytes(sample("0032_0001.seem")), function);
}

} // namespace

} // namespace vantrel::cli::testing
