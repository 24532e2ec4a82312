// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliFixture.h"

#include <sys/stat.h>

#include <filesystem>

namespace vantrel::cli::testing {
namespace {

namespace fs = std::filesystem;

// The fixture's samples are the first backup; "later" is a copy to change.
class FolderCommandsTest : public CliFixture {
  protected:
    void SetUp() override {
        CliFixture::SetUp();
        fs::create_directory(path("later"));
        for (const char* name : {"0032_0001.seem", "0a1c_0001.seem", "0d51_0001.seem"})
            fs::copy_file(sample(name), path(std::string("later/") + name));
    }
    std::string folder() const { return path(""); }
};

TEST_F(FolderCommandsTest, DiffOfTwoFoldersListsFilesAndSettingsLikeDiffR) {
    ASSERT_EQ(run({"switch", path("later/0032_0001.seem"), "Keys/Sound", "off"}), 0);
    ASSERT_EQ(run({"volume", path("later/0a1c_0001.seem"), "Microphone", "6"}), 0);
    EXPECT_EQ(run({"diff", path("later"), path("later")}), 0);
    EXPECT_EQ(output, "");
    EXPECT_EQ(run({"diff", folder(), path("later")}), 1) << errors;
    EXPECT_EQ(output, "0032_0001.seem: 1 difference\n"
                      "  Keys/Sound: on → off\n"
                      "Only in " +
                          folder() +
                          ": 004a_0001.seem\n"
                          "Only in " +
                          folder() +
                          ": 0061_0001.seem\n"
                          "Only in " +
                          folder() +
                          ": 01a8_0001.seem\n"
                          "0a1c_0001.seem: 1 difference\n"
                          "  Microphone: 4 → 6\n");
    EXPECT_EQ(run({"--json", "diff", folder(), path("later")}), 1);
    EXPECT_NE(output.find(R"({"name":"004a_0001.seem","status":"only-a"})"), std::string::npos);
    // A second name only where the names differ.
    EXPECT_NE(output.find(R"({"name":"0032_0001.seem","status":"changed",)"), std::string::npos)
        << output;
    EXPECT_EQ(run({"diff", folder(), path("missing")}), 2);
}

// The same two files get the same verdict alone and in their folders.
TEST_F(FolderCommandsTest, AnEmptyFileIsRefusedInAFolderAsItIsAlone) {
    write("later/0032_0001.seem", {});
    EXPECT_EQ(run({"diff", sample("0032_0001.seem"), path("later/0032_0001.seem")}), 2);
    const std::string alone = errors;
    EXPECT_EQ(run({"diff", folder(), path("later")}), 2);
    EXPECT_EQ(errors, alone);
    EXPECT_EQ(alone, "vantrel-cli: " + path("later/0032_0001.seem") + ": the file is empty\n");
}

TEST_F(FolderCommandsTest, EntriesThatAreNoFilesAreNamedUnopenedInTheirPlace) {
    fs::create_directory(path("later/box.sch"));
    fs::create_symlink("/dev/null", path("later/null.bin"));
    fs::create_symlink(path("nowhere"), path("later/gone.seem"));
    ASSERT_EQ(::mkfifo(path("later/004a_0001.seem").c_str(), 0600), 0);
    // A FIFO opened for reading would wait here for a writer that never comes.
    EXPECT_EQ(run({"diff", folder(), path("later")}), 2);
    for (const char* entry :
         {"004a_0001.seem: skipped: it is a FIFO", "box.sch: skipped: it is a folder",
          "gone.seem: skipped: it is a link to nothing", "null.bin: skipped: it is a device"})
        EXPECT_NE(errors.find(path("later/") + entry), std::string::npos) << errors;
    EXPECT_NE(output.find("Only in " + folder() + ": 004a_0001.seem\n"), std::string::npos);

    EXPECT_EQ(run({"--json", "diff", folder(), path("later")}), 2);
    const std::string fifo =
        R"({"path":")" + path("later/004a_0001.seem") +
        R"(","error":"skipped: it is a FIFO, not a regular file","skipped":true})";
    const auto at = output.find(fifo);
    ASSERT_NE(at, std::string::npos) << output;
    EXPECT_LT(at, output.find(R"({"name":"004a_0001.seem","status":"only-a"})"));
    std::size_t skipped = 0;
    for (auto found = output.find(R"("skipped":true)"); found != std::string::npos;
         found = output.find(R"("skipped":true)", found + 1))
        ++skipped;
    EXPECT_EQ(skipped, 4u);

    // The other folder commands name them alike; apply only those its recipe reaches.
    EXPECT_EQ(run({"export", path("later")}), 2);
    EXPECT_NE(errors.find(path("later/box.sch") + ": skipped: it is a folder"), std::string::npos);
    EXPECT_NE(output.find(R"({"seem":"0d51_0001")"), std::string::npos);
    EXPECT_EQ(run({"--json", "scan", path("later")}), 2);
    EXPECT_NE(output.find(fifo), std::string::npos) << output;
    const std::string recipe = R"({"version": 1, "entries": [
        {"seem": "004a_0001", "switch": "Keys/Sound", "value": "off"}]})";
    write("fifo.json", std::vector<unsigned char>(recipe.begin(), recipe.end()));
    EXPECT_EQ(run({"--json", "apply", path("fifo.json"), path("later")}), 2);
    EXPECT_NE(output.find(fifo), std::string::npos) << output;
    EXPECT_EQ(errors, "vantrel-cli: " + path("later/004a_0001.seem") +
                          ": skipped: it is a FIFO, not a regular file\n");
}

