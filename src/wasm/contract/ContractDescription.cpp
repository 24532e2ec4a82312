// SPDX-License-Identifier: GPL-3.0-or-later
#include "wasm/contract/ContractDescription.h"

#include "wasm/SessionNames.h"

#include <cstdlib>
#include <iostream>
#include <string_view>
#include <utility>

namespace vantrel::wasm::contract {

void fail(const std::string& problem) {
    std::cerr << "vantrel-contract: " << problem << '\n';
    std::exit(2);
}

std::vector<Described> description() {
    std::vector<Described> lines;
#define VANTREL_WORDS(Name, Enum, doc) lines.push_back({Line::Words, #Name, "", doc});
#define VANTREL_WORD(value, word) lines.push_back({Line::Word, word, "", ""});
#define VANTREL_WORDS_OF(Name, words, doc)                                                         \
    lines.push_back({Line::Words, #Name, "", doc});                                                \
    for (const std::string_view word : words)                                                      \
        lines.push_back({Line::Word, std::string(word), "", ""});                                  \
    lines.push_back({Line::End, "", "", ""});
#define VANTREL_VALUE(Name, doc) lines.push_back({Line::Value, #Name, "", doc});
#define VANTREL_DERIVED(Name, Base, doc) lines.push_back({Line::Derived, #Name, #Base, doc});
#define VANTREL_UNION(Name, doc) lines.push_back({Line::Union, #Name, "", doc});
#define VANTREL_VARIANT(Name, Union, word)                                                         \
    lines.push_back({Line::Variant, #Name, #Union, std::string(word)});
#define VANTREL_FIELD(name, type, doc) lines.push_back({Line::Field, #name, type, doc});
#define VANTREL_OPTIONAL(name, type, doc) lines.push_back({Line::Optional, #name, type, doc});
#define VANTREL_FIELD_NAMED(id, name, type, doc) lines.push_back({Line::Field, name, type, doc});
#define VANTREL_END() lines.push_back({Line::End, "", "", ""});
#include "wasm/ContractValues.def"
#undef VANTREL_WORDS
#undef VANTREL_WORD
#undef VANTREL_WORDS_OF
#undef VANTREL_VALUE
#undef VANTREL_DERIVED
#undef VANTREL_UNION
#undef VANTREL_VARIANT
#undef VANTREL_FIELD
#undef VANTREL_OPTIONAL
#undef VANTREL_FIELD_NAMED
#undef VANTREL_END
    return lines;
}

Contract::Contract(const std::vector<Described>& lines) {
    bool open = false;
    for (const Described& line : lines) {
        switch (line.line) {
        case Line::Words:
        case Line::Value:
        case Line::Derived:
        case Line::Union:
        case Line::Variant: {
            if (open)
                fail("ContractValues.def: " + line.name + " begins before the one above it ends");
            if (has(line.name))
                fail("ContractValues.def: " + line.name + " is declared twice");
            Declared value;
            value.shape = line.line == Line::Words   ? Shape::Words
                          : line.line == Line::Union ? Shape::Union
                                                     : Shape::Object;
            value.name = line.name;
            value.base = line.type;
            (line.line == Line::Variant ? value.word : value.doc) = line.doc;
            if (!value.base.empty() && !has(value.base))
                fail("ContractValues.def: " + line.name + ": " + value.base +
                     " is declared below it");
            if (line.line == Line::Variant) {
                Declared& owner = m_declared[m_index.at(value.base)];
                if (owner.shape != Shape::Union)
                    fail("ContractValues.def: " + line.name + ": " + value.base + " is no union");
                owner.variants.push_back(value.name);
            }
            m_index[value.name] = m_declared.size();
            m_declared.push_back(std::move(value));
            open = true;
            break;
        }
        case Line::Word:
            m_declared.back().words.push_back(line.name);
            break;
        case Line::Field:
        case Line::Optional:
            m_declared.back().members.push_back(
                {line.name, line.type, line.doc, line.line == Line::Optional});
            break;
        case Line::End:
            open = false;
            break;
        }
    }
}

const Declared& Contract::named(const std::string& name) const {
    return m_declared[m_index.at(name)];
}

std::vector<Member> Contract::members(const Declared& value) const {
    std::vector<Member> all;
    if (!value.base.empty())
        all = members(named(value.base));
    if (!value.word.empty())
        all.front().type = '"' + value.word + '"';
    all.insert(all.end(), value.members.begin(), value.members.end());
    return all;
}

} // namespace vantrel::wasm::contract
