// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The TypeScript types of the values the module hands over and takes, as
// Bindings.cpp, PageValues.cpp and the Session*.cpp files build and read
// them. The generator (contract/ContractGenerator.cpp) writes them into
// vantrel-core.d.ts ahead of the functions listed in Contract.def; a page that
// reads a value another way fails its type check against that file.
namespace vantrel::wasm {

inline constexpr std::string_view kContractHeader =
    R"ts(// The JavaScript face of vantrel-core.wasm: one editing session of the
// editor's core for a web page or node. Generated at build time from
// src/wasm/Contract.def and src/wasm/ContractTypes.h; do not edit.
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

export interface SessionOptions {
    /** The system's locale as an LCID (see lcidForLocale), for the first choice of language. */
    systemLcid?: number;
}

export interface LanguageItem {
    caption: string;
    definitionsFile: string;
    lcid: number | null;
}

export type EditorKind = "none" | "function" | "style" | "volume" | "color" | "outertext" | "gprs";
export type GprsMode = "date" | "nothing" | "text";
export type SettingKind = "switch" | "style" | "volume" | "color" | "title" | "outertext" | "gprs" | "bytes";
/** How a file came to be read: File > Open, File > Reload (tip and all), a quiet reload. */
export type OpenReason = "open" | "reload" | "quietReload";
/** Why the open file would be set aside. */
export type Leaving = "open" | "close" | "reload" | "language" | "exit";
export type Answer = "save" | "discard" | "cancel" | "reload" | "overwrite";
export type MessageIcon = "critical" | "warning" | "information";

/** A message decided by the core, in the session's language. */
export interface Message {
    text: string;
    icon: MessageIcon;
}

/** A question with its buttons in order; Escape gives cancelAnswer. Labels carry no access-key marker. */
export interface Question extends Message {
    answers: { answer: Answer; label: string }[];
    defaultAnswer: Answer;
    cancelAnswer: Answer;
}

export interface OpenResult {
    /** False: refused (message says why) and nothing changed. */
    opened: boolean;
    /** The editor or generator the file gets. */
    editor: EditorKind;
    /** A refusal, a type without an editor, an editor that left items out. */
    message: Message | null;
    /** The feature tip to show once the file is on screen; null when tips are off or it has none. */
    tip: { text: string; typeId: string } | null;
}

/** The type element the open file matched. */
export interface SeemType {
    id: string;
    /** "type" in lower case. */
    type: string;
    tip: string;
    size: number;
}

export interface FunctionNode {
    /** "_root" for the root, else the node's key; the same while the file is open. */
    key: string;
    kind: "root" | "folder" | "switch";
    text: string;
    tip: string;
    /** Switches: the cell and bit (0..7), whether the bit is set. */
    cell: number;
    bit: number;
    on: boolean;
    /** Folders and switches alike may have children. */
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
    /** "v_" + its row. */
    key: string;
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
    /** A whole percentage. */
    transparency: number;
}

export interface ColorGroup {
    key: string;
    caption: string;
    entries: ColorEntry[];
}

/** What the editor of the open file's type shows, with keys that stay while the file is open. */
export type EditorModel =
    | { kind: "function"; complete: boolean; root: FunctionNode }
    | { kind: "style"; complete: boolean; rows: StyleRow[] }
    | { kind: "volume"; complete: boolean; items: VolumeItem[] }
    | { kind: "color"; complete: boolean; groups: ColorGroup[]; title: string; hasTitle: boolean }
    | { kind: "outertext"; complete: boolean; text: string }
    | { kind: "gprs"; complete: boolean; mode: GprsMode; text: string }
    | { kind: "none"; complete: boolean };

/** A setting's new value, pushed when its cells changed; the members its kind has. */
export interface SettingUpdate {
    key: string;
    /** Switches and style rows. */
    on?: boolean;
    /** Volumes. */
    position?: number;
    stored?: number;
    /** Colours. */
    rgb?: string;
    transparency?: number;
    /** The title, the outer text, the GPRS text. */
    text?: string;
    hasTitle?: boolean;
    mode?: GprsMode;
}

export interface History {
    canUndo: boolean;
    canRedo: boolean;
    /** "Undo Switch", "Redo Typing": the Edit menu's items, without access-key marker. */
    undo: string;
    redo: string;
}

export interface FileState {
    /** The one answer to "is a file open". */
    open: boolean;
    /** The name it was opened or saved under; "" for none. */
    name: string;
    /** The status line's first panel. */
    status: string;
    type: SeemType | null;
}

export interface CursorState {
    cell: number;
    /** 0 before the first digit .. 2 after the second. */
    caret: number;
    /** The status line's cell panel: offset, text, decimal and binary value. */
    status: string;
    /** What the definitions say of the cell's bits ("" without a file). */
    description: string;
}

/**
 * What one session call changed, pushed to the listener once at its end.
 * Members other than the cells and settings are there only when they changed.
 */
export interface SessionChange {
    /** The changed cells; with allCells, every cell (and maybe their number): texts then holds them all. */
    cells: number[];
    /** The new text of each cell in cells, or of every cell. */
    texts: string[];
    allCells: boolean;
    /** The values of the settings whose cells changed. */
    settings: SettingUpdate[];
    modified?: boolean;
    history?: History;
    file?: FileState;
    /** The editor's model, built anew (another file or type). */
    model?: EditorModel;
    cursor?: CursorState;
    /** The find bar's answer, when its matches, current one or words changed. */
    find?: FindAnswer;
}

/** What the find bar looks for: a setting's name, hex bytes, ASCII or UTF-16BE text. */
export type FindMode = "settings" | "bytes" | "ascii" | "utf16";

/** A run of cells: the first and how many. */
export interface CellRun {
    offset: number;
    length: number;
}

/** A setting a search found, with what it takes to show and choose it. */
export interface FoundSetting {
    kind: SettingKind;
    /** As the editor knows it. */
    key: string;
    /** As recipes and the command line name it: "Keys/Sound". */
    path: string;
    value: string;
    /** The function tree's folders to open to show it, root first. */
    folders: string[];
    firstCell: number;
    cellCount: number;
}

/** Where the find bar stands. */
export interface FindAnswer {
    state: "empty" | "refused" | "notFound" | "found";
    /** "2 of 5", "Not found: …", "Type what to find." or why the text is no pattern. */
    status: string;
    /** "Wrapped to the start." after a step that wrapped, else "". */
    note: string;
    count: number;
    /** The current match's place from 0; -1 without one. */
    current: number;
    /** Every byte match, to mark. */
    cells: CellRun[];
    currentCells: CellRun | null;
    setting: FoundSetting | null;
}

/** Find in Seem Folder's answer: each file with its matching settings and their lines. */
export interface FolderFind {
    files: { name: string; matches: FoundSetting[]; lines: string[] }[];
    /** "Not searched: …" for each file that could not be. */
    unreadable: string[];
    /** "3 matches in Backup", or that nothing mentions the text. */
    summary: string;
}

/** Everything a face shows of the session, for a start or a change of language. */
export interface SessionState {
    modified: boolean;
    history: History;
    file: FileState;
    cursor: CursorState;
}

/** A file a generator writes anew, and what its window says of the text. */
export interface GeneratedFile {
    bytes: Uint8Array;
    fileName: string;
    hint: string | null;
    /** The phone would not show the text as typed. */
    warning: boolean;
}

/** A setting difference: one shape for the command line and the page. */
export interface Difference {
    kind: SettingKind;
    name: string;
    /** What the editors know the setting by; "" for bytes. */
    key: string;
    /** The open file's value and the other file's. */
    a: string;
    b: string;
    /** The cells it lives in. */
    offset: number;
    length: number;
}

export interface Comparison {
    /** The other file's name. */
    name: string;
    /** False when only bytes could be compared; reason says why. */
    bySettings: boolean;
    reason: string;
    differences: Difference[];
    /** For each difference, whether takeOther(index) can give the open file its value. */
    canTake: boolean[];
}

export interface RecipeOptions {
    /** Only say what would change. */
    dryRun?: boolean;
    /** A recipe about one seem fits a file of any name. */
    anyName?: boolean;
}

export interface RecipeApplyResult {
    /** "name: ours → theirs", one a line. */
    changes: string[];
    /** Whether the file changed (never in a dry run). */
    changed: boolean;
}

/** What Export Changes stores and says. */
export interface ChangesExport {
    /** The recipe's JSON text; "" when no setting changed: then store nothing. */
    recipe: string;
    /** No setting changed, or the changed cells no setting describes (not carried); else null. */
    message: Message | null;
}

/** One entry of a recipe meant for the open file, as the review shows it. */
export interface RecipeReviewRow {
    /** "Keys/Sound", "title", "bytes at 23". */
    setting: string;
    /** This file's value and the recipe's, in the recipe's words ("on", "6", "#FF8000 50%"). */
    current: string;
    wanted: string;
    /** The value the recipe was made from; null when it does not say. */
    from: string | null;
    /** "Keys/Sound: on → off". */
    text: string;
    /** "already off", "this phone has off; the recipe was made from on", or "". */
    mark: string;
    /** The tick box's accessible name: the setting, both values and the mark. */
    tickName: string;
    /** Whether the box starts ticked (not when the file holds the value already). */
    ticked: boolean;
    alreadyAtValue: boolean;
    fromDiffers: boolean;
}

/** A recipe looked over before applying: applyReviewed(rows) takes indices into rows. */
export interface RecipeReview {
    rows: RecipeReviewRow[];
    /** Why the recipe is not reviewed at all (not a recipe, one line a fault; nothing for this file; another type); else null. */
    refusal: string | null;
    /** The entries this file cannot take, each naming its entry: shown after UiString.RecipeRefused. */
    refused: string[];
    /** False with a refusal or refused entries: Apply is not offered. */
    canApply: boolean;
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

export interface ByteInfo {
    /** "bit 0: Keys/Sound, ...; bits 2–7: not described". */
    text: string;
    /** Indexes into coverage().items. */
    items: number[];
}

/** A move of the grid's cursor, one for each of the desktop grid's keys. */
export type CursorMove = "left" | "right" | "up" | "down" | "pageUp" | "pageDown" | "first" | "last" | "home" | "end";

/** The item of a seem folder offered for one kind of editor. */
export interface SeemFolderItem {
    /** The menu item's name in language.xml ("mnuFunction", ...). */
    item: string;
    type: EditorKind;
    /** The file it opens, as listed; null when the folder has none. */
    file: string | null;
}

/** A folder the page has listed: its name for messages, its files' names and bytes (or size, where not read). */
export interface SeemFolderFiles {
    folder: string;
    files: ({ name: string; bytes: Uint8Array } | { name: string; size: number })[];
}

export interface FolderComparison {
    onlyInOurs: string[];
    onlyInTheirs: string[];
    /** The pairs whose bytes differ; names may differ in case. */
    changed: { oursName: string; theirsName: string; bySettings: boolean; reason: string; differences: Difference[] }[];
    /** "folder/name: reason" for each file that could not be compared. */
    unreadable: string[];
    /** How many pairs hold the same bytes. */
    same: number;
}

/** The recipe between two folders (Save Differences as Recipe). */
export interface FolderRecipe {
    /** The recipe's JSON text. */
    recipe: string;
    /** How many settings it carries. */
    entries: number;
    /** What it could not carry or left as it is, "name: reason", one a file. */
    notes: string[];
    /** Whether a note means a change is missing (not only a file on one side). */
    trouble: boolean;
}

export interface ProjectInfo {
    version: string;
    website: string;
    forum: string;
}

/** The module's memory: all of it, and what is in use. */
export interface MemoryUse {
    heapBytes: number;
    liveBytes: number;
}
)ts";

} // namespace vantrel::wasm
