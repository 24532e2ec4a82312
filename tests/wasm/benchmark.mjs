// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what a web page pays for the core: the size of vantrel-core.js and
// .wasm (raw and gzip), and the time to open a 5000-byte file and hand the
// page its cells and editor's model (median of runs). node tests/wasm/benchmark.mjs
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { performance } from "node:perf_hooks";
import { gzipSync } from "node:zlib";

import { buildDir, loadCore, openSession, readData, samplesDir } from "./core.mjs";

for (const name of ["vantrel-core.js", "vantrel-core.wasm"]) {
    const bytes = readFileSync(join(buildDir, name));
    console.log(`${name}: ${bytes.length} bytes, ${gzipSync(bytes, { level: 9 }).length} gzip`);
}

// The largest file there can be, of a function type with a switch for every
// bit of its first 1000 bytes, in 125 folders.
let definitions = readData("seem_en.xml");
let folders = "";
for (let folder = 0; folder < 125; ++folder) {
    let items = "";
    for (let bit = 0; bit < 64; ++bit) {
        const offset = (folder * 8 + Math.floor(bit / 8)).toString(16);
        items += `<item ID="Switch ${bit}" offset="${offset}" bit="${bit % 8}" tip="Bit ${bit % 8} of byte ${offset}."/>`;
    }
    folders += `<folder ID="Folder ${folder}" tip="Switches ${folder}.">${items}</folder>`;
}
definitions = definitions.replace(/<\/seems>\s*$/,
    `<seem ID="ffff_0001" size="5000" tip="Largest" type="function">${folders}</seem></seems>`);

const core = await loadCore({ checked: false });

function measure(what, definitionsText, bytes, name) {
    const session = openSession(core);
    session.loadDefinitions(definitionsText, "definitions.xml");
    // What a page hears of an opening: the change with every cell and the model.
    if (!process.env.QUIET) session.setListener(() => undefined);
    const times = [];
    for (let run = 0; run < 101; ++run) {
        const start = performance.now();
        session.open(bytes, name);
        times.push(performance.now() - start);
    }
    times.sort((a, b) => a - b);
    console.log(`${what}: median ${times[50].toFixed(2)} ms, fastest ${times[0].toFixed(2)} ms, ` +
                `slowest ${times[100].toFixed(2)} ms`);
    session.delete();
}

const largest = new Uint8Array(5000).map((_, i) => (i * 37) & 0xff);
measure("open 5000 bytes + editor model, shipped definitions (no type that size)",
        readData("seem_en.xml"), largest, "large.seem");
measure("open 0032_0001.seem + its function tree, shipped definitions", readData("seem_en.xml"),
        new Uint8Array(readFileSync(join(samplesDir, "0032_0001.seem"))), "0032_0001.seem");
measure("open 5000 bytes + editor model of 8000 switches", definitions, largest, "ffff_0001.seem");
