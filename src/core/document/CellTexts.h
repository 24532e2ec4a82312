// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// A copy of every cell's text, small: a cell holds at most two characters
// but for hostile input, so each text lives in four bytes and only a longer
// one in a table of its own. A std::string a cell would take 32.
class CellTexts {
  public:
    void resize(std::size_t count);
    [[nodiscard]] std::size_t size() const { return m_short.size(); }
    [[nodiscard]] std::string_view at(std::size_t index) const;
    void set(std::size_t index, std::string_view text);

  private:
    static constexpr std::size_t kInline = 3;
    static constexpr char kLong = '\xFF'; // as the length: the text is in m_long
    // The characters, then the length.
    std::vector<std::array<char, kInline + 1>> m_short;
    std::map<std::size_t, std::string> m_long;
};

} // namespace vantrel
