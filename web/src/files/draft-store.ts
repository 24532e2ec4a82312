// SPDX-License-Identifier: GPL-3.0-or-later
// Drafts of unsaved documents in the browser's IndexedDB, one per open
// document (two tabs with files of the same name keep two), each with where
// the file is written back: its handle, its folder's and its stamp.
// Whatever is stored may have been written by another version of the page or
// by hand: it is checked on the way out, and a record that does not fit is
// deleted. Where the browser refuses IndexedDB (a private window, a policy)
// there are simply no drafts; no call here throws.
import type { FileStamp } from './file-access';

export interface Draft {
    // The open document's own key, made when it was opened.
    id: string;
    name: string;
    // The bytes as read or last saved, and as they are now: a seem file's size.
    base: Uint8Array;
    current: Uint8Array;
    // When it was written (milliseconds since 1970).
    time: number;
    handle: FileSystemFileHandle | null;
    folder: FileSystemDirectoryHandle | null;
    stamp: FileStamp | null;
}

const databaseName = 'vantrel';
// Version 1 kept one draft a file name.
const databaseVersion = 2;
const storeName = 'documents';
const largestFile = 5000;
// The names written are cut to this, the same limit as they are checked against.
export const longestName = 1024;
const longestId = 100;

let database: Promise<IDBDatabase | null> | null = null;

function upgrade(request: IDBOpenDBRequest): void {
    const opened = request.result;
    const store = opened.createObjectStore(storeName, { keyPath: 'id' });
    if (!opened.objectStoreNames.contains('drafts')) {
        return;
    }
    // An earlier version's drafts are kept, each as a document of its own.
    const old = request.transaction!.objectStore('drafts').getAll();
    old.onsuccess = () => {
        (old.result as Record<string, unknown>[]).forEach((draft, at) => store.put({ ...draft, id: `earlier-${at}` }));
        opened.deleteObjectStore('drafts');
    };
}

function openDatabase(): Promise<IDBDatabase | null> {
    database ??= new Promise<IDBDatabase | null>((resolve) => {
        const request = indexedDB.open(databaseName, databaseVersion);
        request.onupgradeneeded = () => upgrade(request);
        request.onsuccess = () => {
            const opened = request.result;
            // Another tab's newer page wants the database: let it, and open again next time.
            opened.onversionchange = () => {
                opened.close();
                database = null;
            };
            resolve(opened);
        };
        request.onerror = () => resolve(null);
        request.onblocked = () => resolve(null);
    }).catch(() => null);
    return database;
}

// Runs one request on the store and waits until it is stored (a full disk or
// quota refuses only then); null where there is no store or it failed.
async function withStore<T>(mode: IDBTransactionMode, use: (store: IDBObjectStore) => IDBRequest<T>):
    Promise<T | null> {
    try {
        const opened = await openDatabase();
        if (!opened) {
            return null;
        }
        const transaction = opened.transaction(storeName, mode);
        const request = use(transaction.objectStore(storeName));
        return await new Promise<T | null>((resolve) => {
            transaction.oncomplete = () => resolve(request.result);
            transaction.onabort = () => resolve(null);
            transaction.onerror = () => resolve(null);
        });
    } catch {
        return null;
    }
}

function fits(bytes: unknown): bytes is Uint8Array {
    return bytes instanceof Uint8Array && bytes.length > 0 && bytes.length <= largestFile;
}

function handleOf<T extends FileSystemHandle>(value: unknown, kind: FileSystemHandleKind): T | null {
    return typeof FileSystemHandle === 'function' && value instanceof FileSystemHandle && value.kind === kind
        ? value as T : null;
}

function stampOf(value: unknown): FileStamp | null {
    const { size, lastModified } = (value ?? {}) as Record<string, unknown>;
    return typeof size === 'number' && typeof lastModified === 'number' ? { size, lastModified } : null;
}

function checkedDraft(value: unknown): Draft | null {
    if (typeof value !== 'object' || value === null) {
        return null;
    }
    const { id, name, base, current, time, handle, folder, stamp } = value as Record<string, unknown>;
    if (typeof id !== 'string' || id.length > longestId || typeof name !== 'string' || name.length > longestName
        || !fits(base) || !fits(current) || base.length !== current.length || typeof time !== 'number'
        || !Number.isFinite(time)) {
        return null;
    }
    return {
        id, name, base, current, time, handle: handleOf(handle, 'file'), folder: handleOf(folder, 'directory'),
        stamp: stampOf(stamp),
    };
}

// True once the draft is stored. A handle the browser cannot store (none of
// its own) is left out rather than the draft.
export async function writeDraft(draft: Draft): Promise<boolean> {
    const kept = { ...draft, name: draft.name.slice(0, longestName) };
    if ((await withStore('readwrite', (store) => store.put(kept))) !== null) {
        return true;
    }
    if (!draft.handle && !draft.folder) {
        return false;
    }
    return (await withStore('readwrite', (store) => store.put({ ...kept, handle: null, folder: null }))) !== null;
}

export async function removeDraft(id: string): Promise<void> {
    await withStore('readwrite', (store) => store.delete(id));
}

// Every draft, newest first; every record that is not a draft is deleted.
export async function storedDrafts(): Promise<Draft[]> {
    const records = (await withStore('readonly', (store) => store.getAll())) ?? [];
    const drafts: Draft[] = [];
    for (const record of records) {
        const draft = checkedDraft(record);
        if (draft) {
            drafts.push(draft);
        } else if (typeof record === 'object' && record !== null && 'id' in record) {
            await withStore('readwrite', (store) => store.delete((record as { id: IDBValidKey }).id));
        }
    }
    return drafts.sort((a, b) => b.time - a.time);
}

// A new document's key: unique across tabs and visits.
export function newDraftId(): string {
    return typeof crypto.randomUUID === 'function' ? crypto.randomUUID()
        : `${Date.now().toString(36)}-${Math.random().toString(36).slice(2)}`;
}
