// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the WebAssembly core for a node test, with the XML parser a browser
// would give it, and the shipped data the tests open.
import { existsSync, readFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";

import { DOMParser } from "@xmldom/xmldom";

import { checkContract, loadSchema } from "./contract.mjs";

export const sourceDir = process.env.VANTREL_SOURCE_DIR ?? join(dirname(fileURLToPath(import.meta.url)), "../..");
export const buildDir = process.env.VANTREL_WASM_BUILD ?? join(sourceDir, "build-wasm");
export const dataDir = join(sourceDir, "data");
export const samplesDir = join(dataDir, "samples");

// The core, checking every value it hands over against its contract unless
// checked is false (where only its own cost is measured).
export async function loadCore({ checked = true } = {}) {
    globalThis.DOMParser ??= DOMParser;
    const loader = join(buildDir, "vantrel-core.js");
    if (!existsSync(loader))
        throw new Error(`${loader} is missing: build the target vantrel-core first`);
    const { default: createVantrelCore } = await import(pathToFileURL(loader));
    const core = await createVantrelCore({ wasmBinary: readFileSync(join(buildDir, "vantrel-core.wasm")) });
    return checked ? checkContract(core, loadSchema(buildDir)) : core;
}

// The string ids the page uses, generated with the module.
export async function loadStringIds() {
    return (await import(pathToFileURL(join(buildDir, "ui-strings.js")))).UiString;
}

export function readData(name) {
    return readFileSync(join(dataDir, name), "utf8");
}

export function readSample(name) {
    return new Uint8Array(readFileSync(join(samplesDir, name)));
}

// Settings kept in a Map, as a page keeps them in localStorage.
export function memoryStorage(entries = []) {
    const values = new Map(entries);
    return {
        values,
        getItem: (key) => values.get(key) ?? null,
        setItem: (key, value) => values.set(key, String(value)),
        removeItem: (key) => values.delete(key),
    };
}

// A session of the core in English with the English definitions and, when
// given, a sample open (tips off unless the settings say otherwise).
export function openSession(core, sample, storage = memoryStorage([["ShowTip", "0"]])) {
    const session = new core.Session(readData("language.xml"), { systemLcid: 0x409 }, storage);
    session.loadDefinitions(readData("seem_en.xml"), "seem_en.xml");
    if (sample !== undefined) session.open(readSample(sample), sample);
    return session;
}
