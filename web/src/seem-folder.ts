// SPDX-License-Identifier: GPL-3.0-or-later
// A phone backup folder the user chose, handed to the core: its files matched
// to the definitions by the desktop's seem-folder rules, and two such folders
// compared file by file.
import type { FolderComparison, SeemFolderFiles, SeemFolderItem, Session } from './core';
import type { ChosenFolder } from './file-access';

// Each file read up to the limit the core needs to judge it.
async function readFolder(folder: ChosenFolder, limit: number): Promise<SeemFolderFiles> {
    return {
        folder: folder.name,
        files: await Promise.all(folder.files.map(async (file) => ({
            name: file.name, bytes: new Uint8Array(await file.slice(0, limit).arrayBuffer()),
        }))),
    };
}

// The six items of the seem-folder menu, each with the file it opens or none.
export function scanFolder(session: Session, folder: ChosenFolder): SeemFolderItem[] {
    return session.scanSeemFolder(folder.files.map((file) => ({ name: file.name, size: file.size })));
}

export async function compareFolders(session: Session, older: ChosenFolder, newer: ChosenFolder, limit: number):
    Promise<FolderComparison> {
    return session.compareFolders(await readFolder(older, limit), await readFolder(newer, limit));
}
