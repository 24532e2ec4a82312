// SPDX-License-Identifier: GPL-3.0-or-later
// A phone backup folder the user chose, handed to the core: its files matched
// to the definitions by the desktop's seem-folder rules, and two such folders
// compared file by file, or made into the recipe between them.
import { UiString, type FolderComparison, type FolderFind, type FolderRecipe, type SeemFolderFiles, type SeemFolderItem,
    type Session } from '../session/core';
import type { ChosenFolder } from './file-access';

function listed(folder: ChosenFolder): SeemFolderFiles {
    return { folder: folder.name, files: folder.files.map((file) => ({ name: file.name, size: file.size })) };
}

// How many files are read at once: thousands of reads asked for together
// queue up in the browser and take far longer than a few at a time.
const readsAtOnce = 32;

// Each item through work, at most readsAtOnce at a time, the results in order.
async function inTurn<T, R>(items: T[], work: (item: T) => Promise<R>): Promise<R[]> {
    const results = new Array<R>(items.length);
    let next = 0;
    const worker = async (): Promise<void> => {
        while (next < items.length) {
            const index = next++;
            results[index] = await work(items[index]!);
        }
    };
    await Promise.all(Array.from({ length: Math.min(readsAtOnce, items.length) }, worker));
    return results;
}

function readUpTo(file: File, limit: number): Promise<ArrayBuffer> {
    // A small file whole, without a slice of it to make.
    return (file.size > limit ? file.slice(0, limit) : file).arrayBuffer();
}

// The files named in wanted read up to the limit the core needs to judge
// them; the others stay names and sizes.
async function readFolder(folder: ChosenFolder, wanted: string[], limit: number): Promise<SeemFolderFiles> {
    const toRead = new Set(wanted);
    return {
        folder: folder.name,
        files: await inTurn(folder.files, async (file) => (toRead.has(file.name)
            ? { name: file.name, bytes: new Uint8Array(await readUpTo(file, limit)) }
            : { name: file.name, size: file.size })),
    };
}

// The six items of the seem-folder menu, each with the file it opens or none.
export function scanFolder(session: Session, folder: ChosenFolder): SeemFolderItem[] {
    return session.scanSeemFolder(folder.files.map((file) => ({ name: file.name, size: file.size })));
}

export async function compareFolders(session: Session, older: ChosenFolder, newer: ChosenFolder, limit: number):
    Promise<FolderComparison> {
    // Only the files the core pairs are read: for two backups of thousands of
    // files that is what makes the comparison quick.
    const wanted = session.foldersToRead(listed(older), listed(newer));
    const [ours, theirs] = await Promise.all([readFolder(older, wanted.ours, limit), readFolder(newer, wanted.theirs, limit)]);
    return session.compareFolders(ours, theirs);
}

// The recipe that turns the older folder into the newer, from the same files
// the comparison reads.
export async function folderRecipe(session: Session, older: ChosenFolder, newer: ChosenFolder, limit: number):
    Promise<FolderRecipe> {
    const wanted = session.foldersToRead(listed(older), listed(newer));
    const [ours, theirs] = await Promise.all([readFolder(older, wanted.ours, limit), readFolder(newer, wanted.theirs, limit)]);
    return session.folderDifferencesRecipe(ours, theirs);
}

// Find in Seem Folder: the settings of each file that mention text. Only the
// files whose type can hold such a setting are read; one that cannot be read
// is named and the rest still searched.
export async function findInFolder(session: Session, folder: ChosenFolder, text: string, limit: number):
    Promise<FolderFind> {
    const wanted = new Set(session.filesToSearch(folder.files.map((file) => ({ name: file.name, size: file.size })), text));
    const failed: string[] = [];
    const read = await inTurn(folder.files.filter((file) => wanted.has(file.name)), async (file) => {
        try {
            return { name: file.name, bytes: new Uint8Array(await readUpTo(file, limit)) };
        } catch (error) {
            failed.push(session.string(UiString.FindInFolderUnreadable,
                [`${file.name}: ${error instanceof Error ? error.message : String(error)}`]));
            return null;
        }
    });
    const found = session.findInFolder(folder.name, read.filter((file) => file !== null), text);
    return { ...found, unreadable: [...failed, ...found.unreadable] };
}
