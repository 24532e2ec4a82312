// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliFixture.h"

#include <cstdlib>
#include <string>
#include <vector>

// The built tool run as a program of its own, beside the in-process runs.
namespace vantrel::cli::testing {

// The argument vector that runs the built tool on words, with the bundled
// data in language 0, for execv() or posix_spawn().
class ToolCommandLine {
  public:
    explicit ToolCommandLine(const std::vector<std::string>& words)
        : m_words{VANTREL_CLI_PATH, "--data-dir", VANTREL_DATA_DIR, "--lang", "0"} {
        m_words.insert(m_words.end(), words.begin(), words.end());
        for (std::string& word : m_words)
            m_argv.push_back(word.data());
        m_argv.push_back(nullptr);
    }
    ToolCommandLine(const ToolCommandLine&) = delete;
    ToolCommandLine& operator=(const ToolCommandLine&) = delete;

    [[nodiscard]] char* const* argv() const { return m_argv.data(); }

  private:
    std::vector<std::string> m_words;
    std::vector<char*> m_argv;
};

// Recovery copies go to a state folder of the test's own, for the tool run
// in-process and as a program alike.
class ToolProcessFixture : public CliFixture {
  protected:
    void SetUp() override {
        CliFixture::SetUp();
        ::setenv("XDG_STATE_HOME", path("state").c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("XDG_STATE_HOME");
        CliFixture::TearDown();
    }
};

} // namespace vantrel::cli::testing