TEST_F(FolderCommandsTest, RecipeOfADiffAppliedTwiceGivesTheSecondFolderAndThenChangesNothing) {
    ASSERT_EQ(run({"color", path("later/0d51_0001.seem"), "Menus/Menu Text", "#FF8000",
                   "--transparency", "50"}),
              0);
    ASSERT_EQ(run({"switch", path("later/0032_0001.seem"), "Keys/Sound", "off"}), 0);
    ASSERT_EQ(run({"diff", "--recipe", folder(), path("later")}), 0) << errors;
    write("changes.json", {output.begin(), output.end()});
    const auto before = bytes(sample("0032_0001.seem"));

    EXPECT_EQ(run({"apply", "--dry-run", path("changes.json"), folder()}), 0) << errors;
    EXPECT_NE(output.find("Keys/Sound: on → off"), std::string::npos);
    EXPECT_EQ(bytes(sample("0032_0001.seem")), before);

    EXPECT_EQ(run({"apply", path("changes.json"), folder()}), 0) << errors;
    EXPECT_EQ(run({"apply", path("changes.json"), folder()}), 0);
    EXPECT_NE(output.find("0032_0001.seem: unchanged"), std::string::npos);
    EXPECT_EQ(run({"diff", folder(), path("later")}), 1);
    EXPECT_EQ(output.find("difference"), std::string::npos) << output;
}

TEST_F(FolderCommandsTest, ARecipeWithOneBadEntryWritesNothingAndNamesIt) {
    write("bad.json", [] {
        const std::string text = R"({"$schema": "x", "version": 1, "entries": [
            {"seem": "0a1c_0001", "volume": "Microphone", "value": 6},
            {"seem": "0a1c_0001", "volume": "Microphone", "value": 60}]})";
        return std::vector<unsigned char>(text.begin(), text.end());
    }());
    const auto before = bytes(sample("0a1c_0001.seem"));
    EXPECT_EQ(run({"apply", path("bad.json"), sample("0a1c_0001.seem")}), 2);
    EXPECT_NE(errors.find("0a1c_0001 volume Microphone = 60"), std::string::npos) << errors;
    EXPECT_EQ(bytes(sample("0a1c_0001.seem")), before);
}

// A file the recipe fails on is not hidden by a later one it lands on.
TEST_F(FolderCommandsTest, ApplyOverSeveralFilesFailsWhenAnEarlierOneFailed) {
    const std::string text = R"({"version": 1, "entries": [)"
                             R"({"seem": "0032_0001", "switch": "Keys/Sound", "value": "off"}]})";
    write("sound.json", {text.begin(), text.end()});
    fs::create_directory(path("broken"));
    write("broken/0032_0001.seem", {1, 2, 3});
    const auto before = bytes(path("later/0032_0001.seem"));
    EXPECT_EQ(run({"apply", path("sound.json"), path("broken/0032_0001.seem"),
                   path("later/0032_0001.seem")}),
              2);
    EXPECT_NE(errors.find("broken"), std::string::npos) << errors;
    EXPECT_NE(bytes(path("later/0032_0001.seem")), before);
}

