// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing files from a page: through the File System Access API
// where the browser has it (a file keeps its handle and is saved in place),
// otherwise through a file input and a download.

export interface OpenedFile {
    name: string;
    bytes: Uint8Array;
    // Where saving writes back; null for a file from an input or a plain drop.
    handle: FileSystemFileHandle | null;
    // The file on disk as it was read, to notice another program's change before a save.
    stamp: FileStamp | null;
    // The chosen folder the file came from: the browser asks once for the whole folder.
    folder?: FileSystemDirectoryHandle | null;
}

export interface FileStamp {
    size: number;
    lastModified: number;
}

function stampOf(file: File): FileStamp {
    return { size: file.size, lastModified: file.lastModified };
}

interface PickerType {
    description: string;
    accept: Record<string, string[]>;
}

interface PickerWindow {
    showOpenFilePicker?: (options: { types?: PickerType[]; multiple?: boolean }) => Promise<FileSystemFileHandle[]>;
    showSaveFilePicker?: (options: { suggestedName?: string; types?: PickerType[] }) => Promise<FileSystemFileHandle>;
    showDirectoryPicker?: () => Promise<FileSystemDirectoryHandle>;
}

const picker = window as unknown as PickerWindow;
const seemTypes: PickerType[] = [{ description: 'Seem', accept: { 'application/x-vantrel-seem': ['.seem'] } }];

// Asked at each choice, so that a page can lend or take back a picker later (the tests do).
export function canPickFiles(): boolean {
    return typeof picker.showOpenFilePicker === 'function';
}

export function canPickFolders(): boolean {
    return typeof picker.showDirectoryPicker === 'function';
}

// A chosen folder: its name and the files directly in it.
export interface ChosenFolder {
    name: string;
    files: File[];
}

// Where each file read from a picked folder is written back, as long as the File is kept.
const folderHandles = new WeakMap<File, { handle: FileSystemFileHandle; folder: FileSystemDirectoryHandle }>();

// Null when the user cancelled the picker.
export async function pickFolder(): Promise<ChosenFolder | null> {
    try {
        const handle = await picker.showDirectoryPicker!();
        const files: File[] = [];
        for await (const entry of (handle as unknown as { values(): AsyncIterable<FileSystemHandle> }).values()) {
            if (entry.kind === 'file') {
                const file = await (entry as FileSystemFileHandle).getFile();
                folderHandles.set(file, { handle: entry as FileSystemFileHandle, folder: handle });
                files.push(file);
            }
        }
        return { name: handle.name, files };
    } catch (error) {
        if (error instanceof DOMException && error.name === 'AbortError') {
            return null;
        }
        throw error;
    }
}

// What a folder input chose: it lists the files of subfolders too, which a seem folder leaves out.
export function folderFromInput(files: File[]): ChosenFolder {
    const path = (file: File) => (file as File & { webkitRelativePath?: string }).webkitRelativePath ?? file.name;
    return {
        name: path(files[0]!).split('/')[0] || files[0]!.name,
        files: files.filter((file) => path(file).split('/').length <= 2),
    };
}

// Reads at most limit bytes: enough for the core to refuse a file that is too
// large, without holding a huge one in memory. A file of a picked folder keeps
// its handle.
export async function readFile(file: File, limit: number, handle: FileSystemFileHandle | null = null):
    Promise<OpenedFile> {
    const fromFolder = handle ? undefined : folderHandles.get(file);
    const kept = handle ?? fromFolder?.handle ?? null;
    return {
        name: file.name, bytes: new Uint8Array(await file.slice(0, limit).arrayBuffer()), handle: kept,
        stamp: kept ? stampOf(file) : null, folder: fromFolder?.folder ?? null,
    };
}

interface PermissionHandle {
    queryPermission?: (options: { mode: 'readwrite' }) => Promise<PermissionState>;
    requestPermission?: (options: { mode: 'readwrite' }) => Promise<PermissionState>;
}

// Whether the page may write through handle, asking the browser where it
// needs asking again (a handle kept from an earlier visit, a folder picked
// to read). A folder is asked for as a whole, so its other files need no
// question. The question needs the user's gesture: call it from Save.
export async function mayWriteThrough(handle: FileSystemFileHandle, folder: FileSystemDirectoryHandle | null):
    Promise<boolean> {
    const options = { mode: 'readwrite' } as const;
    const asked = (folder ?? handle) as unknown as PermissionHandle;
    try {
        return typeof asked.queryPermission !== 'function' || (await asked.queryPermission(options)) === 'granted'
            || (await asked.requestPermission?.(options)) === 'granted';
    } catch {
        // Refused, or the handle went stale: the file is downloaded instead.
        return false;
    }
}

