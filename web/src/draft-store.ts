// SPDX-License-Identifier: GPL-3.0-or-later
// Drafts of unsaved documents in the browser's IndexedDB, one per file name.
// Whatever is stored may have been written by another version of the page or
// by hand: it is checked on the way out, and a record that does not fit is
// deleted. Where the browser refuses IndexedDB (a private window, a policy)
// there are simply no drafts; no call here throws.

export interface Draft {
    name: string;
    // The bytes as read or last saved, and as they are now: a seem file's size.
    base: Uint8Array;
    current: Uint8Array;
    // When it was written (milliseconds since 1970).
    time: number;
}

const databaseName = 'vantrel';
const storeName = 'drafts';
const largestFile = 5000;
const longestName = 1024;

let database: Promise<IDBDatabase | null> | null = null;

function requestDone<T>(request: IDBRequest<T>): Promise<T> {
    return new Promise((resolve, reject) => {
        request.onsuccess = () => resolve(request.result);
        request.onerror = () => reject(request.error ?? new Error('IndexedDB request failed'));
    });
}

function openDatabase(): Promise<IDBDatabase | null> {
    database ??= new Promise<IDBDatabase | null>((resolve) => {
        const request = indexedDB.open(databaseName, 1);
        request.onupgradeneeded = () => request.result.createObjectStore(storeName, { keyPath: 'name' });
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

// Runs one request on the store; null where there is no store or it failed.
async function withStore<T>(mode: IDBTransactionMode, use: (store: IDBObjectStore) => IDBRequest<T>):
    Promise<T | null> {
    try {
        const opened = await openDatabase();
        return opened ? await requestDone(use(opened.transaction(storeName, mode).objectStore(storeName))) : null;
    } catch {
        return null;
    }
}

function fits(bytes: unknown): bytes is Uint8Array {
    return bytes instanceof Uint8Array && bytes.length > 0 && bytes.length <= largestFile;
}

function checkedDraft(value: unknown): Draft | null {
    if (typeof value !== 'object' || value === null) {
        return null;
    }
    const { name, base, current, time } = value as Record<string, unknown>;
    if (typeof name !== 'string' || name.length > longestName || !fits(base) || !fits(current)
        || base.length !== current.length || typeof time !== 'number' || !Number.isFinite(time)) {
        return null;
    }
    return { name, base, current, time };
}

export async function writeDraft(draft: Draft): Promise<void> {
    await withStore('readwrite', (store) => store.put(draft));
}

export async function removeDraft(name: string): Promise<void> {
    await withStore('readwrite', (store) => store.delete(name));
}

// The most recent draft; every record that is not a draft is deleted.
export async function newestDraft(): Promise<Draft | null> {
    const keys = (await withStore('readonly', (store) => store.getAllKeys())) ?? [];
    let newest: Draft | null = null;
    for (const key of keys) {
        const draft = checkedDraft(await withStore('readonly', (store) => store.get(key)));
        if (!draft) {
            await withStore('readwrite', (store) => store.delete(key));
        } else if (!newest || draft.time > newest.time) {
            newest = draft;
        }
    }
    return newest;
}
