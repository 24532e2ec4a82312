// SPDX-License-Identifier: GPL-3.0-or-later
// Edits in place among other programs and interrupted saves.
#include "ToolProcess.h"
#include "core/document/SeemDocument.h"
#include "core/files/RecoveryCopy.h"

#include <fcntl.h>
#include <nlohmann/json.hpp>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <cstdlib>

extern char** environ;

namespace vantrel::cli::testing {

namespace {

// Starting the tool from a plain function, as the save hook is one.
struct ConcurrentEditsStarter {
    // errors: where its standard error goes.
    static pid_t start(const std::vector<std::string>& words,
                       const std::string& errors = "/dev/null");
    static inline std::string target;
};

class ConcurrentEdits : public ToolProcessFixture {
  protected:
    static pid_t start(const std::vector<std::string>& words) {
        return ConcurrentEditsStarter::start(words);
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

    // Up to 200 rounds of the three edits at once, the last a little later:
    // every round must end as the three one after another do. Each save waits
    // for the disk twice, so a slow disk gets fewer rounds, never a timeout.
    void raceRounds(const std::vector<Words>& edits) {
        const auto original = bytes(file());
        for (const Words& edit : edits)
            ASSERT_EQ(run(edit), 0) << errors;
        const auto expected = bytes(file());
        ASSERT_NE(expected, original);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        for (int round = 0;
             round < 200 && (round < 10 || std::chrono::steady_clock::now() < deadline); ++round) {
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

pid_t ConcurrentEditsStarter::start(const std::vector<std::string>& words,
                                    const std::string& errors) {
    const ToolCommandLine command(words);
    pid_t pid = -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    ::posix_spawn(&pid, command.argv()[0], &actions, nullptr, command.argv(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

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

    // Nor does a recipe, nor an edit through another name of the file.
    const std::string recipe = R"({"version": 1, "entries": [{"seem": "0032_0001", "switch": )"
                               R"("Keys/Sound", "value": "off"}]})";
    write("sound.json", {recipe.begin(), recipe.end()});
    EXPECT_EQ(run({"apply", path("sound.json"), file}), 2);
    EXPECT_NE(errors.find("recover"), std::string::npos) << errors;
    std::filesystem::create_hard_link(file, path("second-name.seem"));
    EXPECT_EQ(run({"switch", path("second-name.seem"), "Keys/Sound", "off"}), 2);
    EXPECT_EQ(bytes(file), mixed);

    ASSERT_EQ(run({"--json", "recover", file}), 0) << errors;
    nlohmann::json recovered; // one object and nothing beside it
    ASSERT_NO_THROW(recovered = nlohmann::json::parse(output)) << output;
    EXPECT_EQ(recovered["restored"], true);
    EXPECT_EQ(bytes(file), original);
    EXPECT_FALSE(leftoverRecoveryCopy(file));
    EXPECT_EQ(run({"recover", file}), 2);
    EXPECT_EQ(run({"switch", file, "Keys/Sound", "off"}), 0) << errors;
}

// The window's save holds the file's lock from its look at the disk to the
// rename: an edit from the command line started in between waits for it and
// lands on the saved file.
pid_t editDuringSave = -1;

void startEditAtTheCheck(SaveStep step) {
    if (step != SaveStep::Checked || editDuringSave >= 0)
        return;
    editDuringSave = ConcurrentEditsStarter::start(
        {"switch", ConcurrentEditsStarter::target, "Keys/Sound", "off"});
    ::usleep(300'000);
}

TEST_F(ConcurrentEdits, AnEditDuringTheWindowsSaveWaitsForItAndLands) {
    SeemDocument window;
    ASSERT_TRUE(window.loadDefinitions(std::string(VANTREL_DATA_DIR) + "/seem_en.xml").ok);
    ASSERT_EQ(window.open(file()).status, OpenOutcome::Status::Opened);
    const auto original = bytes(file());
    window.grid().writeByte(0, static_cast<std::uint8_t>(original[0] ^ 0xFF));
    ConcurrentEditsStarter::target = file();
    editDuringSave = -1;
    setSaveStepHook(startEditAtTheCheck);
    const SaveOutcome saved = window.save();
    setSaveStepHook(nullptr);
    ASSERT_EQ(saved.status, SaveOutcome::Status::Saved);
    ASSERT_GE(editDuringSave, 0);
    EXPECT_EQ(wait(editDuringSave), 0);
    auto expected = original;
    expected[0] ^= 0xFF;
    expected[0x1A] &= 0xFE;
    EXPECT_EQ(bytes(file()), expected);

    // The window saving after the edit is the one told, and writes nothing.
    window.grid().writeByte(1, static_cast<std::uint8_t>(original[1] ^ 0xFF));
    EXPECT_EQ(window.save().status, SaveOutcome::Status::ChangedOnDisk);
    EXPECT_EQ(bytes(file()), expected);
}

// While the window writes a file with two names in place, an edit or a
// recover started from the command line waits for the save, is not told of
// an interrupted one, and puts nothing back under it.
struct StartDuringSave {
    static inline std::vector<std::string> words;
    static inline std::string errors;
    static inline pid_t started = -1;
    static void atStep(SaveStep step) {
        if (step != SaveStep::FlushedInPlace || started >= 0)
            return;
        started = ConcurrentEditsStarter::start(words, errors);
        ::usleep(300'000);
    }
};

TEST_F(ConcurrentEdits, AnEditOrRecoverDuringAnInPlaceSaveWaitsForIt) {
    std::filesystem::create_hard_link(file(), path("second-name.seem"));
    const auto original = bytes(file());
    auto expected = original;
    for (const bool edit : {true, false}) {
        SeemDocument window;
        ASSERT_TRUE(window.loadDefinitions(std::string(VANTREL_DATA_DIR) + "/seem_en.xml").ok);
        ASSERT_EQ(window.open(file()).status, OpenOutcome::Status::Opened);
        expected[1] ^= 0xFF;
        window.grid().writeByte(1, expected[1]);
        StartDuringSave::words =
            edit ? Words{"switch", path("second-name.seem"), "Keys/Sound", "off"}
                 : Words{"recover", file()};
        StartDuringSave::errors = path("errors.txt");
        StartDuringSave::started = -1;
        setSaveStepHook(StartDuringSave::atStep);
        const SaveOutcome saved = window.save();
        setSaveStepHook(nullptr);
        ASSERT_EQ(saved.status, SaveOutcome::Status::Saved);
        ASSERT_GE(StartDuringSave::started, 0);
        // The edit lands after the save; recover, having waited for it, finds
        // nothing left to put back.
        EXPECT_EQ(wait(StartDuringSave::started), edit ? 0 : 2);
        std::ifstream in(path("errors.txt"));
        const std::string errors{std::istreambuf_iterator<char>(in), {}};
        if (!edit) {
            EXPECT_NE(errors.find("there is no recovery copy"), std::string::npos) << errors;
        }
        if (edit)
            expected[0x1A] &= 0xFE;
        EXPECT_EQ(bytes(file()), expected);
    }
}

// Saving As onto another name of the open file is saving that file: a change
// another program made is not overwritten unasked.
TEST_F(ConcurrentEdits, SaveAsOntoALinkToTheOpenFileSeesAnotherProgramsChange) {
    SeemDocument window;
    ASSERT_TRUE(window.loadDefinitions(std::string(VANTREL_DATA_DIR) + "/seem_en.xml").ok);
    ASSERT_EQ(window.open(file()).status, OpenOutcome::Status::Opened);
    std::filesystem::create_symlink(file(), path("link.seem"));
    ASSERT_EQ(run({"switch", file(), "Keys/Sound", "off"}), 0) << errors;
    const auto changed = bytes(file());
    window.grid().writeByte(0, static_cast<std::uint8_t>(changed[0] ^ 0xFF));
    EXPECT_EQ(window.saveAs(path("link.seem")).status, SaveOutcome::Status::ChangedOnDisk);
    EXPECT_EQ(bytes(file()), changed);
}

// Entries recover cannot use are no lasting block: one that is no copy is
// set aside and said; one that may hold the old bytes is named with the way out.
TEST_F(ConcurrentEdits, ARecoveryEntryRecoverCannotUseIsSetAsideOrNamed) {
    std::filesystem::create_hard_link(file(), path("second-name.seem")); // edits stay in place
    const auto kept = bytes(file());
    const std::string entry =
        keepRecoveryCopy(std::filesystem::canonical(file()).string(), *identityOf(file()),
                         std::vector<std::uint8_t>(kept.begin(), kept.end()))
            .path;
    std::filesystem::remove(entry);
    ASSERT_EQ(::mkfifo(entry.c_str(), 0600), 0);
    EXPECT_EQ(run({"switch", file(), "Keys/Sound", "off"}), 0) << errors;
    EXPECT_NE(errors.find(entry + " in the recovery folder was no copy (it is a FIFO"),
              std::string::npos)
        << errors;
    EXPECT_TRUE(std::filesystem::is_fifo(entry + ".set-aside"));

    write("kept", kept);
    std::filesystem::copy_file(path("kept"), entry);
    ::chmod(entry.c_str(), 0666);
    EXPECT_EQ(run({"switch", file(), "Keys/Sound", "on"}), 2);
    EXPECT_NE(errors.find(entry + ", which recover will not put back: others may write to it"),
              std::string::npos)
        << errors;
    EXPECT_EQ(run({"recover", file()}), 2);
    EXPECT_NE(errors.find("chmod 600 " + entry), std::string::npos) << errors;
    ::chmod(entry.c_str(), 0600);
    EXPECT_EQ(run({"recover", file()}), 0) << errors;
    EXPECT_EQ(bytes(file()), kept);
}

// A save killed at any step, apply's included, leaves the old or the new
// bytes, and the next save leaves no temporary file or half-made copy.
SaveStep stepToDie = SaveStep::Checked;

void dieAt(SaveStep step) {
    if (step == stepToDie)
        ::raise(SIGKILL);
}

TEST_F(ConcurrentEdits, AnApplyKilledAtAnyStepLeavesTheOldOrTheNewFile) {
    const std::string recipe = apply("Keys/Sound")[1];
    const auto original = bytes(file());
    ASSERT_EQ(run({"apply", recipe, file()}), 0);
    const auto changed = bytes(file());
    const std::string recovery = path("state") + "/vantrel/recovery";
    for (const bool inPlace : {false, true}) {
        std::filesystem::remove(path("second-name.seem"));
        write("0032_0001.seem", original);
        if (inPlace)
            std::filesystem::create_hard_link(file(), path("second-name.seem"));
        const auto steps = inPlace ? std::vector{SaveStep::Checked,      SaveStep::RecoveryWritten,
                                                 SaveStep::RecoveryKept, SaveStep::WrittenInPlace,
                                                 SaveStep::Truncated,    SaveStep::FlushedInPlace}
                                   : std::vector{SaveStep::Checked, SaveStep::TemporaryWritten,
                                                 SaveStep::TemporaryNamed, SaveStep::Renamed};
        for (const SaveStep step : steps) {
            const pid_t child = ::fork();
            if (child == 0) {
                stepToDie = step;
                setSaveStepHook(dieAt);
                (void)run({"apply", recipe, file()});
                ::_exit(0);
            }
            int status = 0;
            ::waitpid(child, &status, 0);
            ASSERT_TRUE(WIFSIGNALED(status)) << static_cast<int>(step);
            const auto now = bytes(file());
            EXPECT_TRUE(now == original || now == changed) << static_cast<int>(step);
            if (leftoverRecoveryCopy(file())) {
                ASSERT_EQ(run({"recover", file()}), 0) << errors;
                EXPECT_EQ(bytes(file()), original) << static_cast<int>(step);
            }
            ASSERT_EQ(run({"switch", file(), "Keys/Sound", "on"}), 0) << errors;
            for (const auto& entry : std::filesystem::directory_iterator(path("")))
                EXPECT_FALSE(entry.path().filename().string().starts_with(".vantrel-"));
            if (std::filesystem::exists(recovery)) {
                EXPECT_TRUE(std::filesystem::is_empty(recovery)) << static_cast<int>(step);
            }
            write("0032_0001.seem", original);
        }
    }
}

} // namespace

} // namespace vantrel::cli::testing
