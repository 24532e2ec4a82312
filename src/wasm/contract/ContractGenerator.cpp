// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the page's contract from the lists the module is built from:
// vantrel-core.d.ts (the values and words of ContractValues.def, the prose of
// ContractTypes.h and every export of Contract.def), vantrel-core.schema.json
// (the same values and each export's result, for the tests to check what the
// module hands over against) and ui-strings.js with its declaration (the
// string ids of UiStringList.def).
//   vantrel-contract OUTPUT_FOLDER
#include "wasm/ContractTypes.h"
#include "wasm/SessionNames.h"
#include "wasm/contract/ContractDescription.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace vantrel;
using namespace vantrel::wasm;
using namespace vantrel::wasm::contract;
using Json = nlohmann::ordered_json;

// -- types ------------------------------------------------------------------------

// A TypeScript type of the small part the description uses, as the schema's
// JSON: {"name": "string"}, {"literal": "on"}, {"array": T}, {"tuple": [T..]},
// {"union": [T..]}. Every name must be declared or built in.
class TypeReader {
  public:
    TypeReader(std::string_view text, const Contract& contract, std::string where)
        : m_text(text), m_contract(contract), m_where(std::move(where)) {}

    Json read() {
        Json type = unionType();
        skipSpace();
        if (m_at != m_text.size())
            fail("unexpected text");
        return type;
    }

