// SPDX-License-Identifier: GPL-3.0-or-later
// Edits in place among other programs and interrupted saves.
#include "CliFixture.h"

#include "core/files/RecoveryCopy.h"

#include <cstdlib>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace vantrel::cli::testing {

namespace {

class ConcurrentEdits : public CliFixture {
  protected:
    void SetUp() override {
        CliFixture::SetUp();
        // Recovery copies go to a folder of the test's own.
        ::setenv("XDG_STATE_HOME", path("state").c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("XDG_STATE_HOME");
        CliFixture::TearDown();
    }

    static pid_t start(const std::vector<std::string>& words) {
        std::vector<std::string> arguments = {VANTREL_CLI_PATH, "--data-dir", VANTREL_DATA_DIR,
                                              "--lang", "0"};
        arguments.insert(arguments.end(), words.begin(), words.end());
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        pid_t pid = -1;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }
    static int wait(pid_t pid) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    using Words = std::vector<std::string>;
    std::string file() const { return sample("0032_0001.seem"); }
    Words sound() const { return {"switch", file(), "Keys/Sound", "off"}; }
    // Starts late, so that it waits on a file the others replace while it waits.
    Words lateReminder() const { return {"switch", file(), "Keys/Keypad Lock Reminder", "off"}; }
    Words apply(const std::string& setting) {
        const std::string text = R"({"version": 1, "entries": [{"seem": "0032_0001", "switch": ")" +
                                 setting + R"(", "value": "off"}]})";
        const std::string name = std::to_string(m_recipes++) + ".json";
        write(name, {text.begin(), text.end()});
        return {"apply", path(name), file()};
    }

    // 200 rounds of the three edits at once, the last a little later: every
    // round must end as the three one after another do.
    void raceRounds(const std::vector<Words>& edits) {
        const auto original = bytes(file());
        for (const Words& edit : edits)
            ASSERT_EQ(run(edit), 0) << errors;
        const auto expected = bytes(file());
        ASSERT_NE(expected, original);
        for (int round = 0; round < 200; ++round) {
            write("0032_0001.seem", original);
            const pid_t first = start(edits[0]);
            const pid_t second = start(edits[1]);
            ::usleep(300);
            const pid_t late = start(edits[2]);
            ASSERT_EQ(wait(first), 0);
            ASSERT_EQ(wait(second), 0);
            ASSERT_EQ(wait(late), 0);
            ASSERT_EQ(bytes(file()), expected) << "round " << round;
        }
    }

  private:
    int m_recipes = 0;
};

TEST_F(ConcurrentEdits, ApplyAndSwitchAtOnceBothLand) {
    raceRounds({sound(), apply("Calls/Any-Key Answer"), lateReminder()});
}

TEST_F(ConcurrentEdits, TwoAppliesAtOnceBothLand) {
    raceRounds({apply("Calls/Any-Key Answer"), apply("Calls/Automatic Redial"), lateReminder()});
}

TEST_F(ConcurrentEdits, TwoSwitchesAtOnceBothLand) {
    raceRounds({sound(), {"switch", file(), "Keys/Smart Key", "off"}, lateReminder()});
}

TEST_F(ConcurrentEdits, ALeftoverRecoveryCopyStopsInPlaceEditsUntilRecovered) {
    const std::string file = sample("0032_0001.seem");
    const auto original = bytes(file);
    auto mixed = original;
    mixed[0] ^= 0xFF;
    ASSERT_TRUE(keepRecoveryCopy(std::filesystem::canonical(file).string(), *identityOf(file),
                                 std::vector<std::uint8_t>(original.begin(), original.end()))
                    .failure.empty());
    write("0032_0001.seem", mixed);

    EXPECT_EQ(run({"switch", file, "Keys/Sound", "off"}), 2);
    EXPECT_NE(errors.find("recover"), std::string::npos) << errors;
    EXPECT_EQ(bytes(file), mixed);

    ASSERT_EQ(run({"recover", file}), 0) << errors;
    EXPECT_EQ(bytes(file), original);
    EXPECT_FALSE(leftoverRecoveryCopy(file));
    EXPECT_EQ(run({"recover", file}), 2);
    EXPECT_EQ(run({"switch", file, "Keys/Sound", "off"}), 0) << errors;
}

} // namespace

} // namespace vantrel::cli::testing
