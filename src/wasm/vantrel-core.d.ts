// SPDX-License-Identifier: GPL-3.0-or-later
// The JavaScript face of vantrel-core.wasm: the editor's core (documents, the
// four editors, the grid cursor, undo, generators, comparison, recipes,
// coverage, seem folders) for a web page or node. Load it with
//   import createVantrelCore from "./vantrel-core.js";
//   const core = await createVantrelCore();                 // browser: fetches vantrel-core.wasm beside the .js
//   const core = await createVantrelCore({ wasmBinary });   // node: hand it the file's bytes
//
// XML (language.xml, definitions) is parsed by the host's DOMParser. node has
// none: set globalThis.DOMParser first (the tests use @xmldom/xmldom's).
//
// Errors: every refusal (a file too large, broken XML, an unknown switch, a
// title too long, ...) is thrown as a VantrelError whose message is the text
// the desktop editor shows, in the language set with setLanguage(). The module
// never aborts on bad input.
//
// Objects made with `new` (Language, Document) hold memory inside the module:
// call delete() when done with them.

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

export interface VantrelCore {
    /** The class of every error the API throws, for instanceof. */
    VantrelError: { new (message: string): VantrelError };
    /** Throws when nothing of the file can be used (broken XML, no language). */
    Language: { new (languageXml: string, options?: LanguageChoice): Language };
    Document: { new (): Document };

    /**
     * The strings every message and undo step name is taken from, for every
     * Document: the built-in English ones until called.
     */
    setLanguage(language: Language): void;
    /** String n of the language in use ("\n" turned into line breaks), "%1".. replaced by args. */
    uiString(n: number, args?: string[]): string;

    /** The Windows LCID a locale name ("de-DE", "en", "zh_CN.UTF-8") stands for; null when none. */
    lcidForLocale(name: string): number | null;
    /** What the About window shows of the build: "1.1 Beta", and its addresses ("" for none). */
    projectInfo(): { version: string; website: string; forum: string };

    /** The 34-byte outer-screen text record for a typed text. */
    outerTextRecord(text: string): Uint8Array;
    /** What the outer-text window shows while typing. */
    outerTextInfo(text: string): { stored: string; cut: boolean; fitsScreen: boolean };
    /** The 26-byte GPRS date text record. */
    gprsRecord(mode: GprsMode, text: string): Uint8Array;

    /** The largest seem file (5000). */
    readonly maxFileSize: number;
}

export interface LanguageChoice {
    /** The stored choice (the "language" setting), when there is one. */
    index?: number | null;
    /** The system's locale as an LCID (see lcidForLocale). */
    systemLcid?: number | null;
}

/** language.xml, loaded from its text; the constructor throws a VantrelError for a broken one. */
export interface Language {
    /** The chosen language's position among languages(). */
    readonly index: number;
    /**
     * What is wrong with a file that could still be used (a language without
     * its strings, ...), as the desktop reports it; "" when nothing is.
     */
    readonly problem: string;
    languages(): { caption: string; definitionsFile: string; lcid: number | null }[];
    /** String n of the chosen language, "%1".. replaced by args. */
    string(n: number, args?: string[]): string;
    /** The caption of window_control (language.xml's "<window>_<control>"), "$" as "&"; null when none. */
    caption(window: string, control: string): string | null;
    delete(): void;
}

export type GprsMode = "date" | "nothing" | "text";
export type EditorKind = "function" | "style" | "volume" | "color" | "outertext" | "gprs";

/** The type element the open file matched. */
export interface SeemType {
    /** The definitions' "ID", e.g. "0032_0001". */
    id: string;
    /** "type" in lower case: "function", "style", ... */
    type: string;
    tip: string;
    size: number;
    /** The alert tip shown on opening a file of this type; "" for none. */
    alert: string;
    /** Whether Vantrel has an editor for this type. */
    hasEditor: boolean;
}

export interface FunctionNode {
    /** "_root" for the root, else the desktop's node key. */
    key: string;
    kind: "root" | "folder" | "switch";
    text: string;
    tip: string;
    /** Switches: the cell and bit (0..7), whether the bit is set. */
    cell: number;
    bit: number;
    on: boolean;
    children: FunctionNode[];
}

export interface StyleRow {
    key: string;
    text: string;
    tip: string;
    cell: number;
    on: boolean;
}

export interface VolumeItem {
    /** Position among the items: what setVolume takes. */
    row: number;
    caption: string;
    tip: string;
    cell: number;
    /** The slider's position: the byte clamped into min..max. */
    position: number;
    /** The byte as stored (also outside min..max); -1 when the cell holds none. */
    stored: number;
    min: number;
    max: number;
    default: number;
}