  private:
    Json unionType() {
        Json first = postfix();
        if (!take('|'))
            return first;
        Json choices = Json::array({std::move(first)});
        do
            choices.push_back(postfix());
        while (take('|'));
        return Json{{"union", std::move(choices)}};
    }
    Json postfix() {
        Json type = primary();
        while (take('[')) {
            if (!take(']'))
                fail("\"]\" expected");
            type = Json{{"array", std::move(type)}};
        }
        return type;
    }
    Json primary() {
        if (take('(')) {
            Json inner = unionType();
            if (!take(')'))
                fail("\")\" expected");
            return inner;
        }
        if (take('[')) {
            Json items = Json::array();
            do
                items.push_back(unionType());
            while (take(','));
            if (!take(']'))
                fail("\"]\" expected");
            return Json{{"tuple", std::move(items)}};
        }
        if (take('"')) {
            const std::size_t end = m_text.find('"', m_at);
            if (end == std::string_view::npos)
                fail("unclosed literal");
            const std::string word(m_text.substr(m_at, end - m_at));
            m_at = end + 1;
            return Json{{"literal", word}};
        }
        const std::size_t start = m_at;
        while (m_at < m_text.size() &&
               (std::isalnum(static_cast<unsigned char>(m_text[m_at])) || m_text[m_at] == '_'))
            ++m_at;
        const std::string name(m_text.substr(start, m_at - start));
        static const std::string builtIn[] = {"string", "number", "boolean",
                                              "null",   "void",   "Uint8Array"};
        if (name.empty())
            fail("a type expected");
        if (std::find(std::begin(builtIn), std::end(builtIn), name) == std::end(builtIn) &&
            !m_contract.has(name))
            fail(name + " is not declared");
        return Json{{"name", name}};
    }
    bool take(char c) {
        skipSpace();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    void skipSpace() {
        while (m_at < m_text.size() && m_text[m_at] == ' ')
            ++m_at;
    }
    [[noreturn]] void fail(const std::string& problem) const {
        ::fail(m_where + ": type \"" + std::string(m_text) + "\": " + problem);
    }

    std::string_view m_text;
    const Contract& m_contract;
    std::string m_where;
    std::size_t m_at = 0;
};

Json typeJson(std::string_view text, const Contract& contract, const std::string& where) {
    return TypeReader(text, contract, where).read();
}

// A union's variants cover its discriminant's words, each once.
void checkVariants(const Contract& contract, const Declared& value) {
    if (value.members.empty())
        fail("ContractValues.def: " + value.name +
             ": a union tells its variants apart by a member");
    const std::string& words = value.members.front().type;
    if (!contract.has(words) || contract.named(words).shape != Shape::Words)
        fail("ContractValues.def: " + value.name + ": " + words + " are no words");
    std::vector<std::string> wanted = contract.named(words).words;
    for (const std::string& variant : value.variants) {
        const auto found = std::find(wanted.begin(), wanted.end(), contract.named(variant).word);
        if (found == wanted.end())
            fail("ContractValues.def: " + variant + ": \"" + contract.named(variant).word +
                 "\" is no word of " + words + " left");
        wanted.erase(found);
    }
    if (!wanted.empty())
        fail("ContractValues.def: " + value.name + " has no variant for \"" + wanted.front() +
             "\"");
}

// -- the exports ------------------------------------------------------------------

struct Export {
    std::string_view name;
    std::string_view signature;
    std::string_view doc;
};

constexpr Export kSessionMethods[] = {
#define VANTREL_METHOD(name, signature, doc) {#name, signature, doc},
#define VANTREL_FUNCTION(name, signature, doc)
#include "wasm/Contract.def"
#undef VANTREL_METHOD
#undef VANTREL_FUNCTION
};

constexpr Export kModuleFunctions[] = {
#define VANTREL_METHOD(name, signature, doc)
#define VANTREL_FUNCTION(name, signature, doc) {#name, signature, doc},
#include "wasm/Contract.def"
#undef VANTREL_METHOD
#undef VANTREL_FUNCTION
};

// The result type of "name(arguments): Result".
std::string_view resultType(const Export& item) {
    int depth = 0;
    for (std::size_t i = item.signature.find('('); i < item.signature.size(); ++i) {
        depth += item.signature[i] == '(' ? 1 : item.signature[i] == ')' ? -1 : 0;
        if (depth == 0 && item.signature.substr(i, 3) == "): ")
            return item.signature.substr(i + 3);
    }
    fail("Contract.def: " + std::string(item.name) + ": the signature has no result");
}

Json resultTypes(const Export* exports, std::size_t count, const Contract& contract) {
    Json results = Json::object();
    for (std::size_t i = 0; i < count; ++i) {
        results[std::string(exports[i].name)] = typeJson(
            resultType(exports[i]), contract, "Contract.def: " + std::string(exports[i].name));
    }
    return results;
}

// -- the files -----------------------------------------------------------------------

void writeDoc(std::ostream& out, const std::string& doc, const char* indent) {
    if (!doc.empty())
        out << indent << "/** " << doc << " */\n";
}

void writeMembers(std::ostream& out, const std::vector<Member>& members) {
    for (const Member& member : members) {
        writeDoc(out, member.doc, "    ");
        out << "    " << member.name << (member.optional ? "?: " : ": ") << member.type << ";\n";
    }
}

void writeValues(std::ostream& out, const Contract& contract) {
    for (const Declared& value : contract.declared()) {
        out << '\n';
        writeDoc(out, value.doc, "");
        switch (value.shape) {
        case Shape::Words:
            out << "export type " << value.name << " =";
            for (std::size_t i = 0; i < value.words.size(); ++i)
                out << (i == 0 ? " \"" : " | \"") << value.words[i] << '"';
            out << ";\n";
            break;
        case Shape::Union:
            out << "export type " << value.name << " =";
            for (std::size_t i = 0; i < value.variants.size(); ++i)
                out << (i == 0 ? " " : " | ") << value.variants[i];
            out << ";\n";
            break;
        case Shape::Object:
            if (!value.word.empty()) {
                out << "export interface " << value.name << " {\n";
                writeMembers(out, contract.members(value));
            } else {
                out << "export interface " << value.name
                    << (value.base.empty() ? "" : " extends " + value.base) << " {\n";
                writeMembers(out, value.members);
            }
            out << "}\n";
            break;
        }
    }
}

void writeExports(std::ostream& out, const Export* exports, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        out << "    /** " << exports[i].doc << " */\n";
        out << "    " << exports[i].signature << ";\n";
    }
}

