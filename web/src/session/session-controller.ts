// SPDX-License-Identifier: GPL-3.0-or-later
// The page's one editing session, owned by the window: it starts the core,
// listens to the session and applies each pushed change where it shows (the
// grid's cells and cursor, the editor's values, the state the menus and the
// status line follow). Nothing is pulled back after an edit.
import type { ReactiveController, ReactiveControllerHost } from 'lit';
import {
    loadLanguageDefinitions, startSession, type CursorState, type EditorModel, type FileState, type FindAnswer,
    type FunctionNode, type History,
    type LanguageItem, type Session, type SessionChange, type SettingUpdate, type VantrelCore,
} from './core';

// Where the cells and the cursor are shown: the grid.
export interface CellView {
    show(change: Pick<SessionChange, 'cells' | 'texts' | 'allCells' | 'cursor'>): void;
}

// A value of the model a setting's key names, changed in place by its update.
type Setting = Record<string, unknown>;

function indexModel(model: EditorModel): Map<string, Setting> {
    const index = new Map<string, Setting>();
    const add = (key: string, target: object) => index.set(key, target as Setting);
    switch (model.kind) {
    case 'function': {
        const pending = [model.root];
        for (let node = pending.pop(); node; node = pending.pop()) {
            add(node.key, node);
            pending.push(...node.children);
        }
        break;
    }
    case 'style':
        model.rows.forEach((row) => add(row.key, row));
        break;
    case 'volume':
        model.items.forEach((item) => add(item.key, item));
        break;
    case 'color':
        model.groups.forEach((group) => group.entries.forEach((entry) => add(entry.key, entry)));
        add('title', model);
        break;
    case 'outertext':
        add('outertext', model);
        break;
    case 'gprs':
        add('gprs', model);
        break;
    case 'none':
        break;
    }
    return index;
}

function applySetting(target: Setting, update: SettingUpdate): void {
    for (const [name, value] of Object.entries(update)) {
        if (name !== 'key') {
            target[name] = value;
        }
    }
}

// The session's words (captions, labels, strings, with the texts filled in)
// change only with the language: each is asked once, so rendering the window
// again after an edit asks the session nothing.
function rememberWords(session: Session, words: Map<string, string>): void {
    for (const name of ['caption', 'string', 'label'] as const) {
        const ask = session[name].bind(session) as (...args: unknown[]) => string;
        (session as unknown as Record<string, unknown>)[name] = (...args: unknown[]): string => {
            const filledIn = (arg: unknown) => Array.isArray(arg) && arg.every((text) => typeof text === 'string');
            if (args.some((arg) => typeof arg === 'object' && arg !== null && !filledIn(arg))) {
                return ask(...args);
            }
            const key = `${name}\n${JSON.stringify(args)}`;
            let text = words.get(key);
            if (text === undefined) {
                text = ask(...args);
                words.set(key, text);
            }
            return text;
        };
    }
}

// A touch screen and no mouse or pen: most likely no keyboard either, so the
// status line should not send the user to Ctrl+O.
const touchOnly = matchMedia('(any-pointer: coarse) and (not (any-pointer: fine))');

export class SessionController implements ReactiveController {
    core: VantrelCore | null = null;
    session: Session | null = null;
    languages: LanguageItem[] = [];
    languageIndex = 0;
    file: FileState = { open: false, name: '', status: '', type: null };
    modified = false;
    history: History = { canUndo: false, canRedo: false, undo: '', redo: '' };
    cursor: CursorState = { cell: 0, caret: 0, status: '', description: '' };
    model: EditorModel = { kind: 'none', complete: true };
    // The find bar's answer; null until something was looked for.
    find: FindAnswer | null = null;
    // Counts the changes of the model's values, for views that show them.
    revision = 0;
    // Help > Show Feature Tips, kept here so that drawing the menu asks the session nothing.
    tipsOn = true;
    cellView: CellView | null = null;
    private settings = new Map<string, Setting>();
    private cellListeners = new Set<() => void>();
    private changeListeners = new Set<(change: SessionChange) => void>();
    private words = new Map<string, string>();

    constructor(private readonly host: ReactiveControllerHost) {
        host.addController(this);
    }

    hostConnected(): void {}

    hostDisconnected(): void {
        this.session?.setListener(null);
        touchOnly.removeEventListener('change', this.followPointers);
    }

    private readonly followPointers = (): void => {
        this.session?.setWithoutKeyboard(touchOnly.matches);
    };

    async start(): Promise<void> {
        const { core, session } = await startSession();
        this.core = core;
        this.session = session;
        rememberWords(session, this.words);
        session.setListener((change) => this.apply(change));
        this.followPointers();
        touchOnly.addEventListener('change', this.followPointers);
        await loadLanguageDefinitions(session);
        this.refresh();
    }

    // Everything read again: at the start and after another language.
    refresh(): void {
        const session = this.session;
        if (!session) {
            return;
        }
        this.words.clear();
        this.languages = session.languages();
        this.languageIndex = session.languageIndex();
        this.tipsOn = session.tipsOn();
        const state = session.state();
        this.apply({
            cells: [], texts: session.cellTexts(), allCells: true, settings: [], model: session.model(), ...state,
        });
    }

    // The tip's check box or the Help menu turned the feature tips on or off.
    setTipsOn(on: boolean): void {
        this.session?.setTipsOn(on);
        this.tipsOn = on;
        this.host.requestUpdate();
    }

    // The switch of the function tree with key, if there is one.
    switchNamed(key: string): FunctionNode | null {
        const node = this.settings.get(key) as Partial<FunctionNode> | undefined;
        return node?.kind === 'switch' ? node as FunctionNode : null;
    }

    // Called whenever the open file's cells change (a comparison follows them).
    onCellsChanged(listener: () => void): void {
        this.cellListeners.add(listener);
    }

    // Called with every pushed change, once it is applied.
    onChange(listener: (change: SessionChange) => void): void {
        this.changeListeners.add(listener);
    }

    private apply(change: SessionChange): void {
        if (change.model) {
            this.model = change.model;
            this.settings = indexModel(change.model);
            ++this.revision;
        }
        for (const update of change.settings) {
            const target = this.settings.get(update.key);
            if (target) {
                applySetting(target, update);
            }
        }
        if (change.settings.length > 0) {
            ++this.revision;
        }
        this.modified = change.modified ?? this.modified;
        this.history = change.history ?? this.history;
        this.file = change.file ?? this.file;
        this.cursor = change.cursor ?? this.cursor;
        this.find = change.find ?? this.find;
        const cellsChanged = change.allCells || change.cells.length > 0;
        if (cellsChanged || change.cursor) {
            this.cellView?.show(change);
        }
        if (cellsChanged) {
            this.cellListeners.forEach((listener) => listener());
        }
        this.changeListeners.forEach((listener) => listener(change));
        // A new answer of the find bar alone is shown by the bar, told by its
        // listener: every key typed into the find box brings one.
        if (!isFindAlone(change)) {
            this.host.requestUpdate();
        }
    }
}

function isFindAlone(change: SessionChange): boolean {
    return change.find !== undefined && !change.allCells && change.cells.length === 0
        && change.settings.length === 0 && change.modified === undefined && change.history === undefined
        && change.file === undefined && change.model === undefined && change.cursor === undefined;
}
