// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly core's JavaScript API as a web page uses it: one session,
// its answers, the changes it pushes, and its checks of what it is handed.
import assert from "node:assert/strict";
import { before, describe, test } from "node:test";

import { loadSchema, problemsOf } from "./contract.mjs";
import { buildDir, loadCore, loadStringIds, memoryStorage, openSession, readData, readSample } from "./core.mjs";

let core;
let UiString;
before(async () => {
    core = await loadCore();
    UiString = await loadStringIds();
});

function switches(node, found = []) {
    if (node.kind === "switch") found.push(node);
    node.children.forEach((child) => switches(child, found));
    return found;
}

function throwsVantrel(action, pattern) {
    assert.throws(action, (error) => error.name === "VantrelError" && pattern.test(error.message));
}

// The session with a listener that keeps every change it is told.
function listened(sample) {
    const session = openSession(core, sample);
    const changes = [];
    session.setListener((change) => changes.push(change));
    return { session, changes };
}

describe("opening", () => {
    test("each sample gets its editor or generator; only an editor's file is open", () => {
        const kinds = {
            "0032_0001.seem": "function", "004a_0001.seem": "style", "0061_0001.seem": "outertext",
            "01a8_0001.seem": "gprs", "0a1c_0001.seem": "volume", "0d51_0001.seem": "color",
        };
        const session = openSession(core);
        for (const [sample, kind] of Object.entries(kinds)) {
            const opened = session.open(readSample(sample), sample);
            assert.deepEqual([opened.opened, opened.editor, opened.message], [true, kind, null], sample);
            assert.equal(session.model().kind, kind, sample);
            assert.equal(session.fileOpen(), kind !== "outertext" && kind !== "gprs", sample);
        }
        session.delete();
    });

    test("refusals, a type without an editor and the tip are the core's answers", () => {
        const storage = memoryStorage();
        const session = openSession(core, "0032_0001.seem", storage);
        const big = session.open(new Uint8Array(5001), "big.seem");
        assert.deepEqual([big.opened, big.message.text], [false, session.string(UiString.TooLarge)]);
        assert.match(session.open(new Uint8Array(0), "empty.seem").message.text, /empty\.seem/);
        assert.equal(session.state().file.name, "0032_0001.seem", "a refusal leaves the open file");
        const tipped = session.open(readSample("0032_0001.seem"), "again.seem");
        assert.equal(tipped.tip.typeId, "0032_0001");
        session.setTipsOn(false);
        assert.equal(storage.values.get("ShowTip"), "0");
        assert.equal(session.open(readSample("0032_0001.seem"), "again.seem").tip, null);
        const definitions = readData("seem_en.xml").replace('type="function"', 'type="keypad"');
        session.loadDefinitions(definitions, "mine.xml");
        const plain = session.open(readSample("0032_0001.seem"), "keypad.seem");
        assert.deepEqual([plain.editor, plain.message.text], ["none", session.string(UiString.TypeWithoutEditor)]);
        assert.equal(session.fileOpen(), true, "bytes alone are an open file");
        session.delete();
    });

    test("broken or hostile definitions are refused and the old ones kept", () => {
        const session = openSession(core, "0032_0001.seem");
        throwsVantrel(() => session.loadDefinitions("<seems><seem></seems>", "mine.xml"), /mine\.xml/);
        const bomb = `<!DOCTYPE s [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">
            <!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;"><!ENTITY d "&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;">]>
            <seems><seem ID="&d;" size="120" tip="t" type="function"/></seems>`;
        try {
            session.loadDefinitions(bomb, "hostile.xml");
            assert.ok(session.state().file.type.id.length < 100, "no entity was expanded");
        } catch (error) {
            assert.equal(error.name, "VantrelError");
        }
        session.loadDefinitions(readData("seem_en.xml"), "seem_en.xml");
        assert.equal(session.model().kind, "function");
        session.delete();
    });
});

