// SPDX-License-Identifier: GPL-3.0-or-later
// The files opened last, newest first, as the File menu lists them: only
// those the browser gave a handle for (its file pickers, a drop, a picked
// folder), which IndexedDB can keep from one visit to the next. Where the
// browser has no handles or refuses storage the list stays empty; no call
// here throws.

export interface RecentFile {
    name: string;
    handle: FileSystemFileHandle;
}

// As many as the window's File menu lists.
export const mostRecentFiles = 4;
const databaseName = 'vantrel-recent';
const storeName = 'lists';
const listKey = 'files';

let database: Promise<IDBDatabase | null> | null = null;

function openDatabase(): Promise<IDBDatabase | null> {
    database ??= new Promise<IDBDatabase | null>((resolve) => {
        const request = indexedDB.open(databaseName, 1);
        request.onupgradeneeded = () => request.result.createObjectStore(storeName);
        request.onsuccess = () => resolve(request.result);
        request.onerror = () => resolve(null);
        request.onblocked = () => resolve(null);
    }).catch(() => null);
    return database;
}

function isRecentFile(value: unknown): value is RecentFile {
    const file = value as Partial<RecentFile> | null;
    return typeof file?.name === 'string' && file.name.length <= 1024 && typeof file.handle === 'object'
        && file.handle !== null && (file.handle as FileSystemHandle).kind === 'file';
}

export async function recentFiles(): Promise<RecentFile[]> {
    try {
        const opened = await openDatabase();
        if (!opened) {
            return [];
        }
        const stored = await new Promise<unknown>((resolve) => {
            const request = opened.transaction(storeName).objectStore(storeName).get(listKey);
            request.onsuccess = () => resolve(request.result);
            request.onerror = () => resolve(null);
        });
        return Array.isArray(stored) ? stored.filter(isRecentFile).slice(0, mostRecentFiles) : [];
    } catch {
        return [];
    }
}

async function store(files: RecentFile[]): Promise<void> {
    try {
        const opened = await openDatabase();
        if (!opened) {
            return;
        }
        await new Promise<void>((resolve) => {
            const transaction = opened.transaction(storeName, 'readwrite');
            transaction.objectStore(storeName).put(files, listKey);
            transaction.oncomplete = () => resolve();
            transaction.onerror = () => resolve();
            transaction.onabort = () => resolve();
        });
    } catch {
        // No list then, as where the browser keeps nothing.
    }
}

async function without(files: RecentFile[], handle: FileSystemFileHandle): Promise<RecentFile[]> {
    const kept: RecentFile[] = [];
    for (const file of files) {
        if (!(await file.handle.isSameEntry(handle).catch(() => false))) {
            kept.push(file);
        }
    }
    return kept;
}

// A file just opened or saved through handle goes to the top of the list.
export async function rememberFile(name: string, handle: FileSystemFileHandle): Promise<RecentFile[]> {
    const files = [{ name, handle }, ...await without(await recentFiles(), handle)].slice(0, mostRecentFiles);
    await store(files);
    return files;
}

// A file that could not be opened again leaves the list.
export async function forgetFile(handle: FileSystemFileHandle): Promise<RecentFile[]> {
    const files = await without(await recentFiles(), handle);
    await store(files);
    return files;
}

// The file behind handle, asking the browser for leave to read it again where
// it needs asking (a handle kept from an earlier visit). The question needs
// the user's gesture: call it from a menu's command.
export async function fileBehind(handle: FileSystemFileHandle): Promise<File> {
    const asked = handle as unknown as {
        queryPermission?: (options: { mode: 'read' }) => Promise<PermissionState>;
        requestPermission?: (options: { mode: 'read' }) => Promise<PermissionState>;
    };
    if (typeof asked.queryPermission === 'function' && (await asked.queryPermission({ mode: 'read' })) !== 'granted'
        && (await asked.requestPermission?.({ mode: 'read' })) !== 'granted') {
        throw new DOMException('The browser did not let the page read the file again.', 'NotAllowedError');
    }
    return handle.getFile();
}
