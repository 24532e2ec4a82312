// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The head of vantrel-core.d.ts: how the module is loaded and what it throws,
// and the one value the page implements itself. The generator
// (contract/ContractGenerator.cpp) writes the values of ContractValues.def
// after it, then the functions listed in Contract.def; a page that reads a
// value another way fails its type check against that file.
namespace vantrel::wasm {

inline constexpr std::string_view kContractHeader =
    R"ts(// The JavaScript face of vantrel-core.wasm: one editing session of the
// editor's core for a web page or node. Generated at build time from
// src/wasm/Contract.def, src/wasm/ContractValues.def and
// src/wasm/ContractTypes.h; do not edit.
//
//   import createVantrelCore from "./vantrel-core.js";
//   const core = await createVantrelCore();               // browser: fetches vantrel-core.wasm beside the .js
//   const core = await createVantrelCore({ wasmBinary }); // node: hand it the file's bytes
//   const session = new core.Session(languageXml, { systemLcid }, localStorage);
//
// XML (language.xml, definitions) is parsed by the host's DOMParser; node has
// none: set globalThis.DOMParser first (the tests use @xmldom/xmldom's).
//
// Every refusal (a file too large, broken XML, a value of the wrong kind, a
// title too long, ...) is thrown as a VantrelError whose message is the text
// the desktop shows, in the session's language. The module never aborts on
// bad input. A Session holds memory inside the module: delete() it when done.
import type { UiString } from "./ui-strings";

export interface VantrelCoreOptions {
    /** The bytes of vantrel-core.wasm; without them the loader fetches the file. */
    wasmBinary?: ArrayBuffer | Uint8Array;
    /** Where to find vantrel-core.wasm (as emscripten's locateFile). */
    locateFile?: (path: string, prefix: string) => string;
}

export default function createVantrelCore(options?: VantrelCoreOptions): Promise<VantrelCore>;

/** error.name is "VantrelError"; error.message is the desktop's text. */
export interface VantrelError extends Error {
    name: "VantrelError";
}

/** Where the session keeps the user's settings ("language", "ShowTip"): localStorage will do. */
export interface SettingsStorage {
    getItem(key: string): string | null;
    setItem(key: string, value: string): void;
    removeItem?(key: string): void;
}
)ts";

} // namespace vantrel::wasm