describe("edits and what they push", () => {
    test("a switch under a switch is reached by key; each edit is one named step", () => {
        const { session, changes } = listened("0032_0001.seem");
        const nested = switches(session.model().root).find((node) => node.children.some((c) => c.kind === "switch"));
        assert.ok(nested, "the sample has a switch with switches under it");
        const inner = nested.children[0];
        session.toggleSwitch(inner.key);
        assert.equal(changes.length, 1, "one push a call");
        const [change] = changes;
        assert.deepEqual(change.settings.find((s) => s.key === inner.key), { key: inner.key, on: !inner.on });
        assert.deepEqual(change.history, { canUndo: true, canRedo: false, undo: "Undo Switch", redo: "Redo" });
        assert.equal(change.modified, true);
        assert.equal(change.model, undefined, "the model is not sent again");
        session.undo();
        assert.equal(changes.at(-1).modified, false);
        throwsVantrel(() => session.setSwitch("n_77_9", true), /n_77_9/);
        throwsVantrel(() => session.setStyle("04_01_00", true), /.+/);
        session.delete();
    });

    test("a typed digit is pushed with its cell, cursor and status; each cell one step", () => {
        const { session, changes } = listened("0032_0001.seem");
        const second = session.cellTexts()[1];
        session.focusCell(0);
        assert.equal(session.typeCharacter("a"), null);
        const typed = changes.at(-1);
        assert.deepEqual([typed.cells, typed.texts[0][0], typed.cursor.cell, typed.cursor.caret], [[0], "A", 0, 1]);
        assert.match(typed.cursor.status, /A/);
        assert.equal(session.typeCharacter("x"), null, "not a digit: dropped");
        session.typeCharacter("b");
        assert.equal(session.typeCharacter("1"), 1, "the third digit goes on to the next cell");
        assert.equal(changes.at(-1).cursor.cell, 1);
        session.undo();
        assert.deepEqual(session.cellTexts().slice(0, 2), ["AB", second]);
        assert.equal(session.moveCursor("down"), 17);
        session.moveCursor("end");
        assert.equal(changes.at(-1).cursor.caret, 2, "a caret move alone is pushed too");
        session.delete();
    });

    test("style, volume, colour and title edit their settings; a drag is one step per entry", () => {
        const style = openSession(core, "004a_0001.seem");
        const row = style.model().rows[0];
        style.setStyle(row.key, !row.on);
        assert.equal(style.model().rows[0].on, !row.on);
        style.delete();

        const { session: volume, changes } = listened("0a1c_0001.seem");
        const item = volume.model().items[1];
        volume.setVolume(item.key, item.min, "drag");
        volume.setVolume(item.key, item.max, "drag");
        assert.deepEqual(changes.at(-1).settings, [{ key: item.key, position: item.max, stored: item.max }]);
        volume.undo();
        assert.equal(volume.model().items[1].position, item.position, "a drag is one step");
        throwsVantrel(() => volume.setVolume(item.key, item.max + 1), /.+/);
        volume.resetVolumes();
        assert.deepEqual(volume.model().items.map((i) => i.position), volume.model().items.map((i) => i.default));
        volume.delete();

        const color = openSession(core, "0d51_0001.seem");
        const [first, second] = color.model().groups[0].entries;
        color.setColor(first.key, 0x102030, "red");
        color.setColor(second.key, 0x405060, "red");
        color.undo();
        assert.equal(color.model().groups[0].entries[0].rgb, "#102030", "another entry's drag is a step of its own");
        color.setColorText(first.key, "#12aB34");
        assert.equal(color.model().groups[0].entries[0].rgb, "#12AB34");
        assert.equal(color.state().history.undo, color.label(UiString.UndoMenu, [color.string(UiString.UndoColor)]));
        throwsVantrel(() => color.setColorText(first.key, "blue"), /blue/);
        assert.equal(color.setTransparencyText(first.key, "300"), "100");
        throwsVantrel(() => color.setTransparencyText("c_999", "50"), /c_999/);
        color.setTitle("Mine");
        assert.equal(color.model().title, "Mine");
        throwsVantrel(() => color.setTitle("Too long"), /.+/);
        color.delete();
    });

    // The page writes each update's members into the model's value of its key.
    test("a setting's update carries only members of the model's value it updates", () => {
        const values = (model) => {
            const byKey = new Map();
            if (model.kind === "function") switches(model.root).forEach((node) => byKey.set(node.key, node));
            for (const row of model.rows ?? []) byKey.set(row.key, row);
            for (const item of model.items ?? []) byKey.set(item.key, item);
            for (const entry of (model.groups ?? []).flatMap((group) => group.entries)) byKey.set(entry.key, entry);
            if (model.kind === "color") byKey.set("title", model);
            return byKey;
        };
        const edits = {
            "0032_0001.seem": (session) => session.toggleSwitch(switches(session.model().root)[0].key),
            "004a_0001.seem": (session) => session.setStyle(session.model().rows[0].key, true),
            "0a1c_0001.seem": (session) => session.setVolume(session.model().items[0].key, 1),
            "0d51_0001.seem": (session) => {
                session.setColor(session.model().groups[0].entries[0].key, 0x102030);
                session.setTitle("Mine");
            },
        };
        for (const [sample, edit] of Object.entries(edits)) {
            const { session, changes } = listened(sample);
            edit(session);
            const byKey = values(session.model());
            const updates = changes.flatMap((change) => change.settings);
            assert.ok(updates.length > 0, sample);
            for (const update of updates) {
                const target = byKey.get(update.key);
                assert.ok(target, `${sample}: ${update.key}`);
                for (const member of Object.keys(update).filter((name) => name !== "key"))
                    assert.ok(member in target, `${sample}: ${update.key} has no ${member} to update`);
            }
            session.delete();
        }
    });

    test("saving hands over the bytes; a cell without a byte is refused and shown", () => {
        const { session, changes } = listened("0a1c_0001.seem");
        const volume = session.model().items[0];
        session.setVolume(volume.key, 1);
        const bytes = session.bytesToSave();
        assert.equal(bytes[volume.cell], 1);
        session.markSaved(bytes, "");
        assert.equal(session.state().modified, false);
        session.focusCell(3);
        session.moveCursor("end");
        session.backspace();
        session.backspace();
        session.focusCell(0);
        throwsVantrel(() => session.bytesToSave(), /3/);
        assert.equal(changes.at(-1).cursor.cell, 3);
        assert.equal(session.fileNameToSave(), "0a1c_0001.seem");
        session.delete();
    });
});

