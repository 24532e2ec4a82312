// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

// ContractValues.def read as the generator uses it: every value and enum
// declared, with its members, checked for order and repeats.
namespace vantrel::wasm::contract {

// A description the generator cannot read stops the build, saying why.
[[noreturn]] void fail(const std::string& problem);

enum class Line { Words, Word, Value, Derived, Union, Variant, Field, Optional, End };

struct Described {
    Line line;
    std::string name;
    std::string type; // a member's type, a value's base, a variant's union
    std::string doc;
};

struct Member {
    std::string name;
    std::string type;
    std::string doc;
    bool optional = false;
};

enum class Shape { Words, Object, Union };

struct Declared {
    Shape shape = Shape::Object;
    std::string name;
    std::string doc;
    std::vector<std::string> words;
    std::vector<Member> members;       // its own
    std::string base;                  // the value it extends, or a variant's union
    std::string word;                  // a variant's word
    std::vector<std::string> variants; // a union's
};

class Contract {
  public:
    explicit Contract(const std::vector<Described>& lines);

    [[nodiscard]] const std::vector<Declared>& declared() const { return m_declared; }
    [[nodiscard]] const Declared& named(const std::string& name) const;
    [[nodiscard]] bool has(const std::string& name) const { return m_index.count(name) > 0; }
    // Every member, the base's first; a variant's first one is its word.
    [[nodiscard]] std::vector<Member> members(const Declared& value) const;

  private:
    std::vector<Declared> m_declared;
    std::map<std::string, std::size_t> m_index;
};

// The description's lines, in order.
[[nodiscard]] std::vector<Described> description();

} // namespace vantrel::wasm::contract
