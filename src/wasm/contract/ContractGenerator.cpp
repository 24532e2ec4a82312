// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the page's contract from the lists the module is built from:
// vantrel-core.d.ts (the types of ContractTypes.h and every export of
// Contract.def) and ui-strings.js with its declaration (the string ids of
// UiStringList.def).
//   vantrel-contract OUTPUT_FOLDER
#include "wasm/ContractTypes.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

namespace {

struct Export {
    std::string_view signature;
    std::string_view doc;
};

constexpr Export kSessionMethods[] = {
#define VANTREL_METHOD(name, signature, doc) {signature, doc},
#define VANTREL_FUNCTION(name, signature, doc)
#include "wasm/Contract.def"
#undef VANTREL_METHOD
#undef VANTREL_FUNCTION
};

constexpr Export kModuleFunctions[] = {
#define VANTREL_METHOD(name, signature, doc)
#define VANTREL_FUNCTION(name, signature, doc) {signature, doc},
#include "wasm/Contract.def"
#undef VANTREL_METHOD
#undef VANTREL_FUNCTION
};

struct StringId {
    std::string_view name;
    int number;
};

constexpr StringId kStringIds[] = {
#define VANTREL_UI_STRING(name, number) {#name, number},
#include "core/i18n/UiStringList.def"
#undef VANTREL_UI_STRING
};

void writeExports(std::ostream& out, const Export* exports, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        out << "    /** " << exports[i].doc << " */\n";
        out << "    " << exports[i].signature << ";\n";
    }
}

std::string declaration() {
    std::ostringstream out;
    out << "// SPDX-License-Identifier: GPL-3.0-or-later\n" << vantrel::wasm::kContractHeader;
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
    const bool written = write(folder + "/vantrel-core.d.ts", declaration()) &&
                         write(folder + "/ui-strings.js", stringIds()) &&
                         write(folder + "/ui-strings.d.ts", stringIdsDeclaration());
    return written ? 0 : 2;
}
