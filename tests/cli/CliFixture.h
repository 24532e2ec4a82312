// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vantrel::cli::testing {

// Runs the tool in-process on a private copy of the bundled samples.
class CliFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        m_folder =
            std::filesystem::temp_directory_path() /
            ("vantrel-cli-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        std::filesystem::copy(std::string(VANTREL_DATA_DIR) + "/samples", m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    int run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--data-dir", VANTREL_DATA_DIR, "--lang", "0"});
        std::ostringstream out;
        std::ostringstream err;
        const int status = runCli(arguments, out, err);
        output = out.str();
        errors = err.str();
        return status;
    }

    std::string sample(const std::string& name) const { return (m_folder / name).string(); }

    static std::vector<unsigned char> bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::string path(const std::string& name) const { return (m_folder / name).string(); }

    void write(const std::string& name, const std::vector<unsigned char>& content) {
        std::ofstream out(path(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(content.data()),
                  static_cast<std::streamsize>(content.size()));
    }

    std::string output;
    std::string errors;

  private:
    std::filesystem::path m_folder;
};

// The offsets at which two byte strings differ.
inline std::vector<std::size_t> differingOffsets(const std::vector<unsigned char>& a,
                                                 const std::vector<unsigned char>& b) {
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (i >= a.size() || i >= b.size() || a[i] != b[i])
            offsets.push_back(i);
    }
    return offsets;
}

} // namespace vantrel::cli::testing
