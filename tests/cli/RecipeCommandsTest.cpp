// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliFixture.h"

#include <filesystem>

namespace vantrel::cli::testing {
namespace {

namespace fs = std::filesystem;

class RecipeCommandsTest : public CliFixture {
  protected:
    void writeText(const std::string& name, const std::string& text) {
        write(name, {text.begin(), text.end()});
    }
    // Two switches off, as a user would carry them to another phone.
    void writeTwoSwitches() {
        writeText("two.json", R"({"version": 1, "entries": [
            {"seem": "0032_0001", "switch": "Keys/Sound", "value": "off", "from": "on"},
            {"seem": "0032_0001", "switch": "Keys/Smart Key", "value": "off", "from": "off"}]})");
    }
};

// A browser's second download is "0032_0001 (1).seem": the recipe names the type.
TEST_F(RecipeCommandsTest, DiffOfARenamedCopyWritesTheTypeIdAndFromAndAppliesToTheFolder) {
    fs::copy_file(sample("0032_0001.seem"), path("0032_0001 (1).seem"));
    ASSERT_EQ(
        run({"switch", path("0032_0001 (1).seem"), "Keys/Sound", "off", "-o", path("edited.seem")}),
        0);
    ASSERT_EQ(run({"diff", "--recipe", path("0032_0001 (1).seem"), path("edited.seem")}), 0)
        << errors;
    EXPECT_NE(
        output.find(R"({"seem":"0032_0001","switch":"Keys/Sound","value":"off","from":"on"})"),
        std::string::npos)
        << output;
    writeText("changes.json", output);
    fs::create_directory(path("phone"));
    fs::copy_file(sample("0032_0001.seem"), path("phone/0032_0001 (1).seem"));
    EXPECT_EQ(run({"apply", path("changes.json"), path("phone")}), 0) << errors;
    EXPECT_EQ(bytes(path("phone/0032_0001 (1).seem")), bytes(path("edited.seem")));

    const auto colours = bytes(sample("0d51_0001.seem"));
    EXPECT_EQ(run({"apply", path("changes.json"), sample("0d51_0001.seem")}), 2);
    EXPECT_NE(errors.find("0032_0001, but 0d51_0001 is of type 0d51_0001"), std::string::npos)
        << errors;
    EXPECT_EQ(bytes(sample("0d51_0001.seem")), colours);
}

TEST_F(RecipeCommandsTest, OnlyAndExceptChooseTheSettingsApplied) {
    writeTwoSwitches();
    const auto original = bytes(sample("0032_0001.seem"));
    fs::copy_file(sample("0032_0001.seem"), path("other.seem"));
    ASSERT_EQ(run({"switch", path("other.seem"), "Keys/Smart Key", "on"}), 0);
    const auto other = bytes(path("other.seem"));
    ASSERT_EQ(run({"apply", "--except", "Keys/Sound", path("two.json"), path("other.seem")}), 0)
        << errors;
    EXPECT_EQ(output.find("Keys/Sound"), std::string::npos) << output;
    EXPECT_NE(output.find("Keys/Smart Key: on → off"), std::string::npos) << output;
    ASSERT_EQ(run({"apply", "--only", "keys/sound", path("two.json"), sample("0032_0001.seem")}),
              0);
    EXPECT_EQ(differingOffsets(bytes(sample("0032_0001.seem")), original).size(), 1u);
    EXPECT_EQ(run({"apply", "--except", "Keys/Nothing", path("two.json"), path("other.seem")}), 2);
    EXPECT_NE(errors.find("Keys/Nothing"), std::string::npos);
    EXPECT_NE(bytes(path("other.seem")), other);
}

// The dry run marks what the review marks; the undo recipe puts every byte back.
TEST_F(RecipeCommandsTest, DryRunMarksEntriesAndTheUndoRecipeRestoresEveryByte) {
    writeTwoSwitches();
    ASSERT_EQ(run({"switch", sample("0032_0001.seem"), "Keys/Smart Key", "on"}), 0);
    ASSERT_EQ(run({"apply", "--dry-run", path("two.json"), sample("0032_0001.seem")}), 0);
    EXPECT_NE(output.find("Keys/Smart Key: this phone has on; the recipe was made from off"),
              std::string::npos)
        << output;
    ASSERT_EQ(run({"--json", "apply", "--dry-run", path("two.json"), sample("0032_0001.seem")}), 0);
    EXPECT_NE(output.find(R"("setting":"Keys/Smart Key","current":"on","value":"off",)"
                          R"("from":"off","already_at_value":false,"from_differs":true)"),
              std::string::npos)
        << output;

    // Exported with its bytes, one file turns another into itself wholly: undone, wholly back.
    ASSERT_EQ(run({"export", "--bytes", sample("0d51_0001.seem")}), 0);
    writeText("colours.json", output);
    auto other = bytes(sample("0d51_0001.seem"));
    for (std::size_t i = 0; i < other.size(); i += 3)
        other[i] ^= 0x5A;
    fs::create_directory(path("phone"));
    write("phone/0d51_0001.seem", other);
    ASSERT_EQ(
        run({"apply", "--undo-recipe", path("undo.json"), path("colours.json"), path("phone")}), 0)
        << errors;
    ASSERT_EQ(bytes(path("phone/0d51_0001.seem")), bytes(sample("0d51_0001.seem")));
    ASSERT_EQ(run({"apply", path("undo.json"), path("phone")}), 0) << errors;
    EXPECT_EQ(bytes(path("phone/0d51_0001.seem")), other);
}

} // namespace
} // namespace vantrel::cli::testing