export interface ColorEntry {
    key: string;
    caption: string;
    /** The first of its four cells. */
    cell: number;
    /** The part of the phone screen it paints; "" for none. */
    role: string;
    /** "#RRGGBB". */
    rgb: string;
    /** Transparency as the desktop shows it: a whole percentage. */
    transparency: number;
}

export interface ColorGroup {
    key: string;
    caption: string;
    entries: ColorEntry[];
}

/** What the editor of the open file's type shows. */
export type EditorModel =
    | { kind: "function"; complete: boolean; root: FunctionNode }
    | { kind: "style"; complete: boolean; rows: StyleRow[] }
    | { kind: "volume"; complete: boolean; items: VolumeItem[] }
    | { kind: "color"; complete: boolean; groups: ColorGroup[]; title: string; hasTitle: boolean }
    | { kind: "outertext"; complete: true; text: string }
    | { kind: "gprs"; complete: true; mode: GprsMode; text: string }
    /** No type matched, or the type has no editor. */
    | { kind: "none"; complete: true };

export type SettingKind = "switch" | "style" | "volume" | "color" | "title" | "outertext" | "gprs" | "bytes";

export interface SettingDifference {
    kind: SettingKind;
    key: string;
    name: string;
    ours: string;
    theirs: string;
    firstCell: number;
    lastCell: number;
    /** Whether takeOther(other, index) can give the open file this value. */
    canTake: boolean;
}

export interface Comparison {
    /** False when only bytes could be compared; reason says why. */
    bySettings: boolean;
    reason: string;
    differences: SettingDifference[];
}

export interface RecipeApplyResult {
    /** What changes (or, in a dry run, would change): "name: ours → theirs", one a line. */
    changes: string[];
    /** Whether the document changed (never in a dry run). */
    changed: boolean;
}

export interface CoveredItem {
    kind: SettingKind;
    key: string;
    name: string;
    firstCell: number;
    lastCell: number;
    /** The bits it reads in each of its cells. */
    mask: number;
    /** Its value as its editor shows it. */
    value: string;
}

export interface Coverage {
    items: CoveredItem[];
    /** Per cell, the bits some item reads. */
    describedBits: Uint8Array;
    /** Pairs of item indexes that read a bit in common. */
    overlaps: [number, number][];
}

/** A move of the grid's cursor, one for each of the desktop grid's keys. */
export type CursorMove =
    | "left" | "right" | "up" | "down" | "pageUp" | "pageDown"
    /** Ctrl+Home, Ctrl+End: the first and the last cell. */
    | "first" | "last"
    /** Home, End: the caret within the cell. */
    | "home" | "end";

/** The item of a seem folder offered for one kind of editor, as the desktop's menu offers it. */
export interface SeemFolderItem {
    /** The menu item's name in language.xml ("mnuFunction", ...). */
    item: string;
    /** The type it opens ("function", ...). */
    type: EditorKind;
    /** The file it opens, as listed; null when the folder has none. */
    file: string | null;
}

/** A folder the page has read: its name for messages, its files' names and bytes. */
export interface SeemFolderFiles {
    folder: string;
    files: { name: string; bytes: Uint8Array }[];
}

export interface FolderComparison {
    onlyInOurs: string[];
    onlyInTheirs: string[];
    /** The pairs whose bytes differ, by name; names may differ in case. */
    changed: { oursName: string; theirsName: string; comparison: Omit<Comparison, "differences"> & {
        differences: Omit<SettingDifference, "canTake">[] } }[];
    /** "folder/name: reason" for each file that could not be compared. */
    unreadable: string[];
    /** How many pairs hold the same bytes. */
    same: number;
}

export interface ByteInfo {
    /** "bit 0: Keys/Sound, ...; bits 2–7: not described". */
    text: string;
    /** Indexes into coverage().items of the items that read this cell. */
    items: number[];
}

/**
 * One open seem file, in memory: the definitions it is matched against, its
 * cells, the undo history. Every edit is one named undo step.
 */
export interface Document {
    /**
     * Loads a definitions document from its text; name is used in messages.
     * Throws (the desktop's "definitions cannot be loaded" message) and keeps
     * the previous definitions when it cannot be loaded. The open file is matched again.
     */
    loadDefinitions(text: string, name: string): void;
    /**
     * Opens bytes as the file name. Throws the desktop's refusal for a file
     * over 5000 bytes or an empty one, leaving the document as it was.
     */
    open(bytes: Uint8Array, name: string): void;
    close(): void;
    /** The name given to open(); "" when none is open. */
    readonly name: string;
    isOpen(): boolean;

    /** The matched type; null when none matched. */
    type(): SeemType | null;
    editorModel(): EditorModel;

