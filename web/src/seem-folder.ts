// SPDX-License-Identifier: GPL-3.0-or-later
// A phone backup folder read into memory: its files with the type the core
// matches each to, and two such folders compared file by file through the core.
import type { Comparison, Document, Session } from './core';

export interface FolderFile {
    name: string;
    bytes: Uint8Array;
    // The matched type's kind ("function", ...) and ID; "" when none matched.
    kind: string;
    typeId: string;
}

export interface FolderDifference {
    name: string;
    comparison: Comparison;
}

// The files directly in the chosen folder (a folder input also lists those of
// its subfolders), each read up to the limit the core needs to judge it.
export async function readFolder(session: Session, files: File[], limit: number): Promise<FolderFile[]> {
    const scratch = session.newDocument();
    const read: FolderFile[] = [];
    try {
        for (const file of files) {
            const path = (file as File & { webkitRelativePath?: string }).webkitRelativePath ?? file.name;
            if (path.split('/').length > 2) {
                continue;
            }
            const bytes = new Uint8Array(await file.slice(0, limit).arrayBuffer());
            let kind = '';
            let typeId = '';
            try {
                scratch.open(bytes, file.name);
                const type = scratch.type();
                kind = type?.type ?? '';
                typeId = type?.id ?? '';
            } catch {
                // A file the core refuses is listed without a type.
            }
            read.push({ name: file.name, bytes, kind, typeId });
        }
    } finally {
        scratch.delete();
    }
    return read.sort((a, b) => a.name.localeCompare(b.name));
}

function opened(session: Session, file: FolderFile): Document | null {
    const document = session.newDocument();
    try {
        document.open(file.bytes, file.name);
        return document;
    } catch {
        document.delete();
        return null;
    }
}

// The files of both folders that differ, by the core's comparison.
export function compareFolders(session: Session, older: FolderFile[], newer: FolderFile[]): FolderDifference[] {
    const differences: FolderDifference[] = [];
    for (const file of older) {
        const other = newer.find((candidate) => candidate.name === file.name);
        const ours = other ? opened(session, file) : null;
        const theirs = other ? opened(session, other) : null;
        if (ours && theirs) {
            const comparison = ours.compare(theirs);
            if (comparison.differences.length > 0) {
                differences.push({ name: file.name, comparison });
            }
        }
        ours?.delete();
        theirs?.delete();
    }
    return differences;
}
