// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/AppDir.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace vantrel;
namespace fs = std::filesystem;

namespace {

class AppDirTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_prefix = vantrel::testing::makeTempFolder("vantrel-appdir-");
        fs::create_directories(m_prefix / "bin");
        fs::create_directories(m_prefix / "share" / "vantrel");
        std::ofstream(m_prefix / "share" / "vantrel" / "language.xml") << "<languages/>";
    }
    void TearDown() override { fs::remove_all(m_prefix); }
    fs::path m_prefix;
};

} // namespace

TEST_F(AppDirTest, InstalledProgramFindsItsDataUnderShare) {
    EXPECT_EQ(locateAppDir(m_prefix / "bin"), m_prefix / "share" / "vantrel");
}

TEST_F(AppDirTest, LanguageFileBesideTheExecutableWins) {
    std::ofstream(m_prefix / "bin" / "language.xml") << "<languages/>";
    EXPECT_EQ(locateAppDir(m_prefix / "bin"), m_prefix / "bin");
}
