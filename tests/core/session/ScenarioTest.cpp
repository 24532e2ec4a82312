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

ScenarioRun playText(const std::string& text) {
    LanguageFile language;
    MemorySettingsStore settings;
    EditingSession session(language, settings);
    EXPECT_FALSE(session.loadDefinitions(std::string(VANTREL_DATA_DIR) + "/seem_en.xml"));
    const ScenarioParse parse = parseScenario(text);
    EXPECT_FALSE(parse.failure) << text;
    return runScenario(session, parse.steps, std::string(VANTREL_DATA_DIR) + "/samples/");
}

// A step is refused what the commands refuse, so that no face takes a step
// another refuses, and nothing is saved after it.
TEST(ScenarioTest, StepsAreRefusedWhatTheCommandsRefuseWithTheirLine) {
    const std::string colors = "open 0d51_0001.seem\n";
    const std::pair<std::string, std::string> refused[] = {
        {"cell 00 7F\nsave\n", "line 1 (cell): no file is open"},
        {"# first\nundo\nopen 0032_0001.seem\nsave\n", "line 2 (undo): no file is open"},
        {"open 0061_0001.seem\nsave\n", "line 2 (save): no file is open"},
        {colors + "transparency 999 Main Screen/Background\nsave\n",
         "line 2 (transparency): the transparency must be a percentage from 0 to 100, not 999"},
        {colors + "transparency abc Main Screen/Background\nsave\n",
         "line 2 (transparency): the transparency must be a percentage from 0 to 100, not abc"},
        {colors + "cell 00 GZ\nsave\n", "line 2 (cell): a cell takes two hex digits, not GZ"},
        {colors + "cell 00 7\nsave\n", "line 2 (cell): a cell takes two hex digits, not 7"},
        {"open ../samples/0032_0001.seem\nsave\n",
         "line 1 (open): a scenario opens a sample by its name alone, not ../samples/"},
        {"open /etc/passwd\nsave\n",
         "line 1 (open): a scenario opens a sample by its name alone, not /etc/passwd"},
        {"open ..\nsave\n", "line 1 (open): a scenario opens a sample by its name alone"},
    };
    for (const auto& [text, message] : refused) {
        const ScenarioRun run = playText(text);
        ASSERT_TRUE(run.failure) << text;
        EXPECT_EQ(run.failure->message.rfind(message, 0), 0u) << run.failure->message;
        EXPECT_TRUE(run.result.empty()) << text;
    }
}

// A text the phone would not show whole is generated cut, and said to be.
TEST(ScenarioTest, ATextCutToItsRecordIsWarnedOfWithItsLine) {
    const ScenarioRun gprs = playText("# long\ngprs-text " + std::string(500000, 'x') + "\n");
    ASSERT_FALSE(gprs.failure);
    EXPECT_EQ(gprs.warnings, std::vector<std::string>{
                                 "line 2 (gprs-text): the text does not fit and was cut to \"" +
                                 std::string(kGprsTextUnits, 'x') + "\" (13 UTF-16 units)"});
    EXPECT_FALSE(gprs.result.empty());
    const ScenarioRun outer = playText("outertext MOTO V3 and more\n");
    ASSERT_EQ(outer.warnings.size(), 1u);
    EXPECT_EQ(outer.warnings[0].rfind("line 1 (outertext): the text does not fit", 0), 0u);
    EXPECT_TRUE(playText("gprs-text " + std::string(kGprsTextUnits, 'x')).warnings.empty());
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

// find chooses a setting as the find bar does, and toggle acts on it.
TEST(ScenarioTest, FindChoosesTheFirstMatchForTheStepAfterIt) {
    LanguageFile language;
    MemorySettingsStore settings;
    EditingSession session(language, settings);
    ASSERT_FALSE(session.loadDefinitions(std::string(VANTREL_DATA_DIR) + "/seem_en.xml"));
    const std::string samples = std::string(VANTREL_DATA_DIR) + "/samples/";
    const ScenarioParse parse = parseScenario("open 0032_0001.seem\nfind key sound\nfind SOUND\n"
                                              "toggle\nsave\n");
    ASSERT_FALSE(parse.failure);
    const ScenarioRun missing = runScenario(session, parse.steps, samples);
    ASSERT_TRUE(missing.failure);
    EXPECT_NE(missing.failure->message.find("line 2 (find)"), std::string::npos);

    const std::vector<ScenarioStep> steps = {parse.steps[0], parse.steps[2], parse.steps[3],
                                             parse.steps[4]};
    const ScenarioRun run = runScenario(session, steps, samples);
    ASSERT_FALSE(run.failure) << run.failure->message;
    EXPECT_EQ(run.result.at(0x1A), 0xA4); // Keys/Sound was on

    const ScenarioRun toggleFirst =
        runScenario(session, parseScenario("open 004a_0001.seem\ntoggle\n").steps, samples);
    EXPECT_TRUE(toggleFirst.failure);
}

} // namespace
