// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly core's JavaScript API as a web page uses it.
import assert from "node:assert/strict";
import { before, describe, test } from "node:test";

import { loadCore, openDocument, readData, readSample } from "./core.mjs";

let core;
before(async () => {
    core = await loadCore();
});

function switches(node, found = []) {
    if (node.kind === "switch") found.push(node);
    node.children.forEach((child) => switches(child, found));
    return found;
}

function throwsVantrel(action, pattern) {
    assert.throws(action, (error) => error.name === "VantrelError" && pattern.test(error.message));
}

describe("opening", () => {
    test("each sample opens as its type's editor", () => {
        const kinds = {
            "0032_0001.seem": "function", "004a_0001.seem": "style", "0061_0001.seem": "outertext",
            "01a8_0001.seem": "gprs", "0a1c_0001.seem": "volume", "0d51_0001.seem": "color",
        };
        for (const [sample, kind] of Object.entries(kinds)) {
            const document = openDocument(core, sample);
            assert.equal(document.type().type, kind, sample);
            assert.equal(document.editorModel().kind, kind, sample);
            assert.equal(document.editorModel().complete, true, sample);
            assert.equal(document.name, sample);
            assert.equal(document.cellCount(), readSample(sample).length);
            assert.equal(document.isModified(), false);
            document.delete();
        }
    });

    test("too large, empty and unmatched files get the desktop's answers", () => {
        const document = openDocument(core, "0032_0001.seem");
        throwsVantrel(() => document.open(new Uint8Array(5001), "big.seem"), /5000|too large|larger/i);
        assert.equal(core.maxFileSize, 5000);
        throwsVantrel(() => document.open(new Uint8Array(0), "empty.seem"), /empty\.seem/);
        assert.equal(document.name, "0032_0001.seem", "a refusal leaves the open file");
        document.open(new Uint8Array(5000), "plain.seem");
        assert.equal(document.type(), null);
        assert.equal(document.editorModel().kind, "none");
        document.delete();
    });

    test("broken or hostile definitions are refused and the old ones kept", () => {
        const document = openDocument(core, "0032_0001.seem");
        throwsVantrel(() => document.loadDefinitions("<seems><seem></seems>", "mine.xml"), /mine\.xml/);
        const bomb = `<!DOCTYPE s [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">
            <!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;"><!ENTITY d "&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;">
            <!ENTITY e "&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;"><!ENTITY f "&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;">
            <!ENTITY g "&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;"><!ENTITY h "&g;&g;&g;&g;&g;&g;&g;&g;&g;&g;">]>
            <seems><seem ID="&h;" size="120" tip="t" type="function"/></seems>`;
        const external = `<!DOCTYPE s [<!ENTITY x SYSTEM "file:///etc/passwd">]>
            <seems><seem ID="&x;" size="120" tip="t" type="function"/></seems>`;
        for (const text of [bomb, external]) {
            try {
                document.loadDefinitions(text, "hostile.xml");
                assert.ok(document.type().id.length < 100, "no entity was expanded");
                assert.doesNotMatch(document.type().id, /root:/);
            } catch (error) {
                assert.equal(error.name, "VantrelError");
            }
        }
        const deep = "<seems>" + "<a>".repeat(100000) + "</a>".repeat(100000) + "</seems>";
        try {
            document.loadDefinitions(deep, "deep.xml");
            assert.equal(document.type(), null);
        } catch (error) {
            assert.equal(error.name, "VantrelError");
        }
        document.loadDefinitions(readData("seem_en.xml"), "seem_en.xml");
        assert.equal(document.type().type, "function");
        document.delete();
    });
});