describe("questions, words and generators", () => {
    test("questions name their buttons without access keys; plural forms are chosen", () => {
        const session = openSession(core, "0032_0001.seem");
        assert.equal(session.questionBefore("close"), null, "nothing to lose, nothing asked");
        session.toggleSwitch(switches(session.model().root)[0].key);
        const question = session.questionBefore("open");
        assert.deepEqual(question.answers.map((a) => a.answer), ["save", "discard", "cancel"]);
        assert.deepEqual([question.defaultAnswer, question.cancelAnswer], ["save", "cancel"], "Escape keeps the file");
        assert.ok(question.answers.every((a) => !a.label.includes("&")), JSON.stringify(question.answers));
        assert.deepEqual(session.questionBefore("reload").answers.map((a) => a.answer), ["reload", "cancel"]);
        assert.ok(session.diskChangeQuestion("changed").answers.some((a) => a.answer === "overwrite"));
        assert.equal(session.plural(UiString.RecipeApplied, 1, ["1"]), "1 change:");
        assert.equal(session.plural(UiString.RecipeApplied, 3, ["3"]), "3 changes:");
        assert.ok(!session.label(UiString.ViewMenu).includes("&"));
        assert.notEqual(session.caption("web", "mnuDefinitions"), "");
        session.delete();
    });

    test("the generators make the files with the core's hints and names", () => {
        const session = openSession(core, "01a8_0001.seem");
        const outer = session.generateOuterText("  Hello  ");
        assert.deepEqual([outer.bytes.length, outer.fileName, outer.warning], [34, "0061_0001.seem", false]);
        assert.equal(outer.hint, session.string(UiString.OuterTextFits));
        assert.equal(session.generateOuterText("ABCDEFGHIJ").warning, true);
        const gprs = session.generateGprs("text", "Far too long a text");
        assert.deepEqual([gprs.bytes.length, gprs.warning, gprs.hint], [26, true, session.string(UiString.GprsCustomTooLong)]);
        assert.deepEqual(session.gprsPrefill(), { mode: session.model().mode, text: session.model().text });
        throwsVantrel(() => session.generateGprs("loud", ""), /mode/);
        session.delete();
    });

    test("a new language names steps and messages", () => {
        const { session, changes } = listened("004a_0001.seem");
        const row = session.model().rows[0];
        session.setStyle(row.key, !row.on);
        session.chooseLanguage(1);
        assert.equal(session.languageIndex(), 1);
        assert.notEqual(changes.at(-1).history.undo, "Undo Style");
        session.chooseLanguage(0);
        assert.equal(session.state().history.undo, "Undo Style");
        throwsVantrel(() => new core.Session("<languages>"), /language\.xml/);
        session.delete();
    });
});

