// SPDX-License-Identifier: GPL-3.0-or-later
// The built program itself, as a shell script would run it.
#include "CliFixture.h"
#include "core/ProjectInfo.h"

#include <cstdio>

namespace vantrel::cli::testing {

namespace {

struct BinaryRun {
    int status = -1;
    std::string output;
};

BinaryRun runBinary(const std::string& arguments) {
    BinaryRun ran;
    const std::string command = std::string("'") + VANTREL_CLI_PATH + "' " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return ran;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        ran.output.append(buffer, n);
    const int status = ::pclose(pipe);
    ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return ran;
}

using Binary = CliFixture;

TEST_F(Binary, VersionHelpAndUsageErrors) {
    EXPECT_EQ(runBinary("--version").output, "vantrel-cli " + std::string(kProjectVersion) + "\n");
    const BinaryRun help = runBinary("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("switch FILE PATH on|off"), std::string::npos);
    EXPECT_EQ(runBinary("").status, 1);
}

TEST_F(Binary, AnEditChangesExactlyTheExpectedBytes) {
    const std::string original = sample("0032_0001.seem");
    const std::string edited = path("edited.seem");
    const BinaryRun ran =
        runBinary("--data-dir '" + std::string(VANTREL_DATA_DIR) + "' --lang 0 switch '" +
                  original + "' 'Calls/Call Timer/Minute Beep' on -o '" + edited + "'");
    ASSERT_EQ(ran.status, 0) << ran.output;
    // cmp -l lists every differing byte: offset (1-based, decimal), old and new in octal.
    const BinaryRun compared = {0, ""};
    FILE* cmp = ::popen(("cmp -l '" + original + "' '" + edited + "'").c_str(), "r");
    ASSERT_NE(cmp, nullptr);
    char line[256];
    std::string lines;
    while (std::fgets(line, sizeof line, cmp) != nullptr)
        lines += line;
    ::pclose(cmp);
    (void)compared;
    EXPECT_EQ(lines, " 33   3   7\n"); // 0x20: 03 -> 07
}

} // namespace

} // namespace vantrel::cli::testing