// Whether the file behind handle is still the one stamped when it was read or written.
export async function diskState(handle: FileSystemFileHandle, stamp: FileStamp): Promise<'same' | 'changed' | 'missing'> {
    let now: File;
    try {
        now = await handle.getFile();
    } catch {
        return 'missing';
    }
    return now.size === stamp.size && now.lastModified === stamp.lastModified ? 'same' : 'changed';
}

// The stamp of what was just written; null where the handle cannot say, so
// that the next save does not ask about a change no one made.
async function stampAfterWrite(handle: FileSystemFileHandle): Promise<FileStamp | null> {
    try {
        return stampOf(await handle.getFile());
    } catch {
        return null;
    }
}

// Null when the user cancelled the picker.
export async function pickFile(limit: number): Promise<OpenedFile | null> {
    try {
        const [handle] = await picker.showOpenFilePicker!({ types: seemTypes });
        return handle ? readFile(await handle.getFile(), limit, handle) : null;
    } catch (error) {
        if (error instanceof DOMException && error.name === 'AbortError') {
            return null;
        }
        throw error;
    }
}

// A dropped file, with its handle where the browser gives one. Both are taken
// before the first await: the drop's items are emptied once its handler returns.
export async function readDropped(item: DataTransferItem, limit: number): Promise<OpenedFile | null> {
    const withHandle = item as DataTransferItem & { getAsFileSystemHandle?: () => Promise<FileSystemHandle | null> };
    const file = item.getAsFile();
    const pendingHandle = typeof withHandle.getAsFileSystemHandle === 'function'
        ? withHandle.getAsFileSystemHandle().catch(() => null) : Promise.resolve(null);
    const handle = await pendingHandle;
    if (handle && handle.kind === 'file') {
        const fileHandle = handle as FileSystemFileHandle;
        return readFile(await fileHandle.getFile(), limit, fileHandle);
    }
    return file ? readFile(file, limit) : null;
}

export function download(bytes: Uint8Array | string, name: string, type = 'application/octet-stream'): void {
    const url = URL.createObjectURL(new Blob([bytes as BlobPart], { type }));
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    link.hidden = true;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

async function writeTo(handle: FileSystemFileHandle, bytes: Uint8Array): Promise<void> {
    const writable = await handle.createWritable();
    await writable.write(bytes as BufferSource);
    await writable.close();
}

function canWrite(handle: FileSystemFileHandle | null): handle is FileSystemFileHandle {
    return handle !== null && typeof handle.createWritable === 'function';
}

export interface SavedFile {
    handle: FileSystemFileHandle | null;
    stamp: FileStamp | null;
    // The name the file was written under, through its handle or as a download.
    name: string;
    // True when the browser downloaded a copy.
    downloaded: boolean;
}

// fileName is safe already: the browser downloads it under that very name.
function downloaded(bytes: Uint8Array, fileName: string): SavedFile {
    download(bytes, fileName);
    return { handle: null, stamp: null, name: fileName, downloaded: true };
}

// Writes back through the handle where there is one the page may write
// through, else downloads under fileName. Returns the handle the file now has
// and its stamp.
export async function saveFile(bytes: Uint8Array, fileName: string, handle: FileSystemFileHandle | null):
    Promise<SavedFile> {
    if (canWrite(handle)) {
        await writeTo(handle, bytes);
        return { handle, stamp: await stampAfterWrite(handle), name: handle.name || fileName, downloaded: false };
    }
    return downloaded(bytes, fileName);
}

// Save As: a save picker where the browser has one; else askName asks for
// the name and answers it made safe (null: cancelled), and the file is
// downloaded under it. Null when the user cancelled (nothing written).
export async function saveFileAs(bytes: Uint8Array, fileName: string,
    askName: (suggested: string) => Promise<string | null>): Promise<SavedFile | null> {
    if (typeof picker.showSaveFilePicker !== 'function') {
        const chosen = await askName(fileName);
        return chosen === null ? null : downloaded(bytes, chosen);
    }
    try {
        const handle = await picker.showSaveFilePicker({ suggestedName: fileName, types: seemTypes });
        if (!canWrite(handle)) {
            return downloaded(bytes, fileName);
        }
        await writeTo(handle, bytes);
        return { handle, stamp: await stampAfterWrite(handle), name: handle.name || fileName, downloaded: false };
    } catch (error) {
        if (error instanceof DOMException && error.name === 'AbortError') {
            return null;
        }
        throw error;
    }
}
