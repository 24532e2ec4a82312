// SPDX-License-Identifier: GPL-3.0-or-later
// What reaches the window from outside its controls: the keyboard shortcuts,
// a file dropped on it, and the files an installed app was started with.
import type { Session } from '../session/core';
import { readDropped, readFile, type OpenedFile } from '../files/file-access';
import type { FileCommands } from '../files/file-commands';
import type { FindCommands } from './find-commands';

// The window's commands the shortcuts call.
export interface ShortcutWindow {
    readonly session: Session | null;
    readonly files: FileCommands;
    edit(action: (session: Session) => unknown): void;
    goToOffset(): void;
    readonly find: FindCommands;
}

// Ctrl+O, Ctrl+S, Ctrl+Shift+S, Ctrl+G, Ctrl+F, F3 and Shift+F3, and
// Ctrl+Z/Ctrl+Y outside text boxes (which keep their own undo).
export function shortcutHandler(window: ShortcutWindow): (event: KeyboardEvent) => void {
    return (event) => {
        if (window.session && event.key === 'F3' && !(event.ctrlKey || event.metaKey || event.altKey)) {
            event.preventDefault();
            window.find.step(!event.shiftKey);
            return;
        }
        if (!window.session || !(event.ctrlKey || event.metaKey) || event.altKey) {
            return;
        }
        // The grid's touch input is no text box of its own: undo there is the document's.
        const inTextBox = (event.target as HTMLElement | null)?.closest?.('input[type="text"]:not(.touch-input), textarea') !== null;
        const actions: Record<string, () => unknown> = {
            o: () => window.files.pick(),
            s: () => (event.shiftKey ? window.files.saveAs() : window.files.save()),
            g: () => window.goToOffset(),
            f: () => window.find.open(),
            ...(inTextBox ? {} : {
                z: () => window.edit((session) => (event.shiftKey ? session.redo() : session.undo())),
                y: () => window.edit((session) => session.redo()),
            }),
        };
        const action = actions[event.key.toLowerCase()];
        if (action) {
            event.preventDefault();
            void action();
        }
    };
}

// The first file of a drop, with its handle where the browser gives one.
export async function droppedFile(event: DragEvent, limit: number): Promise<OpenedFile | null> {
    event.preventDefault();
    const item = [...(event.dataTransfer?.items ?? [])].find((entry) => entry.kind === 'file');
    return item ? readDropped(item, limit) : null;
}

// Files an installed app was started with (its file handler).
export function acceptLaunchedFiles(open: (file: OpenedFile) => Promise<unknown>, limit: number): void {
    const launchQueue = (globalThis as unknown as {
        launchQueue?: { setConsumer: (consumer: (params: { files: FileSystemHandle[] }) => unknown) => void };
    }).launchQueue;
    launchQueue?.setConsumer(async ({ files }) => {
        const handle = files.find((file) => file.kind === 'file') as FileSystemFileHandle | undefined;
        if (handle) {
            await open(await readFile(await handle.getFile(), limit, handle));
        }
    });
}