std::string declaration(const Contract& contract) {
    std::ostringstream out;
    out << "// SPDX-License-Identifier: GPL-3.0-or-later\n" << kContractHeader;
    writeValues(out, contract);
    out << "\n/** The one editing session of a page. */\nexport interface Session {\n";
    writeExports(out, kSessionMethods, std::size(kSessionMethods));
    out << "    delete(): void;\n}\n";
    out << "\nexport interface VantrelCore {\n"
           "    /** The class of every error the module throws, for instanceof. */\n"
           "    VantrelError: { new (message: string): VantrelError };\n"
           "    /** Throws when nothing of language.xml can be used or a value is of the wrong "
           "kind. */\n"
           "    Session: { new (languageXml: string, options?: SessionOptions, settings?: "
           "SettingsStorage): Session };\n";
    writeExports(out, kModuleFunctions, std::size(kModuleFunctions));
    out << "    /** The largest seem file (5000). */\n    readonly maxFileSize: number;\n"
           "    /** How often the page called into the module, and was told of a change. */\n"
           "    readonly crossings: { readonly calls: number; readonly pushes: number };\n}\n";
    return out.str();
}

// The values as the tests check them: each type, and what each export returns.
std::string schema(const Contract& contract) {
    Json types = Json::object();
    for (const Declared& value : contract.declared()) {
        Json type = Json::object();
        switch (value.shape) {
        case Shape::Words:
            type["words"] = value.words;
            break;
        case Shape::Union: {
            checkVariants(contract, value);
            Json variants = Json::object();
            for (const std::string& variant : value.variants)
                variants[contract.named(variant).word] = variant;
            type["discriminant"] = value.members.front().name;
            type["variants"] = std::move(variants);
            break;
        }
        case Shape::Object: {
            Json members = Json::object();
            for (const Member& member : contract.members(value)) {
                members[member.name] = {
                    {"type", typeJson(member.type, contract,
                                      "ContractValues.def: " + value.name + "." + member.name)},
                    {"optional", member.optional}};
            }
            type["members"] = std::move(members);
            break;
        }
        }
        types[value.name] = std::move(type);
    }
    const Json json = {
        {"types", std::move(types)},
        {"Session", resultTypes(kSessionMethods, std::size(kSessionMethods), contract)},
        {"module", resultTypes(kModuleFunctions, std::size(kModuleFunctions), contract)}};
    return json.dump(1, '\t') + "\n";
}

struct StringId {
    std::string_view name;
    int number;
};

constexpr StringId kStringIds[] = {
#define VANTREL_UI_STRING(name, number) {#name, number},
#include "core/i18n/UiStringList.def"
#undef VANTREL_UI_STRING
};

// The ids as a module both node and a bundler load, with its declaration.
std::string stringIds() {
    std::ostringstream out;
    out << "// SPDX-License-Identifier: GPL-3.0-or-later\n"
           "// The string-table entries by the core's names, generated at build time from\n"
           "// src/core/i18n/UiStringList.def; do not edit.\n"
           "export const UiString = Object.freeze({\n";
    for (const StringId& id : kStringIds)
        out << "    " << id.name << ": " << id.number << ",\n";
    out << "});\n";
    return out.str();
}

std::string stringIdsDeclaration() {
    std::ostringstream out;
    out << "// SPDX-License-Identifier: GPL-3.0-or-later\n"
           "// The declaration of ui-strings.js, generated with it; do not edit.\n"
           "export declare const UiString: {\n";
    for (const StringId& id : kStringIds)
        out << "    readonly " << id.name << ": " << id.number << ";\n";
    out << "};\n\nexport type UiString = (typeof UiString)[keyof typeof UiString];\n";
    return out.str();
}

bool write(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        std::cerr << "vantrel-contract: cannot write " << path << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vantrel-contract OUTPUT_FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    const Contract contract(description());
    const std::string checked = schema(contract);
    const bool written = write(folder + "/vantrel-core.d.ts", declaration(contract)) &&
                         write(folder + "/vantrel-core.schema.json", checked) &&
                         write(folder + "/ui-strings.js", stringIds()) &&
                         write(folder + "/ui-strings.d.ts", stringIdsDeclaration());
    return written ? 0 : 2;
}