describe("comparison, recipes, coverage and folders", () => {
    test("comparing gives the other file's value; recipes carry settings over", () => {
        const theirs = openSession(core, "0032_0001.seem");
        const [first, second] = switches(theirs.model().root);
        theirs.setSwitch(first.key, !first.on);
        theirs.setSwitch(second.key, !second.on);
        const changed = theirs.bytesToSave();
        const ours = openSession(core, "0032_0001.seem");
        ours.compareWith(changed, "theirs.seem");
        const comparison = ours.comparison();
        assert.deepEqual(Object.keys(comparison.differences[0]), ["kind", "name", "key", "a", "b", "offset", "length"]);
        assert.deepEqual([comparison.differences.length, comparison.canTake], [2, [true, true]]);
        ours.takeOther(0);
        assert.equal(ours.comparison().differences.length, 1);
        ours.undo();
        const recipe = theirs.exportRecipe();
        const dry = ours.applyRecipe(recipe, { dryRun: true });
        assert.deepEqual([dry.changes.length, dry.changed, ours.state().modified], [2, false, false]);
        ours.applyRecipe(recipe);
        assert.deepEqual(ours.bytesToSave(), changed);
        throwsVantrel(() => ours.applyRecipe("{"), /.+/);
        [ours, theirs].forEach((session) => session.delete());
    });

    test("Export Changes carries only the settings changed since opening, named by type ID", () => {
        const session = openSession(core);
        session.open(readSample("0032_0001.seem"), "0032_0001 (1).seem");
        assert.deepEqual(session.exportChanges(),
            { recipe: "", message: { text: session.string(UiString.RecipeNoChanges), icon: "information" } });
        assert.equal(session.recipeFileName(), "0032_0001.json");
        assert.ok(JSON.parse(session.exportRecipe()).entries.every((entry) => entry.seem === "0032_0001"));
        const [first] = switches(session.model().root);
        session.setSwitch(first.key, !first.on);
        session.markSaved(session.bytesToSave(), "");
        const uncovered = session.coverage().describedBits.findIndex((bits) => bits === 0);
        session.focusCell(uncovered);
        session.typeCharacter("F");
        const { recipe, message } = session.exportChanges();
        assert.deepEqual(JSON.parse(recipe).entries.map(({ seem, value, from }) => [seem, value, from]),
            [["0032_0001", first.on ? "off" : "on", first.on ? "on" : "off"]], "kept through a save");
        assert.ok(message.text.startsWith(session.string(UiString.RecipeCellsNotCarried, ["|"]).split("|")[0]));
        session.delete();
    });

    test("a recipe is reviewed row by row and the ticked rows apply as one undo step", () => {
        const theirs = openSession(core, "0032_0001.seem");
        const picked = switches(theirs.model().root).slice(0, 3);
        picked.forEach((item) => theirs.setSwitch(item.key, !item.on));
        const recipe = theirs.exportChanges().recipe;
        const ours = openSession(core, "0032_0001.seem");
        ours.setSwitch(picked[1].key, !picked[1].on);
        const before = ours.bytesToSave();
        const review = ours.reviewRecipe(recipe);
        assert.deepEqual([review.refusal, review.refused, review.canApply], [null, [], true]);
        assert.deepEqual(review.rows.map((row) => [row.ticked, row.alreadyAtValue]),
            [[true, false], [false, true], [true, false]]);
        assert.ok(review.rows[1].mark && review.rows[1].tickName.endsWith(review.rows[1].mark));
        const row = review.rows[0];
        assert.ok([row.setting, row.current, row.wanted].every((word) => row.tickName.includes(word)), row.tickName);
        assert.notEqual(row.current, row.wanted);
        ours.applyReviewed([2]);
        const model = switches(ours.model().root);
        assert.deepEqual(model.slice(0, 3).map((item) => item.on), [picked[0].on, !picked[1].on, !picked[2].on]);
        throwsVantrel(() => ours.applyReviewed([2]), /reviewed/);
        ours.undo();
        assert.deepEqual(ours.bytesToSave(), before, "one undo step");
        ours.reviewRecipe(recipe);
        ours.undo();
        throwsVantrel(() => ours.applyReviewed([0]), /changed since/);
        ours.reviewRecipe(recipe);
        throwsVantrel(() => ours.applyReviewed([3]), /rows\[0\]/);
        throwsVantrel(() => ours.applyReviewed("0"), /rows/);
        [ours, theirs].forEach((session) => session.delete());
    });

    test("pasted text is refused as the same recipe's file bytes are; another type's recipe is refused", () => {
        const session = openSession(core, "0032_0001.seem");
        const encode = (text) => new TextEncoder().encode(text);
        for (const text of ['{"version": 1, "entries": [', "x".repeat(3 << 20),
            '{"version": 1, "entries": [{"seem": "0032_0001", "switch": "No/Such", "value": "on"}]}']) {
            const pasted = session.reviewRecipe(text);
            assert.deepEqual(session.reviewRecipe(encode(text)), pasted);
            assert.equal(pasted.canApply, false);
            assert.ok(pasted.refusal || pasted.refused.length === 1, JSON.stringify(pasted));
        }
        assert.match(session.reviewRecipe("x".repeat(3 << 20)).refusal, /1,048,576/);
        throwsVantrel(() => session.applyReviewed([]), /reviewed/);
        const volume = openSession(core, "0a1c_0001.seem");
        volume.setVolume(volume.model().items[0].key, 1);
        const refusal = session.reviewRecipe(volume.exportChanges().recipe).refusal;
        assert.ok(refusal.includes("0a1c_0001"), refusal);
        throwsVantrel(() => session.reviewRecipe(7), /recipe/);
        assert.equal(session.state().modified, false, "nothing changed");
        [session, volume].forEach((each) => each.delete());
    });

    test("coverage names what each byte holds", () => {
        const session = openSession(core, "0032_0001.seem");
        const coverage = session.coverage();
        assert.equal(coverage.describedBits[0x1a], 0xff);
        const info = session.byteInfo(0x1a);
        assert.match(info.text, /Sound/);
        assert.equal(coverage.items[info.items[0]].name, "Keys/Sound");
        throwsVantrel(() => session.byteInfo(5000), /cell/);
        session.delete();
    });

    test("seem folders are matched by exact size and compared file by file", () => {
        const session = openSession(core, "0032_0001.seem");
        const volume = readSample("0a1c_0001.seem");
        const items = session.scanSeemFolder([
            { name: "0a1c_0001.seem", size: volume.length }, { name: ".hidden.seem", size: 120 },
            { name: "long.seem", size: 121 }, { name: "notes.txt", size: 120 },
        ]);
        const offered = Object.fromEntries(items.map((item) => [item.type, item.file]));
        assert.deepEqual([offered.volume, offered.function], ["0a1c_0001.seem", null]);
        const folders = [
            { folder: "monday", files: [{ name: "0032_0001.seem", bytes: readSample("0032_0001.seem") },
                { name: "gone.seem", bytes: volume }] },
            { folder: "friday", files: [{ name: "0032_0001.SEEM", bytes: readSample("0032_0001.seem").map((b, i) => i === 0x1a ? b ^ 1 : b) }] }];
        const result = session.compareFolders(...folders);
        assert.deepEqual(result.changed.map((pair) => [pair.oursName, pair.theirsName, pair.differences.length]),
            [["0032_0001.seem", "0032_0001.SEEM", 1]]);
        assert.deepEqual(result.onlyInOurs, ["gone.seem"]);
        const made = session.folderDifferencesRecipe(...folders);
        assert.deepEqual(JSON.parse(made.recipe).entries.map((entry) => [entry.seem, entry.switch]), [["0032_0001", "Keys/Sound"]]);
        assert.deepEqual([made.entries, made.notes, made.trouble], [1, ["gone.seem: only in the first folder, left as it is"], false]);
        throwsVantrel(() => session.folderDifferencesRecipe(null, folders[1]), /ours/);
        session.delete();
    });
});