// Windows editors may save a recipe as UTF-16 with a byte-order mark, which
// the page reads: the tool reads it too.
TEST_F(FolderCommandsTest, AUtf16RecipeIsReadAsThePageReadsIt) {
    const std::string text = R"({"version": 1, "entries": [)"
                             R"({"seem": "0032_0001", "switch": "Keys/Sound", "value": "off"}]})";
    std::vector<unsigned char> utf16{0xFF, 0xFE};
    for (const char c : text)
        utf16.insert(utf16.end(), {static_cast<unsigned char>(c), 0});
    write("sound.json", utf16);
    const auto before = bytes(sample("0032_0001.seem"));
    EXPECT_EQ(run({"apply", path("sound.json"), sample("0032_0001.seem")}), 0) << errors;
    EXPECT_NE(bytes(sample("0032_0001.seem")), before);
}

TEST_F(FolderCommandsTest, ExportWithBytesAppliedToABlankCopyReproducesTheFile) {
    ASSERT_EQ(run({"export", "--bytes", sample("0d51_0001.seem")}), 0);
    write("colours.json", {output.begin(), output.end()});
    write("blank.seem", std::vector<unsigned char>(bytes(sample("0d51_0001.seem")).size(), 0));
    EXPECT_EQ(run({"apply", "--dry-run", path("colours.json"), path("blank.seem")}), 0) << errors;
    EXPECT_NE(output.find("bytes in"), std::string::npos) << output;
    EXPECT_NE(output.find("written as they stand"), std::string::npos) << output;
    EXPECT_EQ(run({"apply", path("colours.json"), path("blank.seem")}), 0) << errors;
    EXPECT_EQ(bytes(path("blank.seem")), bytes(sample("0d51_0001.seem")));
}

TEST_F(FolderCommandsTest, RecipeFaultsAreNamedWhereTheyAre) {
    const auto refused = [&](const std::string& name, const std::string& text,
                             const std::string& target) {
        write(name, {text.begin(), text.end()});
        EXPECT_EQ(run({"apply", path(name), sample(target)}), 2) << text;
        return errors;
    };
    EXPECT_NE(refused("syntax.json", "{\"version\": 1,\n \"entries\": [x]}", "0032_0001.seem")
                  .find("line 2, column 14"),
              std::string::npos)
        << errors;
    const std::string huge = refused("huge.json",
                                     R"({"version": 1, "entries": [{"seem": "0a1c_0001", )"
                                     R"("volume": "Microphone", "value": 18446744073709551615}]})",
                                     "0a1c_0001.seem");
    EXPECT_NE(huge.find("not 18446744073709551615"), std::string::npos) << huge;
    const auto before = bytes(sample("0d51_0001.seem"));
    EXPECT_NE(refused("nul.json",
                      R"({"version": 1, "entries": [{"seem": "0d51_0001", "title": "a\u0000b"}]})",
                      "0d51_0001.seem")
                  .find("U+0000"),
              std::string::npos)
        << errors;
    EXPECT_EQ(bytes(sample("0d51_0001.seem")), before);
}

// Sharing settings must not carry over the bytes that may belong to one phone alone.
TEST_F(FolderCommandsTest, ExportCarriesTheSettingsOnly) {
    ASSERT_EQ(run({"export", sample("0032_0001.seem")}), 0);
    EXPECT_EQ(output.find("\"bytes\""), std::string::npos) << output;
    write("settings.json", {output.begin(), output.end()});
    auto other = bytes(sample("0032_0001.seem"));
    for (auto& byte : other)
        byte ^= 0xFF;
    write("other.seem", other);
    ASSERT_EQ(run({"apply", path("settings.json"), path("other.seem")}), 0) << errors;
    EXPECT_EQ(output.find("written as they stand"), std::string::npos) << output;
    const auto changed = differingOffsets(bytes(path("other.seem")), other);
    const auto settings = differingOffsets(bytes(sample("0032_0001.seem")), other);
    EXPECT_FALSE(changed.empty());
    EXPECT_LT(changed.size(), settings.size());
}

} // namespace
} // namespace vantrel::cli::testing