    // Edits, each one undo step named as the desktop names it. They throw for
    // a key the editor does not have, a value out of range, or a cell that does not hold a byte.
    setSwitch(key: string, on: boolean): void;
    setStyle(key: string, on: boolean): void;
    /** Moves slider row; steps on the same row in a row merge, as a slider drag does. */
    setVolume(row: number, position: number): void;
    resetVolumes(): void;
    /**
     * rgb: "#RRGGBB" or "RRGGBB" (the desktop's message for anything else).
     * Calls in a row with the same gesture (a slider's name while it is
     * dragged) are one step; without one every call is a step of its own.
     */
    setColor(key: string, rgb: string, gesture?: string): void;
    /**
     * The typed percentage (not a number counts as 0); returns the text the
     * box shows, corrected when out of range. Typing on in the box is one step.
     */
    setTransparency(key: string, percentText: string): string;
    /** Throws the desktop's "title too long" message for more than five UTF-16 units. */
    setTitle(title: string): void;
    /** Typing into a cell (one step per cell; the text may be anything, saving checks it). */
    setCellText(index: number, text: string): void;

    canUndo(): boolean;
    canRedo(): boolean;
    /** The step's name ("Switch", "Typing", ...); "" when there is none. */
    undoName(): string;
    redoName(): string;
    undo(): void;
    redo(): void;
    /** The cells differ from what was opened or last marked saved. */
    isModified(): boolean;

    /** The bytes to write; throws the desktop's message when a cell does not hold a byte. */
    bytesToSave(): Uint8Array;
    /** The bytes were written: they become the clean state (isModified() false). */
    markSaved(): void;
    /** The bytes as opened or last marked saved. */
    savedBytes(): Uint8Array;

    // The grid.
    cellCount(): number;
    cellText(index: number): string;
    /** Every cell's text, in order. */
    cellTexts(): string[];
    /** The status line for a cell: offset, text, decimal and binary value. */
    cellStatus(index: number): string;
    /**
     * listener(index) for each cell whose text a call changed (edit, typing,
     * undo, redo, recipe), once the call has returned; listener(-1) after
     * open/close (read everything again). Replaces any earlier listener; null removes it.
     */
    onCellChanged(listener: ((index: number) => void) | null): void;
    /** The same without a listener: the cells changed since the last call ([-1]: all). */
    takeChangedCells(): number[];

    // The grid's cursor, with the desktop grid's rules: the current cell and
    // the caret in it (0 before the first digit .. 2 after the second). A call
    // that moves the focus returns the cell it moved to, else null.
    currentCell(): number;
    caret(): number;
    /** The focus arrives at a cell (a click, a choice elsewhere): the caret before its first digit. */
    focusCell(index: number): void;
    /** The caret within the current cell, kept within its text. */
    setCaret(caret: number): void;
    /** rowsPerPage: how many rows PageUp and PageDown move (1 when left out). */
    moveCursor(move: CursorMove, rowsPerPage?: number): number | null;
    /**
     * A typed character: a hexadecimal digit overwrites the one at the caret;
     * after a cell's second digit typing runs on into the next cell. Each cell
     * typed into is one undo step. Anything else is ignored.
     */
    typeCharacter(typed: string): number | null;
    backspace(): void;
    deleteForward(): void;
    /**
     * The cell Go to offset goes to for what was typed ("1A", "0x1A"; with
     * decimal, "26"); throws the desktop's message for anything else or an
     * offset past the last cell.
     */
    offsetFromText(typed: string, decimal: boolean): number;

    /** The text the outer-text or GPRS window opens with for this file. */
    outerTextPrefill(): string;
    gprsPrefill(): { mode: GprsMode; text: string };

    /** This document compared with other, as the compare window shows it. */
    compare(other: Document): Comparison;
    /** Gives this document difference index's value from other, as one undo step. */
    takeOther(other: Document, index: number): void;

    /** The recipe (JSON text) that turns any file of this type and size into this one. */
    exportRecipe(): string;
    /** The recipe that turns this document into other; throws for files of different sizes. */
    recipeTo(other: Document): string;
    /**
     * Applies the entries of a recipe meant for this file (its name without
     * extension; with anyName, a recipe about one seem fits any name) as one
     * undo step, "Apply settings". Throws with every problem, one a line,
     * changing nothing; also when the recipe has nothing for this file.
     */
    applyRecipe(recipeJson: string, options?: { dryRun?: boolean; anyName?: boolean }): RecipeApplyResult;

    coverage(): Coverage;
    /** "What is this byte": the items over each bit of the cell. */
    byteInfo(cell: number): ByteInfo;

    /**
     * A seem folder's files matched to this document's definitions by exact
     * size, as the desktop's seem-folder menu matches them: one entry for each
     * of the six items. Only ".seem", ".bin" and ".sch" files count; hidden ones never.
     */
    scanSeemFolder(files: { name: string; size: number }[]): SeemFolderItem[];
    /** Two folders compared file by file, setting by setting, as the desktop compares them. */
    compareFolders(ours: SeemFolderFiles, theirs: SeemFolderFiles): FolderComparison;

    delete(): void;
}
