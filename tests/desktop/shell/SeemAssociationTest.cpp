// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/shell/SeemAssociation.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>

using namespace vantrel;
using vantrel::testing::TempDir;

namespace {

class SeemAssociationTest : public ::testing::Test {
  protected:
    TempDir home;
    XdgLocations where{home / "data", home / "config", {home / "system"}};
    const std::string program = "/opt/Vantrel Tools/vantrel";
    const std::string defaultLine = "application/x-vantrel-seem=org.vantrel.Vantrel.desktop";
};

bool hasLine(const std::string& text, const std::string& line) {
    return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

std::string packagingFile(const std::string& name) {
    std::ifstream in(std::string(VANTREL_DATA_DIR) + "/../packaging/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST_F(SeemAssociationTest, AssociatingWritesTheTypeTheEntryAndTheDefault) {
    const AssociationOutcome outcome = associateSeemFiles(where, program);
    ASSERT_EQ(outcome.status, AssociationOutcome::Status::Done) << outcome.reason;
    EXPECT_FALSE(outcome.usesInstalledEntry);

    // What the package installs, but for the program's own path.
    const std::string packagedMime = packagingFile("vantrel-seem.xml");
    ASSERT_NE(packagedMime.find("application/x-vantrel-seem"), std::string::npos);
    EXPECT_EQ(home.read("data/mime/packages/vantrel-seem.xml"), packagedMime);
    std::string packagedEntry = packagingFile("org.vantrel.Vantrel.desktop");
    const std::string packagedExec = "\nExec=vantrel %f\n";
    const auto exec = packagedEntry.find(packagedExec);
    ASSERT_NE(exec, std::string::npos);
    packagedEntry.replace(exec, packagedExec.size(), "\nExec=\"/opt/Vantrel Tools/vantrel\" %f\n");
    EXPECT_EQ(home.read("data/applications/org.vantrel.Vantrel.desktop"), packagedEntry);
    EXPECT_TRUE(hasLine(home.read("config/mimeapps.list"), defaultLine));
}

TEST_F(SeemAssociationTest, AssociatingKeepsThePreviousDefaultForRemovalToGiveBack) {
    home.write("config/mimeapps.list", "[Default Applications]\n"
                                       "text/plain=editor.desktop\n"
                                       "application/x-vantrel-seem=hexer.desktop\n"
                                       "[Added Associations]\n"
                                       "image/png=viewer.desktop;\n");
    EXPECT_EQ(associateSeemFiles(where, program).status, AssociationOutcome::Status::Done);
    EXPECT_EQ(associateSeemFiles(where, program).status, AssociationOutcome::Status::Done);
    EXPECT_EQ(home.read("config/mimeapps.list"), "[Default Applications]\n" + defaultLine +
                                                     ";hexer.desktop;\n"
                                                     "text/plain=editor.desktop\n"
                                                     "[Added Associations]\n"
                                                     "image/png=viewer.desktop;\n");
    EXPECT_EQ(removeSeemAssociation(where).status, AssociationOutcome::Status::Done);
    EXPECT_EQ(home.read("config/mimeapps.list"), "[Default Applications]\n"
                                                 "application/x-vantrel-seem=hexer.desktop;\n"
                                                 "text/plain=editor.desktop\n"
                                                 "[Added Associations]\n"
                                                 "image/png=viewer.desktop;\n");
}

TEST_F(SeemAssociationTest, RemovingTakesEntryAndDefaultAndLeavesTheType) {
    ASSERT_EQ(associateSeemFiles(where, program).status, AssociationOutcome::Status::Done);
    home.write("config/mimeapps.list",
               "[Default Applications]\napplication/x-vantrel-seem=org.vantrel.Vantrel.desktop;"
               "hexer.desktop;\n");
    EXPECT_EQ(removeSeemAssociation(where).status, AssociationOutcome::Status::Done);
    EXPECT_FALSE(std::filesystem::exists(desktopEntryPath(where)));
    EXPECT_TRUE(std::filesystem::exists(mimePackagePath(where)));
    EXPECT_EQ(home.read("config/mimeapps.list"),
              "[Default Applications]\napplication/x-vantrel-seem=hexer.desktop;\n");

    const AssociationOutcome again = removeSeemAssociation(where);
    EXPECT_EQ(again.status, AssociationOutcome::Status::Refused);
    EXPECT_FALSE(again.reason.empty());
}

TEST_F(SeemAssociationTest, AnInstalledEntryIsChosenRatherThanHidden) {
    home.write("system/applications/org.vantrel.Vantrel.desktop", "[Desktop Entry]\n");
    home.write("system/mime/packages/vantrel-seem.xml", "<mime-info/>");
    home.write("data/applications/org.vantrel.Vantrel.desktop", "[Desktop Entry]\nExec=old\n");
    const AssociationOutcome outcome = associateSeemFiles(where, program);
    EXPECT_EQ(outcome.status, AssociationOutcome::Status::Done);
    EXPECT_TRUE(outcome.usesInstalledEntry);
    EXPECT_FALSE(std::filesystem::exists(desktopEntryPath(where)));
    EXPECT_FALSE(std::filesystem::exists(mimePackagePath(where)));
    EXPECT_TRUE(hasLine(home.read("config/mimeapps.list"), defaultLine));
    EXPECT_EQ(removeSeemAssociation(where).status, AssociationOutcome::Status::Done);
    EXPECT_TRUE(std::filesystem::exists(home / "system/applications/org.vantrel.Vantrel.desktop"));
}

TEST_F(SeemAssociationTest, ExecNamesOddProgramPathsExactly) {
    const auto entry = vantrelDesktopEntry("/a b/$x\"y\\z%q");
    ASSERT_TRUE(entry);
    EXPECT_TRUE(hasLine(*entry, R"(Exec="/a b/\\$x\\"y\\\\z%%q" %f)")) << *entry;
    EXPECT_FALSE(vantrelDesktopEntry("/a\nb"));
}

TEST_F(SeemAssociationTest, UnwritablePlacesAreRefusedNamingTheFile) {
    home.write("data", "a file where the folder should be");
    const AssociationOutcome blocked = associateSeemFiles(where, program);
    EXPECT_EQ(blocked.status, AssociationOutcome::Status::Refused);
    EXPECT_EQ(blocked.file, mimePackagePath(where));

    // A failure at the last step takes back what the earlier ones wrote.
    where.dataHome = home / "data2";
    const std::string ownEntry = "[Desktop Entry]\nExec=mine\n";
    home.write("data2/applications/org.vantrel.Vantrel.desktop", ownEntry);
    std::filesystem::create_directories(home / "config");
    ASSERT_EQ(::mkfifo((home / "config/mimeapps.list").c_str(), 0600), 0);
    const AssociationOutcome fifo = associateSeemFiles(where, program);
    EXPECT_EQ(fifo.status, AssociationOutcome::Status::Refused);
    EXPECT_EQ(fifo.file, mimeappsPath(where));
    EXPECT_FALSE(std::filesystem::exists(mimePackagePath(where)));
    EXPECT_EQ(home.read("data2/applications/org.vantrel.Vantrel.desktop"), ownEntry);
}
