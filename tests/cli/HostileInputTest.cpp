// SPDX-License-Identifier: GPL-3.0-or-later
// The tool run as a program on input meant to break it: every run ends with
// an exit status of its own, never by a signal.
#include "ToolProcess.h"
#include "core/files/RecoveryCopy.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

namespace vantrel::cli::testing {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

enum class Input { Null, Closed, Endless };

class HostileInput : public ToolProcessFixture {
  protected:
    // The raw wait status of the tool run on words; stderr kept in errors.
    int runTool(const std::vector<std::string>& words, Input input = Input::Null,
                rlim_t memoryLimit = 0) {
        const ToolCommandLine command(words);
        const std::string errorFile = path("stderr.txt");
        const pid_t child = ::fork();
        if (child == 0) {
            const int out = ::open("/dev/null", O_WRONLY);
            ::dup2(out, 1);
            const int err = ::open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(err, 2);
            if (input == Input::Closed)
                ::close(0);
            else
                ::dup2(::open(input == Input::Endless ? "/dev/zero" : "/dev/null", O_RDONLY), 0);
            if (memoryLimit != 0) {
                const rlimit limit{memoryLimit, memoryLimit};
                ::setrlimit(RLIMIT_AS, &limit);
            }
            ::alarm(30); // a run that hangs ends by a signal, and fails
            ::execv(command.argv()[0], command.argv());
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        std::ifstream in(errorFile);
        errors.assign(std::istreambuf_iterator<char>(in), {});
        return status;
    }

    // Ended by itself with 1 or 2, having said why.
    void expectRefused(const std::vector<std::string>& words, Input input = Input::Null,
                       rlim_t memoryLimit = 0) {
        const int status = runTool(words, input, memoryLimit);
        std::string line;
        for (const auto& word : words)
            line += "'" + word + "' ";
        ASSERT_TRUE(WIFEXITED(status)) << line << "ended by signal " << WTERMSIG(status);
        EXPECT_GE(WEXITSTATUS(status), 1) << line;
        EXPECT_LE(WEXITSTATUS(status), 2) << line;
        // check reports what it found on standard output.
        if (words.front() != "check") {
            EXPECT_EQ(errors.rfind("vantrel-cli: ", 0), 0u) << line << errors;
        }
    }

    void writeText(const std::string& name, const std::string& text) {
        write(name, {text.begin(), text.end()});
    }
};

TEST_F(HostileInput, EmptyNamesAreRefusedByName) {
    for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
             {"switch", "", "Keys/Sound", "off"},
             {"style", "", "x", "on"},
             {"volume", "", "x", "1"},
             {"volume", "", "--reset"},
             {"color", "", "a/b", "#000000"},
             {"title", "", "x"},
             {"recover", ""},
             {"show", ""},
             {"dump", ""},
             {"identify", ""},
             {"coverage", ""},
             {"export", ""},
             {"diff", "", ""},
             {"apply", "", ""},
             {"scan", ""},
             {"check", ""},
             {"switch", sample("0032_0001.seem"), "Keys/Sound", "off", "-o", ""}}) {
        expectRefused(words);
        EXPECT_EQ(errors.find("terminate"), std::string::npos) << errors;
    }
    expectRefused({"switch", "", "Keys/Sound", "off"});
    EXPECT_NE(errors.find("the file name is empty"), std::string::npos) << errors;
}

TEST_F(HostileInput, StandardInputClosedOrEndlessIsRefused) {
    for (const char* command : {"show", "dump", "identify", "coverage"}) {
        expectRefused({command, "-"}, Input::Closed);
        expectRefused({command, "-"}, Input::Endless);
        EXPECT_NE(errors.find("larger than 5000 bytes"), std::string::npos) << errors;
    }
    expectRefused({"switch", "-", "Keys/Sound", "off", "-o", "-"}, Input::Endless);
}

TEST_F(HostileInput, DeepAndWideDefinitionsAreCheckedWithoutOverflow) {
    std::string deep = R"(<seems><seem ID="x" size="120" tip="t" type="function">)";
    for (int i = 0; i < 100000; ++i)
        deep += R"(<folder ID="f">)";
    for (int i = 0; i < 100000; ++i)
        deep += "</folder>";
    writeText("deep.xml", deep + "</seem></seems>");
    expectRefused({"check", path("deep.xml")});
}

