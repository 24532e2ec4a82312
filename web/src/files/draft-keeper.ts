// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a draft of the open document's unsaved edits, so that a reload, a
// closed tab or a crash loses nothing, and offers the drafts left behind at
// the next start. The draft follows every edit at once (a seem file is a few
// kilobytes): what was on screen when the tab went is what is offered back.
// The cells are mirrored from the changes the session pushes anyway: writing
// a draft asks the core nothing, so typing still crosses into it once a digit.
import type { ReactiveController, ReactiveControllerHost } from 'lit';
import type { SessionChange } from '../session/core';
import { newDraftId, removeDraft, storedDrafts, writeDraft, type Draft } from './draft-store';
import type { FileCommands } from './file-commands';
import { tabStorage } from '../session/page-storage';
import type { SessionController } from '../session/session-controller';

export interface DraftWindow extends ReactiveControllerHost {
    readonly controller: SessionController;
    readonly files: FileCommands;
}

// The draft this tab set aside for the new version's Reload, to open again at once.
const reopenKey = 'vantrel-reopen';

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
    // The drafts found at the start, newest first, until each is restored or discarded.
    offered: Draft[] = [];
    // The browser refused to store the open document's draft.
    refused = false;
    private texts: string[] = [];
    // The document's bytes as read or last saved, and as they are now.
    private base: Uint8Array | null = null;
    private current: Uint8Array | null = null;
    // The open document's key, and whether a draft is stored under it.
    private id = newDraftId();
    private stored = false;
    private started = false;
    // One store operation at a time, in order; at most one more waits, and it
    // stores the document as it is when its turn comes.
    private queue: Promise<unknown> = Promise.resolve();
    private waiting = false;

    constructor(private readonly app: DraftWindow) {
        app.addController(this);
        app.controller.onChange((change) => this.heard(change));
    }

    hostConnected(): void {}

    // Looks for drafts left behind; from here on the open document's are kept.
    // A draft set aside for the new version's Reload opens again at once.
    async start(): Promise<void> {
        const drafts = await storedDrafts();
        this.started = true;
        this.offered = drafts;
        this.app.requestUpdate();
        this.keepCurrent();
        const reopen = drafts.find((draft) => draft.id === tabStorage.get(reopenKey));
        tabStorage.set(reopenKey, null);
        if (reopen) {
            await this.restore(reopen);
        }
    }

    // Another document is open (or none): it gets a key of its own. The old
    // one's draft goes, once any write of it in flight has landed: it was
    // saved, or set aside by the user's choice.
    documentChanged(): void {
        const old = this.id;
        void this.enqueue(() => removeDraft(old));
        this.id = newDraftId();
        this.stored = false;
        this.tellRefused(false);
    }

    // The draft's bytes as read become the document, then its edits are typed
    // in, so Save is offered and each undo step gives back one cell.
    async restore(draft: Draft): Promise<void> {
        const session = this.app.controller.session;
        if (!session || !this.offered.includes(draft)) {
            return;
        }
        this.setOffered(this.offered.filter((other) => other !== draft));
        const { name, base: bytes, handle, stamp, folder } = draft;
        await this.app.files.open({ name, bytes, handle, stamp, folder });
        const { file, modified } = this.app.controller;
        if (!file.open || file.name !== draft.name || modified) {
            // The open document was kept instead, or the bytes were refused: the offer stays.
            this.setOffered([draft, ...this.offered].sort((a, b) => b.time - a.time));
            return;
        }
        // The document goes on under the draft's key: its next edit replaces the draft.
        this.id = draft.id;
        this.stored = true;
        const edited = [...draft.current.keys()].filter((cell) => draft.current[cell] !== draft.base[cell]);
        for (const cell of edited) {
            session.focusCell(cell);
            [...draft.current[cell]!.toString(16).padStart(2, '0')].forEach((digit) => session.typeCharacter(digit));
        }
        if (edited.length > 0) {
            session.focusCell(edited[0]!);
        }
        this.keepCurrent();
    }

    discard(draft: Draft): void {
        if (this.offered.includes(draft)) {
            void this.enqueue(() => removeDraft(draft.id));
            this.setOffered(this.offered.filter((other) => other !== draft));
        }
    }

    // Before the page reloads for a new version: the open document is stored
    // now, even unmodified, to open again after the reload, and leaving does
    // not ask, since nothing is lost.
    async keepForReload(): Promise<void> {
        await this.enqueue(() => this.store(true));
        if (this.stored) {
            tabStorage.set(reopenKey, this.id);
        }
        window.removeEventListener('beforeunload', this.app.files.onBeforeUnload);
    }

    private setOffered(drafts: Draft[]): void {
        this.offered = drafts;
        this.app.requestUpdate();
    }

    // The bytes follow the changed cells only, so a typed digit costs no pass over the file.
    private heard(change: SessionChange): void {
        // A cursor moved or a search typed changes nothing the draft holds.
        if (!change.allCells && change.cells.length === 0 && change.modified === undefined && !change.file) {
            return;
        }
        if (change.allCells) {
            this.texts = [...change.texts];
            this.current = bytesOf(this.texts, this.base ?? undefined);
        } else {
            change.cells.forEach((cell, at) => {
                const text = change.texts[at] ?? '';
                this.texts[cell] = text;
                if (this.current) {
                    this.current[cell] = byteOf(text) ?? this.base?.[cell] ?? this.current[cell]!;
                }
            });
        }
        // Opened, saved or undone back to where it was: these cells are the clean ones.
        if (!this.app.controller.modified && (change.allCells || change.modified === false)) {
            this.base = bytesOf(this.texts);
            this.current = this.base && this.base.slice();
        }
        this.keepCurrent();
    }

    private enqueue<T>(operation: () => Promise<T>): Promise<T> {
        const done = this.queue.then(operation);
        this.queue = done.catch(() => undefined);
        return done;
    }

    // The store is brought in step with the document: its draft while it has
    // unsaved changes, else none.
    private keepCurrent(): void {
        if (!this.started || this.waiting) {
            return;
        }
        this.waiting = true;
        void this.enqueue(() => {
            this.waiting = false;
            return this.store(false);
        });
    }

    private async store(evenUnmodified: boolean): Promise<void> {
        const { file, modified } = this.app.controller;
        const { base, current, id } = this;
        if (!file.open || !(modified || evenUnmodified) || !base || !current || current.length !== base.length) {
            if (this.stored) {
                this.stored = false;
                await removeDraft(id);
            }
            this.tellRefused(false);
            return;
        }
        const { handle, folder, stamp } = this.app.files.where;
        const kept = await writeDraft({ id, name: file.name, base, current, time: Date.now(), handle, folder, stamp });
        // Another document may have opened meanwhile: its own state is not this one's.
        if (id === this.id) {
            this.stored = kept;
            this.tellRefused(!kept);
        }
    }

    private tellRefused(refused: boolean): void {
        if (this.refused !== refused) {
            this.refused = refused;
            this.app.requestUpdate();
        }
    }
}