describe("finding", () => {
    test("the find answer is pushed with the call, follows an edit, and a folder is searched by its readable files", () => {
        const { session, changes } = listened("0032_0001.seem");
        session.find("bytes", "03");
        const found = changes.at(-1).find;
        assert.equal(found.state, "found");
        assert.equal(changes.at(-1).cursor.cell, found.currentCells.offset, "the cursor is on the match");
        assert.ok(found.cells.every((run) => run.length === 1));
        session.focusCell(found.currentCells.offset);
        session.typeCharacter("1");
        assert.equal(changes.at(-1).find.count, found.count - 1, "an edit finds again");
        session.find("settings", "sound");
        const setting = changes.at(-1).find.setting;
        assert.equal(setting.path, "Keys/Sound");
        assert.deepEqual(setting.folders.length > 0, true);
        throwsVantrel(() => session.find("words", "x"), /mode/);
        session.closeFind();
        assert.equal(changes.at(-1).find.state, "empty");

        const sound = readSample("0032_0001.seem");
        const volume = readSample("0a1c_0001.seem");
        assert.deepEqual(session.filesToSearch([{ name: "a.seem", size: sound.length }, { name: "b.seem", size: volume.length },
            { name: "c.txt", size: sound.length }, { name: "d.seem", size: 0 }], "shutter"), ["a.seem", "d.seem"]);
        const result = session.findInFolder("backup", [{ name: "a.seem", bytes: sound }, { name: "d.seem", bytes: new Uint8Array() }],
            "sound");
        assert.deepEqual(result.files.map((file) => file.name), ["a.seem"]);
        assert.match(result.files[0].lines[0], /^a · /);
        assert.equal(result.unreadable.length, 1);
        session.delete();
    });
});