TEST_F(HostileInput, HugeNumbersAreRefusedAsValues) {
    const std::string volume = sample("0a1c_0001.seem");
    expectRefused({"volume", volume, "Microphone", "18446744073709551615"});
    EXPECT_NE(errors.find("not 18446744073709551615"), std::string::npos) << errors;
    expectRefused({"volume", volume, "Microphone", "-99999999999999999999999"});
    expectRefused({"--lang", "99999999999999999999", "types"});
    expectRefused({"color", sample("0d51_0001.seem"), "Menus/Menu Text", "#FF8000",
                   "--transparency", "1e400"});
    writeText("huge.json", R"({"version": 1, "entries": [)"
                           R"({"seem": "0a1c_0001", "bytes": "00", "offset": 1e30},)"
                           R"({"seem": "0a1c_0001", "volume": "Microphone",)"
                           R"( "value": 18446744073709551615}]})");
    expectRefused({"apply", path("huge.json"), volume});
}

// Recipe files that are not whole text, or not plain JSON objects, and
// recovery entries that are no copies.
TEST_F(HostileInput, HostileRecipeTextAndRecoveryEntriesAreRefused) {
    const std::string volume = sample("0a1c_0001.seem");
    std::string endlessPair = "\xFE\xFF";
    for (int i = 0; i < 100000; ++i)
        endlessPair += std::string("\xD8\x00", 2);
    for (const std::string& text :
         {std::string("\xFF\xFE{", 3), std::string("\xFE\xFF\xDC\x00", 4), endlessPair,
          std::string("\x00\x00\xFE\xFF", 4), std::string("{\0\0\0", 4),
          std::string(R"({"version": 1, "version": 1, "entries": []})"),
          std::string(R"({"version": 1, "entries": [{"seem": "0a1c_0001", "": 1, "": 2}]})")}) {
        writeText("hostile.json", text);
        expectRefused({"apply", path("hostile.json"), volume});
    }
    const std::string copy =
        keepRecoveryCopy(std::filesystem::canonical(volume).string(), *identityOf(volume), {1})
            .path;
    std::filesystem::remove(copy);
    std::filesystem::create_symlink("/dev/zero", copy);
    expectRefused({"recover", volume});
    EXPECT_NE(errors.find("set aside"), std::string::npos) << errors;
}

TEST_F(HostileInput, UsageFaultsAreToldAsSuch) {
    expectRefused({"--lang=", "types"});
    EXPECT_NE(errors.find("--lang: the value is empty"), std::string::npos) << errors;
    expectRefused({"switch", "-", "Keys/Sound", "off"});
    EXPECT_NE(errors.find("standard input cannot be changed in place"), std::string::npos)
        << errors;
    // Every positional of every command is described in its help.
    for (const char* command :
         {"identify", "dump", "show", "switch", "style", "volume", "color", "title", "outertext",
          "diff", "coverage", "recover", "export", "apply", "scan", "check", "find"}) {
        EXPECT_EQ(run({command, "--help"}), 0);
        EXPECT_EQ(output.find("REQUIRED\n"), std::string::npos) << output;
    }
}

// A legal recipe that needs more memory than the tool may have.
TEST_F(HostileInput, RunningOutOfMemoryEndsWithAMessage) {
    if (kSanitized)
        GTEST_SKIP() << "the sanitizers reserve more address space than the limit";
    std::string recipe = R"({"version": 1, "entries": [)";
    const std::string entry = R"({"seem": "0032_0001", "switch": "Keys/Sound", "value": "off"},)";
    while (recipe.size() < 7 * 1024 * 1024)
        recipe += entry;
    recipe.back() = ']';
    writeText("large.json", recipe + "}");
    expectRefused({"apply", "--dry-run", path("large.json"), sample("0032_0001.seem")}, Input::Null,
                  80u * 1024 * 1024);
}

} // namespace

} // namespace vantrel::cli::testing
