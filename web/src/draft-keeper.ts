// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a draft of the open document's unsaved edits, so that a reload, a
// closed tab or a crash loses nothing, and offers it back at the next start.
// The cells are mirrored from the changes the session pushes anyway: writing
// a draft asks the core nothing, so typing still crosses into it once a digit.
import type { ReactiveController, ReactiveControllerHost } from 'lit';
import type { SessionChange } from './core';
import { newestDraft, removeDraft, writeDraft, type Draft } from './draft-store';
import type { FileCommands } from './file-commands';
import type { SessionController } from './session-controller';

export interface DraftWindow extends ReactiveControllerHost {
    readonly controller: SessionController;
    readonly files: FileCommands;
}

// Long enough that a burst of typing makes one write.
const writeDelayMs = 600;

function byteOf(text: string | undefined): number | null {
    return text !== undefined && /^[0-9A-F]{2}$/i.test(text) ? parseInt(text, 16) : null;
}

// The cells as bytes; a cell left without a whole byte keeps its byte of
// fallback, and without one the cells are no file at all.
function bytesOf(texts: string[], fallback?: Uint8Array): Uint8Array | null {
    const bytes = new Uint8Array(texts.length);
    for (let cell = 0; cell < texts.length; ++cell) {
        const byte = byteOf(texts[cell]) ?? fallback?.[cell];
        if (byte === undefined || byte === null) {
            return null;
        }
        bytes[cell] = byte;
    }
    return bytes;
}

export class DraftKeeper implements ReactiveController {
    // The draft found at the start, until it is restored or discarded.
    offered: Draft | null = null;
    private texts: string[] = [];
    private cleanTexts: string[] = [];
    // The name this page keeps the open document's draft under, once it has one.
    private keptName: string | null = null;
    private timer: ReturnType<typeof setTimeout> | undefined;
    private started = false;

    constructor(private readonly app: DraftWindow) {
        app.addController(this);
        app.controller.onChange((change) => this.heard(change));
    }

    hostConnected(): void {
        window.addEventListener('pagehide', this.flush);
        document.addEventListener('visibilitychange', this.flush);
    }

    hostDisconnected(): void {
        window.removeEventListener('pagehide', this.flush);
        document.removeEventListener('visibilitychange', this.flush);
    }

    // Looks for a draft left behind; from here on the open document's are kept.
    async start(): Promise<void> {
        const draft = await newestDraft();
        this.started = true;
        this.follow();
        this.offered = draft;
        this.app.requestUpdate();
    }

    // The draft's bytes as read become the document, then its edits are typed
    // in, so Save is offered and each undo step gives back one cell.
    async restore(): Promise<void> {
        const draft = this.offered;
        const session = this.app.controller.session;
        if (!draft || !session) {
            return;
        }
        this.offered = null;
        this.app.requestUpdate();
        await this.app.files.open({ name: draft.name, bytes: draft.base, handle: null, stamp: null });
        const { file, modified } = this.app.controller;
        if (!file.open || file.name !== draft.name || modified) {
            // The open document was kept instead, or the bytes were refused: the offer stays.
            this.offered = draft;
            this.app.requestUpdate();
            return;
        }
        const edited = [...draft.current.keys()].filter((cell) => draft.current[cell] !== draft.base[cell]);
        for (const cell of edited) {
            session.focusCell(cell);
            [...draft.current[cell]!.toString(16).padStart(2, '0')].forEach((digit) => session.typeCharacter(digit));
        }
        if (edited.length > 0) {
            session.focusCell(edited[0]!);
        }
        this.keptName = draft.name;
    }

    discard(): void {
        if (this.offered) {
            void removeDraft(this.offered.name);
            this.offered = null;
            this.app.requestUpdate();
        }
    }

    // Before the page reloads for a new version: the draft is written now,
    // and leaving does not ask, since nothing is lost.
    async keepForReload(): Promise<void> {
        await this.write();
        window.removeEventListener('beforeunload', this.app.files.onBeforeUnload);
    }

    private heard(change: SessionChange): void {
        if (change.allCells) {
            this.texts = [...change.texts];
        } else {
            change.cells.forEach((cell, at) => (this.texts[cell] = change.texts[at] ?? ''));
        }
        // Opened, saved or undone back to where it was: these cells are the clean ones.
        if (!this.app.controller.modified && (change.allCells || change.modified === false)) {
            this.cleanTexts = [...this.texts];
        }
        if (this.started) {
            this.follow();
        }
    }

    private follow(): void {
        const { file, modified } = this.app.controller;
        const unsaved = file.open && modified;
        if (this.keptName !== null && (!unsaved || file.name !== this.keptName)) {
            // Saved, closed or set aside by the user's choice, or another file opened.
            void removeDraft(this.keptName);
            this.keptName = null;
        }
        clearTimeout(this.timer);
        this.timer = unsaved ? setTimeout(() => void this.write(), writeDelayMs) : undefined;
    }

    private readonly flush = (event: Event): void => {
        if (this.timer !== undefined && (event.type === 'pagehide' || document.visibilityState === 'hidden')) {
            void this.write();
        }
    };

    private async write(): Promise<void> {
        clearTimeout(this.timer);
        this.timer = undefined;
        const { file, modified } = this.app.controller;
        const base = bytesOf(this.cleanTexts);
        const current = base && bytesOf(this.texts, base);
        if (!file.open || !modified || !current || !base) {
            return;
        }
        this.keptName = file.name;
        await writeDraft({ name: file.name, base, current, time: Date.now() });
    }
}
