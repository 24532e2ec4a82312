// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly core against the native vantrel-cli: for every sample and
// the files made from them (other bytes, one byte longer, the largest file),
// both decode the same settings, and the same edit gives the same bytes.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, test } from "node:test";

import { dataDir, loadCore, openSession, readSample, samplesDir } from "./core.mjs";

const nativeBuild = process.env.VANTREL_NATIVE_BUILD ?? "";
const cli = join(nativeBuild, "vantrel-cli");
if (!nativeBuild || !existsSync(cli)) {
    console.log(`SKIP: no native vantrel-cli (VANTREL_NATIVE_BUILD="${nativeBuild}")`);
    process.exit(77);
}

const definitions = join(dataDir, "seem_en.xml");
const folder = mkdtempSync(join(tmpdir(), "vantrel-differential-"));
let core;
before(async () => {
    core = await loadCore();
});
after(() => rmSync(folder, { recursive: true, force: true }));

function runCli(...args) {
    return execFileSync(cli, ["--definitions", definitions, ...args], { encoding: "utf8", stdio: ["ignore", "pipe", "pipe"] });
}

// A small fixed generator, so that every run makes the same files.
function randomBytes(length, seed) {
    const bytes = new Uint8Array(length);
    let state = seed;
    for (let i = 0; i < length; ++i) {
        state = (state * 1103515245 + 12345) >>> 0;
        bytes[i] = state >>> 24;
    }
    return bytes;
}

function fixtures() {
    const files = [];
    for (const name of readdirSync(samplesDir).sort()) {
        const bytes = readSample(name);
        files.push({ name, bytes });
        files.push({ name: `random-${name}`, bytes: randomBytes(bytes.length, bytes.length) });
        files.push({ name: `longer-${name}`, bytes: new Uint8Array([...bytes, 0x5a]) });
    }
    files.push({ name: "largest.seem", bytes: randomBytes(5000, 7) });
    return files.map((file) => {
        const path = join(folder, file.name);
        writeFileSync(path, file.bytes);
        return { ...file, path };
    });
}

// What vantrel-cli --json show prints for a file, from the session's model.
function decoded(session) {
    const model = session.model();
    const { type } = session.state().file;
    const shown = { id: type.id, type: type.type };
    const nodes = (parent) => parent.children.map((node) => ({
        id: node.text, kind: node.kind, ...(node.kind === "switch" ? { on: node.on } : {}),
        children: nodes(node),
    }));
    switch (model.kind) {
    case "function":
        return { ...shown, items: nodes(model.root) };
    case "style":
        return { ...shown, items: model.rows.map((row) => ({ id: row.text, on: row.on })) };
    case "volume":
        return { ...shown, items: model.items.map((item) => {
            const value = item.stored >= 0 ? item.stored : item.position;
            return { id: item.caption, value, in_range: value >= item.min && value <= item.max,
                     min: item.min, max: item.max, default: item.default };
        }) };
    case "color":
        return { ...shown, title: model.title, colors: model.groups.flatMap((group) =>
            group.entries.map((entry) => ({ group: group.caption, entry: entry.caption,
                                            rgb: entry.rgb, transparency: entry.transparency }))) };
    case "outertext":
        return { ...shown, text: model.text };
    case "gprs":
        return { ...shown, mode: model.mode, text: model.text };
    }
    return shown;
}

function switchPaths(node, prefix = "", found = []) {
    for (const child of node.children) {
        const path = prefix ? `${prefix}/${child.text}` : child.text;
        if (child.kind === "switch") found.push({ path, key: child.key, on: child.on });
        switchPaths(child, path, found);
    }
    return found;
}

// The edits each editor can make, as [cli arguments, the same through the session].
function edits(session) {
    const model = session.model();
    switch (model.kind) {
    case "function":
        return switchPaths(model.root).map((item) => [
            ["switch", item.path, item.on ? "off" : "on"], (d) => d.setSwitch(item.key, !item.on)]);
    case "style":
        return model.rows.map((row) => [
            ["style", row.text, row.on ? "off" : "on"], (d) => d.setStyle(row.key, !row.on)]);
    case "volume":
        return model.items.map((item) => [
            ["volume", item.caption.replace(/:$/, ""), String(item.max)], (d) => d.setVolume(item.key, item.max)]);
    case "color": {
        const group = model.groups.at(-1);
        const entry = group.entries.at(-1);
        return [
            [["color", `${group.caption}/${entry.caption}`, "#1A2B3C", "--transparency", "37.5"],
             (d) => { d.setColorText(entry.key, "#1A2B3C"); d.setTransparencyText(entry.key, "37.5"); }],
            [["title", "Eve"], (d) => d.setTitle("Eve")],
        ];
    }
    }
    return [];
}

test("every file decodes to the same settings", async () => {
    for (const file of fixtures()) {
        const [shown] = JSON.parse((() => {
            try {
                return runCli("--json", "show", file.path);
            } catch (failure) {
                return failure.stdout;
            }
        })());
        const session = openSession(core);
        session.open(file.bytes, file.name);
        if (session.state().file.type === null) {
            assert.ok(shown.error, `${file.name}: vantrel-cli found a type the module did not`);
        } else {
            delete shown.path;
            assert.deepEqual(decoded(session), shown, file.name);
        }
        session.delete();
    }
});

test("the same edit gives the same bytes", async () => {
    let count = 0;
    for (const file of fixtures()) {
        const probe = openSession(core);
        probe.open(file.bytes, file.name);
        const list = probe.state().file.type ? edits(probe) : [];
        probe.delete();
        for (const [args, edit] of list) {
            const output = join(folder, "edited.seem");
            const [command, ...rest] = args;
            runCli(command, file.path, ...rest, "-o", output);
            const session = openSession(core);
            session.open(file.bytes, file.name);
            edit(session);
            assert.deepEqual(session.bytesToSave(), new Uint8Array(readFileSync(output)),
                             `${file.name}: ${args.join(" ")}`);
            session.delete();
            ++count;
        }
    }
    const session = openSession(core);
    for (const [args, bytes] of [
        [["outertext", "Hello world"], session.generateOuterText("Hello world").bytes],
        [["gprs", "--text", "On air"], session.generateGprs("text", "On air").bytes],
        [["gprs", "--date"], session.generateGprs("date", "").bytes],
    ]) {
        const output = join(folder, "generated.seem");
        execFileSync(cli, [...args, "-o", output], { stdio: "pipe" });
        assert.deepEqual(bytes, new Uint8Array(readFileSync(output)), args.join(" "));
        ++count;
    }
    session.delete();
    console.log(`${count} edits compared`);
});
