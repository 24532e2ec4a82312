// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/shell/HelpFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace vantrel;
using vantrel::testing::TempDir;

TEST(HelpFileTest, CompiledHelpIsPreferredThenThePage) {
    const TempDir appDir;
    EXPECT_FALSE(findHelpFile(appDir.path().string()));
    std::filesystem::create_directory(appDir / "help.chm"); // a folder is no help file
    const std::string page = appDir.write("help.html", "<html></html>");
    EXPECT_EQ(findHelpFile(appDir.path().string() + "/"), page);
    std::filesystem::remove(appDir / "help.chm");
    const std::string chm = appDir.write("help.chm", "ITSF");
    EXPECT_EQ(findHelpFile(appDir.path().string()), chm);
}
