// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/session/Scenario.h"

#include "core/session/EditingSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vantrel;
namespace fs = std::filesystem;

namespace {

const fs::path kScenarios = fs::path(VANTREL_DATA_DIR) / ".." / "tests" / "scenarios";

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ScenarioTest, StepsTakeTheirFieldsAndTheLastRunsToTheEndOfTheLine) {
    const ScenarioParse parse =
        parseScenario("# a comment\n\nswitch on Calls/Call Timer\r\nundo\n");
    ASSERT_FALSE(parse.failure);
    ASSERT_EQ(parse.steps.size(), 2u);
    EXPECT_EQ(parse.steps[0].fields, (std::vector<std::string>{"on", "Calls/Call Timer"}));
    EXPECT_EQ(parse.steps[1].line, 4);

    for (const char* wrong : {"wiggle Keys", "switch on", "undo now", "volume"}) {
        const ScenarioParse refused = parseScenario(std::string("open a.seem\n") + wrong);
        ASSERT_TRUE(refused.failure) << wrong;
        EXPECT_NE(refused.failure->message.find("line 2"), std::string::npos);
    }
}

// The session's own replay is the reference the window, the page and the
// command line are held to.
TEST(ScenarioTest, EveryScenarioGivesTheBytesItExpects) {
    int scenarios = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kScenarios)) {
        if (entry.path().extension() != ".scenario")
            continue;
        ++scenarios;
        LanguageFile language;
        MemorySettingsStore settings;
        EditingSession session(language, settings);
        ASSERT_FALSE(session.loadDefinitions(std::string(VANTREL_DATA_DIR) + "/seem_en.xml"));
        const ScenarioParse parse = parseScenario(readText(entry.path()));
        ASSERT_FALSE(parse.failure) << entry.path();
        const ScenarioRun run =
            runScenario(session, parse.steps, std::string(VANTREL_DATA_DIR) + "/samples/");
        ASSERT_FALSE(run.failure) << entry.path() << ": " << run.failure->message;
        fs::path expected = entry.path();
        expected.replace_extension(".expected");
        const auto bytes = parseScenarioBytes(readText(expected));
        ASSERT_TRUE(bytes) << expected;
        EXPECT_EQ(scenarioBytesText(run.result), scenarioBytesText(*bytes)) << entry.path();
    }
    EXPECT_GE(scenarios, 5);
}

} // namespace