test("a value the contract does not declare is caught", () => {
    const schema = loadSchema(buildDir);
    const history = { canUndo: false, canRedo: false, undo: "", redo: "" };
    assert.deepEqual(problemsOf(schema, { name: "History" }, history, "history"), []);
    assert.deepEqual(problemsOf(schema, { name: "History" }, { ...history, undo: 1, canRedo: undefined, extra: 0 }, "history"),
        ["history.canRedo: missing from History", "history.undo: 1 is not string", "history.extra: History has no such member"]);
    assert.deepEqual(problemsOf(schema, { name: "EditorModel" }, { kind: "keypad", complete: true }, "model"),
        ['model.kind: "keypad" is no EditorModel']);
});

describe("what the page hands over is checked", () => {
    test("a value of the wrong kind gets the binding's error, never a TypeError", () => {
        const session = openSession(core, "0032_0001.seem");
        const folder = (files) => ({ folder: "f", files });
        const wrong = [
            [() => session.compareFolders(folder([{ name: "a.seem" }]), folder([])), /ours\.files\[0\]\.bytes/],
            [() => session.compareFolders(folder([{ name: "a.seem", bytes: 7 }]), folder([])), /bytes/],
            [() => session.compareFolders(null, folder([])), /ours/],
            [() => session.compareFolders(folder([null]), folder([])), /files\[0\]/],
            [() => session.scanSeemFolder([null]), /files\[0\]/],
            [() => session.scanSeemFolder([{ name: "a", size: "1" }]), /size/],
            [() => session.applyRecipe("{}", null), /options/],
            [() => session.applyRecipe("{}", { dryRun: null }), /dryRun/],
            [() => session.open([1, 2, 3], "list.seem"), /Uint8Array/],
            [() => session.open(readSample("0032_0001.seem"), null), /name/],
            [() => session.setSwitch(null, true), /key/],
            [() => session.setSwitch("n_1A_0", 1), /on/],
            [() => session.setVolume("v_0", "7"), /position/],
            [() => session.focusCell(1.5), /index/],
            [() => session.focusCell(session.cellTexts().length), /index must be a whole number from 0 to 119/],
            // Of two wrong values, the first is the one named.
            [() => session.setSwitch(7, "on"), /setSwitch: key must be a string$/],
            [() => session.string(9999), /id/],
            [() => session.setListener(7), /listener/],
            [() => new core.Session(readData("language.xml"), null), /options/],
            [() => new core.Session(readData("language.xml"), { systemLcid: null }), /systemLcid/],
            [() => new core.Session(readData("language.xml"), {}, 42), /settings/],
            [() => new core.Session(null), /languageXml/],
        ];
        for (const [call, pattern] of wrong) {
            throwsVantrel(call, pattern);
        }
        assert.equal(session.state().modified, false, "nothing changed");
        assert.equal(session.state().cursor.cell, 0, "the cursor stays");
        session.delete();
    });

    test("a store that throws is kept out of the module; the language is the stored one", () => {
        const throwing = { getItem() { throw new Error("denied"); }, setItem() { throw new Error("denied"); } };
        const session = new core.Session(readData("language.xml"), { systemLcid: 0x804 }, throwing);
        assert.equal(session.languageIndex(), 1, "the system's language when nothing is stored");
        session.setTipsOn(false);
        session.delete();
        const stored = new core.Session(readData("language.xml"), { systemLcid: 0x804 }, memoryStorage([["language", "0"]]));
        assert.equal(stored.languageIndex(), 0);
        stored.delete();
    });
});

test("the module's memory stays as it is over open-edit-close cycles", () => {
    const session = openSession(core);
    session.setListener(() => undefined);
    const large = new Uint8Array(5000).map((_, i) => (i * 7) & 0xff);
    const samples = ["0032_0001.seem", "004a_0001.seem", "0a1c_0001.seem", "0d51_0001.seem"];
    const cycle = (i) => {
        session.open(i % 5 === 4 ? large : readSample(samples[i % 4]), `file${i}.seem`);
        session.focusCell(3);
        session.typeCharacter("7");
        session.comparison();
        session.undo();
        session.close();
    };
    for (let i = 0; i < 100; ++i) cycle(i);
    const settled = core.memoryUse();
    for (let i = 0; i < 400; ++i) cycle(i);
    const after = core.memoryUse();
    assert.equal(after.heapBytes, settled.heapBytes);
    assert.ok(after.liveBytes <= settled.liveBytes * 1.1, `${after.liveBytes} live bytes after ${settled.liveBytes}`);
    session.delete();
});
