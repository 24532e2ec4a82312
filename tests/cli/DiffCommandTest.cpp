// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliFixture.h"

#include <cstdlib>
#include <regex>

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

TEST_F(DiffCommand, ARunOfUndescribedBytesIsGivenWithItsWholeLength) {
    auto edited = bytes(sample("0032_0001.seem"));
    for (std::size_t offset = 100; offset < 104; ++offset)
        edited[offset] ^= 0x5A;
    write("edited.seem", edited);
    ASSERT_EQ(run({"--json", "diff", sample("0032_0001.seem"), path("edited.seem")}), 1);
    EXPECT_NE(output.find(R"("offset":100,"length":4})"), std::string::npos) << output;
}

// The language comes from the locale's variables, modifiers and all.
TEST_F(DiffCommand, ALocaleWithAModifierPicksItsLanguage) {
    const std::string data = std::string(VANTREL_DATA_DIR) + "/";
    std::ifstream in(data + "language.xml");
    std::string languages(std::istreambuf_iterator<char>(in), {});
    languages = std::regex_replace(languages, std::regex(R"(value="804")"), R"(value="407")");
    languages = std::regex_replace(languages, std::regex("seem_zh.xml"), "seem_de.xml");
    write("language.xml", {languages.begin(), languages.end()});
    std::ifstream en(data + "seem_en.xml");
    std::string german(std::istreambuf_iterator<char>(en), {});
    german = std::regex_replace(german, std::regex(R"(ID="0032_0001")"), R"(ID="deutsch")");
    write("seem_de.xml", {german.begin(), german.end()});
    for (const char* name : {"LC_ALL", "LC_MESSAGES"})
        ::unsetenv(name);
    const char* lang = std::getenv("LANG");
    const std::string savedLang = lang != nullptr ? lang : "";
    ::setenv("LANG", "de_DE@euro", 1);
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"--data-dir", path(""), "types"}, out, err), 0) << err.str();
    EXPECT_NE(out.str().find("deutsch"), std::string::npos) << out.str();
    ::setenv("LANG", savedLang.c_str(), 1);
}

} // namespace

} // namespace vantrel::cli::testing