describe("editing", () => {
    test("switches and typing are named undo steps", () => {
        const document = openDocument(core, "0032_0001.seem");
        const sound = switches(document.editorModel().root)[0];
        document.setSwitch(sound.key, !sound.on);
        assert.equal(switches(document.editorModel().root)[0].on, !sound.on);
        assert.equal(document.undoName(), "Switch");
        assert.ok(document.isModified());
        document.undo();
        assert.equal(document.isModified(), false);
        assert.equal(document.redoName(), "Switch");
        document.redo();
        document.setCellText(0, "7");
        assert.equal(document.undoName(), "Typing");
        assert.equal(document.cellText(0), "7");
        throwsVantrel(() => document.setSwitch("n_77_9", true), /n_77_9/);
        throwsVantrel(() => document.setStyle("04_01_00", true), /editor/i);
        document.delete();
    });

    test("the grid's cursor types across cells, each cell one undo step", () => {
        const document = openDocument(core, "0032_0001.seem");
        const second = document.cellText(1);
        document.focusCell(0);
        assert.equal(document.typeCharacter("a"), null);
        assert.equal(document.typeCharacter("x"), null, "not a digit: dropped");
        document.typeCharacter("b");
        assert.equal(document.typeCharacter("1"), 1, "the third digit goes on to the next cell");
        assert.deepEqual([document.cellText(0), document.cellText(1)[0], document.caret()], ["AB", "1", 1]);
        document.undo();
        assert.deepEqual([document.cellText(0), document.cellText(1)], ["AB", second]);
        assert.equal(document.moveCursor("down"), 17);
        assert.equal(document.moveCursor("end"), null);
        document.backspace();
        assert.equal(document.cellText(17).length, 1);
        document.delete();
    });

    test("style, volume, colour and title edit their cells", () => {
        const style = openDocument(core, "004a_0001.seem");
        const row = style.editorModel().rows[0];
        style.setStyle(row.key, !row.on);
        assert.equal(style.editorModel().rows[0].on, !row.on);
        assert.equal(style.undoName(), "Style");
        style.delete();

        const volume = openDocument(core, "0a1c_0001.seem");
        const item = volume.editorModel().items[1];
        volume.setVolume(1, item.min);
        volume.setVolume(1, item.max);
        assert.equal(volume.editorModel().items[1].position, item.max);
        volume.undo();
        assert.equal(volume.editorModel().items[1].position, item.position, "a drag is one step");
        throwsVantrel(() => volume.setVolume(1, item.max + 1), /outside/);
        volume.resetVolumes();
        assert.deepEqual(volume.editorModel().items.map((i) => i.position),
            volume.editorModel().items.map((i) => i.default));
        volume.delete();

        const color = openDocument(core, "0d51_0001.seem");
        const entry = color.editorModel().groups[0].entries[0];
        color.setColor(entry.key, "#12aB34");
        assert.equal(color.editorModel().groups[0].entries[0].rgb, "#12AB34");
        assert.equal(color.undoName(), core.uiString(65));
        throwsVantrel(() => color.setColor(entry.key, "blue"), /blue/);
        assert.equal(color.setTransparency(entry.key, "300"), "100");
        assert.equal(color.editorModel().groups[0].entries[0].transparency, 100);
        color.setTitle("Mine");
        assert.equal(color.editorModel().title, "Mine");
        throwsVantrel(() => color.setTitle("Too long"), /five|5/);
        color.delete();
    });

    test("the bytes to save follow the edits, and a bad cell stops the save", () => {
        const document = openDocument(core, "0a1c_0001.seem");
        const original = readSample("0a1c_0001.seem");
        assert.deepEqual(document.bytesToSave(), original);
        document.setVolume(0, 1);
        const bytes = document.bytesToSave();
        assert.equal(bytes[4], 1);
        document.markSaved();
        assert.equal(document.isModified(), false);
        assert.deepEqual(document.savedBytes(), bytes);
        document.setCellText(3, "XY");
        throwsVantrel(() => document.bytesToSave(), /offset 3/);
        document.delete();
    });

    test("a listener hears of every changed cell", () => {
        const document = openDocument(core, "0a1c_0001.seem");
        const heard = [];
        document.onCellChanged((index) => heard.push(index));
        document.setVolume(2, 0);
        document.undo();
        document.open(readSample("0a1c_0001.seem"), "again.seem");
        assert.deepEqual(heard, [12, 12, -1]);
        document.onCellChanged(null);
        document.setVolume(2, 1);
        assert.equal(heard.length, 3);
        document.delete();
    });
});

