// SPDX-License-Identifier: GPL-3.0-or-later
// The scenarios replayed by the built tool, as CI holds the window and the
// page to the same bytes.
#include "CliFixture.h"
#include "core/session/Scenario.h"

#include <cstdio>

namespace vantrel::cli::testing {

namespace {

namespace fs = std::filesystem;

struct Played {
    int status = -1;
    std::string output; // standard output and error
};

Played play(const std::string& scenario, const std::string& output) {
    const std::string command = std::string("'") + VANTREL_CLI_PATH + "' --data-dir '" +
                                VANTREL_DATA_DIR + "' --lang 0 play '" + scenario + "' -o '" +
                                output + "' 2>&1";
    Played played;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return played;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        played.output.append(buffer, n);
    const int status = ::pclose(pipe);
    played.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return played;
}

std::string text(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using Play = CliFixture;

TEST_F(Play, EveryScenarioGivesTheBytesItExpects) {
    int scenarios = 0;
    for (const auto& entry :
         fs::recursive_directory_iterator(fs::path(VANTREL_SOURCE_DIR) / "tests" / "scenarios")) {
        if (entry.path().extension() != ".scenario")
            continue;
        ++scenarios;
        fs::path expected = entry.path();
        expected.replace_extension(".expected");
        const auto bytesExpected = parseScenarioBytes(text(expected));
        ASSERT_TRUE(bytesExpected) << expected;
        const Played played = play(entry.path().string(), path("result.seem"));
        ASSERT_EQ(played.status, 0) << entry.path() << ": " << played.output;
        const auto result = bytes(path("result.seem"));
        EXPECT_EQ(scenarioBytesText({result.begin(), result.end()}),
                  scenarioBytesText(*bytesExpected))
            << entry.path();
    }
    EXPECT_GE(scenarios, 5);
}

TEST_F(Play, AScenarioThatCannotBePlayedNamesItsFileAndLineAndWritesNothing) {
    const std::string open = "open 0032_0001.seem\n";
    const std::pair<std::string, std::string> refused[] = {
        {"", "missing.scenario: "},
        {open + "# a comment\nwiggle Keys/Sound\nsave\n", "bad.scenario: line 3: not a step"},
        {open + "switch off Keys/Nothing\nsave\n", "bad.scenario: line 2 (switch): no single"},
        {"open 0a1c_0001.seem\nvolume 99 Microphone\nsave\n",
         "bad.scenario: line 2 (volume): the value must lie in 0..8"},
        {"open nothing.seem\nsave\n", "bad.scenario: line 1 (open): "},
        {open + "switch off Keys/Sound\n", "bad.scenario: no step saves"},
    };
    for (const auto& [scenario, message] : refused) {
        const std::string name = scenario.empty() ? "missing.scenario" : "bad.scenario";
        if (!scenario.empty())
            write(name, {scenario.begin(), scenario.end()});
        const Played played = play(path(name), path("result.seem"));
        EXPECT_EQ(played.status, 2) << scenario;
        EXPECT_NE(played.output.find(message), std::string::npos) << played.output;
        EXPECT_FALSE(fs::exists(path("result.seem"))) << scenario;
    }
}

} // namespace

} // namespace vantrel::cli::testing
