// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliFixture.h"

#include <filesystem>

namespace vantrel::cli::testing {

namespace {

class FindCommand : public CliFixture {};

TEST_F(FindCommand, AnswersAsGrepDoesFoundNothingOrTrouble) {
    EXPECT_EQ(run({"find", "short tone", sample("0032_0001.seem"), sample("0a1c_0001.seem")}), 0);
    EXPECT_EQ(output, sample("0032_0001.seem") + "\tKeys/Sound\ton\n");
    EXPECT_EQ(run({"find", "--bytes", "a5 ??", sample("0032_0001.seem")}), 0);
    EXPECT_EQ(output, sample("0032_0001.seem") + "\t001A\tA5 00\n");
    EXPECT_EQ(run({"find", "--text", "MOTO", "--utf16", sample("0061_0001.seem")}), 0);
    EXPECT_EQ(output, sample("0061_0001.seem") + "\t0000\t00 4D 00 4F 00 54 00 4F\n");

    EXPECT_EQ(run({"find", "no such setting", sample("0032_0001.seem")}), 1);
    EXPECT_EQ(output, "");
    EXPECT_EQ(run({"find", "--text", "MOTO", sample("0061_0001.seem")}), 1);

    for (const std::vector<std::string>& refused :
         {std::vector<std::string>{"find", "--bytes", "A 50", sample("0032_0001.seem")},
          {"find", "--bytes", "??", sample("0032_0001.seem")},
          {"find", "--text", "café", sample("0032_0001.seem")},
          {"find", "", sample("0032_0001.seem")},
          {"find", "sound"},
          {"find", "--bytes"}}) {
        EXPECT_EQ(run(refused), 2) << refused.back();
        EXPECT_NE(errors, "") << refused.back();
    }
}

TEST_F(FindCommand, AFolderIsSearchedPastAFileThatCannotBeRead) {
    std::filesystem::create_directory(path("backup"));
    std::filesystem::copy_file(sample("0032_0001.seem"), path("backup/0032_0001.seem"));
    write("backup/huge.seem", std::vector<unsigned char>(6000, 0));
    EXPECT_EQ(run({"find", "Keypad", path("backup")}), 2);
    EXPECT_NE(output.find("\tKeys/Keypad Backlight Always On\t"), std::string::npos) << output;
    EXPECT_NE(errors.find("huge.seem"), std::string::npos) << errors;
}

} // namespace

} // namespace vantrel::cli::testing