describe("tools", () => {
    test("generators make the records", () => {
        const record = core.outerTextRecord("  Hello  ");
        assert.equal(record.length, 34);
        assert.deepEqual([...record.slice(0, 4)], [0, 72, 0, 101]);
        assert.deepEqual(core.outerTextInfo("ABCDEFGHIJ"), { stored: "ABCDEFGH", cut: true, fitsScreen: true });
        assert.deepEqual([...core.gprsRecord("date", "")], new Array(26).fill(0));
        assert.equal(core.gprsRecord("text", "Hi")[1], 72);
        throwsVantrel(() => core.gprsRecord("loud", ""), /loud/);
        const gprs = openDocument(core, "01a8_0001.seem");
        assert.deepEqual(gprs.gprsPrefill(), { mode: gprs.editorModel().mode, text: gprs.editorModel().text });
        gprs.delete();
    });

    test("comparing takes the other's value and recipes carry settings over", () => {
        const ours = openDocument(core, "0032_0001.seem");
        const theirs = openDocument(core, "0032_0001.seem");
        const [first, second] = switches(theirs.editorModel().root);
        theirs.setSwitch(first.key, !first.on);
        theirs.setSwitch(second.key, !second.on);
        const comparison = ours.compare(theirs);
        assert.equal(comparison.bySettings, true);
        assert.deepEqual(comparison.differences.map((d) => d.kind), ["switch", "switch"]);
        ours.takeOther(theirs, 0);
        assert.equal(ours.undoName(), core.uiString(98));
        assert.equal(ours.compare(theirs).differences.length, 1);
        ours.undo();

        const recipe = ours.recipeTo(theirs);
        const dry = ours.applyRecipe(recipe, { dryRun: true });
        assert.equal(dry.changes.length, 2);
        assert.equal(dry.changed, false);
        assert.equal(ours.isModified(), false);
        ours.applyRecipe(recipe);
        assert.deepEqual(ours.bytesToSave(), theirs.bytesToSave());
        assert.equal(ours.undoName(), core.uiString(159));

        const fresh = openDocument(core, "0032_0001.seem");
        fresh.applyRecipe(theirs.exportRecipe());
        assert.deepEqual(fresh.bytesToSave(), theirs.bytesToSave());
        throwsVantrel(() => fresh.applyRecipe("{", {}), /.+/);
        const other = openDocument(core, "004a_0001.seem");
        throwsVantrel(() => ours.recipeTo(other), /size/);
        [ours, theirs, fresh, other].forEach((document) => document.delete());
    });

    test("seem folders are matched by exact size and compared file by file", () => {
        const document = openDocument(core, "0032_0001.seem");
        const volume = readSample("0a1c_0001.seem");
        const items = document.scanSeemFolder([
            { name: "0a1c_0001.seem", size: volume.length }, { name: ".hidden.seem", size: 120 },
            { name: "long.seem", size: 121 }, { name: "notes.txt", size: 120 },
        ]);
        const offered = Object.fromEntries(items.map((item) => [item.type, item.file]));
        assert.equal(offered.volume, "0a1c_0001.seem");
        assert.equal(offered.function, null, "hidden, a byte too long, or not a seem name: none offered");

        const changed = openDocument(core, "0032_0001.seem");
        const sound = switches(changed.editorModel().root)[0];
        changed.setSwitch(sound.key, !sound.on);
        const folder = (name, files) => ({ folder: name, files });
        const result = document.compareFolders(
            folder("monday", [{ name: "0032_0001.seem", bytes: readSample("0032_0001.seem") },
                { name: "gone.seem", bytes: volume }]),
            folder("friday", [{ name: "0032_0001.SEEM", bytes: changed.bytesToSave() },
                { name: "big.seem", bytes: new Uint8Array(5001) }]));
        assert.deepEqual(result.changed.map((pair) => [pair.oursName, pair.theirsName,
            pair.comparison.differences.length]), [["0032_0001.seem", "0032_0001.SEEM", 1]]);
        assert.deepEqual([result.onlyInOurs, result.onlyInTheirs], [["gone.seem"], ["big.seem"]]);
        assert.ok(document.scanSeemFolder([null, 5, { name: 3, size: "1" }]).every((item) => item.file === null));
        assert.equal(document.compareFolders({ files: [{ name: "a.seem", bytes: 7 }] }, null).same, 0);
        [document, changed].forEach((each) => each.delete());
    });

    test("coverage names what each byte holds", () => {
        const document = openDocument(core, "0032_0001.seem");
        const coverage = document.coverage();
        assert.equal(coverage.describedBits.length, document.cellCount());
        assert.equal(coverage.describedBits[0x1a], 0xff);
        const info = document.byteInfo(0x1a);
        assert.match(info.text, /Sound/);
        assert.equal(coverage.items[info.items[0]].name, "Keys/Sound");
        throwsVantrel(() => document.byteInfo(5000), /5000/);
        document.delete();
    });

    test("the language in use names steps and messages", () => {
        const language = new core.Language(readData("language.xml"), { index: 1 });
        assert.equal(language.index, 1);
        assert.equal(language.languages().length, 2);
        core.setLanguage(language);
        const document = openDocument(core, "004a_0001.seem");
        const row = document.editorModel().rows[0];
        document.setStyle(row.key, !row.on);
        assert.equal(document.undoName(), language.string(52));
        assert.notEqual(document.undoName(), "Style");
        const english = new core.Language(readData("language.xml"), { index: 0 });
        core.setLanguage(english);
        assert.equal(document.undoName(), "Style");
        assert.equal(core.lcidForLocale("de-DE"), 0x407);
        throwsVantrel(() => new core.Language("<languages>", {}), /language\.xml/);
        document.delete();
        language.delete();
        english.delete();
    });
});
