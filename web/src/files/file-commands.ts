// SPDX-License-Identifier: GPL-3.0-or-later
// File > Open, Save, Save As and Close, and leaving the page: each asks the
// session's question first and shows the session's answers (its refusal, the
// message of a type without an editor, the feature tip, the generator a
// generator's file opens). The page only reads and writes the bytes.
import { UiString, type Leaving, type OpenResult, type Question, type Session } from '../session/core';
import {
    canPickFiles, diskState, download, mayWriteThrough, pickFile, readFile, saveFile, saveFileAs, type FileStamp,
    type OpenedFile, type SavedFile,
} from './file-access';
import type { GeneratorKind } from '../dialogs/generator-dialog';
import { fileBehind, forgetFile, recentFiles, rememberFile, type RecentFile } from './recent-files';
import type { MessageDialog } from '../dialogs/message-dialog';
import '../dialogs/save-name-dialog';

// What the commands need of the window.
export interface FileWindow {
    readonly session: Session | null;
    readonly dialog: MessageDialog;
    readonly readLimit: number;
    readonly controller: { readonly modified: boolean; setTipsOn(on: boolean): void };
    openGenerator(kind: GeneratorKind): Promise<void>;
    // Another file is open, or none: what belonged to the old one goes.
    fileChanged(): void;
    chooseFile(inputId: string): void;
    requestUpdate(): void;
}

function message(error: unknown): string {
    return error instanceof Error ? error.message : String(error);
}

// Where the open file is written back, kept with its draft.
export interface FilePlace {
    // Null for a file from an input or a plain drop.
    handle: FileSystemFileHandle | null;
    // The file behind handle as last read or written.
    stamp: FileStamp | null;
    // The picked folder the file came from.
    folder: FileSystemDirectoryHandle | null;
}

export class FileCommands {
    private place: FilePlace = { handle: null, stamp: null, folder: null };
    // What the status line says after a save, while the document stays as it
    // was then (modified or not): written back, or downloaded, which the
    // browser shows no sign of its own.
    private notice: { fileName: string; modified: boolean; downloaded: boolean } | null = null;
    // File > the files opened last: only where the browser gives handles to keep.
    recent: RecentFile[] = [];

    constructor(private readonly window: FileWindow) {}

    // The list kept from earlier visits, read once at the start.
    async loadRecent(): Promise<void> {
        if (canPickFiles()) {
            this.recent = await recentFiles();
            this.window.requestUpdate();
        }
    }

    // File > Reload is there for a file the page can read again: one with a handle.
    get reloadable(): boolean {
        return this.place.handle !== null;
    }

    private async remember(name: string, handle: FileSystemFileHandle | null): Promise<void> {
        if (handle && canPickFiles()) {
            this.recent = await rememberFile(name, handle);
            this.window.requestUpdate();
        }
    }

    // A file of the recent list, read again through its kept handle (asking the
    // browser's leave first, while the menu's click still counts as the user's)
    // and opened as any file is; one that is gone leaves the list.
    async openRecent(recent: RecentFile): Promise<void> {
        let file: OpenedFile;
        try {
            file = await readFile(await fileBehind(recent.handle), this.window.readLimit, recent.handle);
        } catch (error) {
            if (!(error instanceof DOMException && error.name === 'NotAllowedError')) {
                this.recent = await forgetFile(recent.handle);
                this.window.requestUpdate();
            }
            await this.tell(`${recent.name}: ${message(error)}`);
            return;
        }
        await this.open(file);
    }

    // File > Reload: the open file read again from where it came, its changes
    // given up after the session's question.
    async reload(): Promise<void> {
        const session = this.window.session;
        const { handle, folder } = this.place;
        if (!session?.fileOpen() || !handle || !(await this.mayLeave('reload'))) {
            return;
        }
        try {
            const file = await readFile(await fileBehind(handle), this.window.readLimit, handle);
            const result = session.open(file.bytes, file.name, 'reload');
            if (!result.opened) {
                await this.tell(result.message?.text ?? '');
                return;
            }
            this.place = { handle, stamp: file.stamp, folder };
            this.notice = null;
            this.window.fileChanged();
            await this.showOpened(session, result);
        } catch (error) {
            await this.tell(`${session.fileNameToSave()}: ${message(error)}`);
        }
    }

    async tell(text: string): Promise<void> {
        const session = this.window.session;
        await this.window.dialog.tell(session?.string(UiString.Information) ?? '', text);
    }

    async showError(error: unknown): Promise<void> {
        await this.tell(message(error));
    }

    async ask(question: Question): Promise<string> {
        return this.window.dialog.ask(question.text,
            question.answers.map(({ answer, label }) => ({ value: answer, label })), question.cancelAnswer);
    }

    // Asks what the session wants asked before the open file is set aside;
    // false when the user chose to keep it (or its save failed).
    async mayLeave(leaving: Leaving): Promise<boolean> {
        const question = this.window.session?.questionBefore(leaving);
        if (!question) {
            return true;
        }
        const answer = await this.ask(question);
        if (answer === 'save') {
            return this.save();
        }
        return answer !== 'cancel';
    }

    // True when file is the open one now.
    async open(file: OpenedFile): Promise<boolean> {
        const session = this.window.session;
        if (!session || !(await this.mayLeave('open'))) {
            return false;
        }
        const result = session.open(file.bytes, file.name);
        if (!result.opened) {
            await this.tell(result.message?.text ?? '');
            return false;
        }
        this.place = { handle: file.handle, stamp: file.stamp, folder: file.folder ?? null };
        this.notice = null;
        this.window.fileChanged();
        void this.remember(file.name, file.handle);
        requestAnimationFrame(() => performance.mark('vantrel-file-shown'));
        await this.showOpened(session, result);
        return true;
    }

    private async showOpened(session: Session, result: OpenResult): Promise<void> {
        if (result.message) {
            await this.tell(result.message.text);
        }
        if (result.tip) {
            const keep = await this.window.dialog.tip(session.string(UiString.TipTitle), result.tip.text,
                session.caption('frmTip', 'Check1'), session.caption('frmTip', 'Command1'));
            this.window.controller.setTipsOn(keep);
        }
        if (result.editor === 'outertext' || result.editor === 'gprs') {
            await this.window.openGenerator(result.editor);
        }
    }

    async pick(): Promise<void> {
        if (!canPickFiles()) {
            this.window.chooseFile('fileInput');
            return;
        }
        try {
            const file = await pickFile(this.window.readLimit);
            if (file) {
                await this.open(file);
            }
        } catch (error) {
            await this.showError(error);
        }
    }

    get where(): FilePlace {
        return this.place;
    }

    async openChosen(file: File | undefined): Promise<boolean> {
        return file ? this.open(await readFile(file, this.window.readLimit)) : false;
    }

    // Writes the bytes back, or downloads them; true when they were stored.
    async save(): Promise<boolean> {
        const session = this.window.session;
        if (!session?.fileOpen()) {
            return false;
        }
        try {
            const bytes = session.bytesToSave();
            const { handle, folder } = this.place;
            // Asked first: without the browser's leave the file cannot even be compared with the disk.
            const writable = handle !== null && (await mayWriteThrough(handle, folder));
            if (writable && !(await this.mayWriteOver(session, handle))) {
                return false;
            }
            const saved = await saveFile(bytes, session.downloadFileName(''), writable ? handle : null);
            // A copy downloaded where the browser refused the file itself keeps the handle for the next Save.
            this.stored(session, bytes, saved.downloaded && handle ? { ...saved, handle, stamp: this.place.stamp } : saved, '');
            return true;
        } catch (error) {
            await this.showError(error);
            return false;
        }
    }

    // Another program may have changed or removed the file since it was read:
    // the session's question decides whether it is written over, read again
    // (which stores nothing) or left alone.
    private async mayWriteOver(session: Session, handle: FileSystemFileHandle): Promise<boolean> {
        const stamp = this.place.stamp;
        if (!stamp) {
            return true;
        }
        const state = await diskState(handle, stamp);
        if (state === 'same') {
            return true;
        }
        const answer = await this.ask(session.diskChangeQuestion(state));
        if (answer === 'reload') {
            const file = await readFile(await handle.getFile(), this.window.readLimit, handle);
            const result = session.open(file.bytes, file.name, 'reload');
            if (result.opened) {
                this.place = { ...this.place, stamp: file.stamp };
                this.notice = null;
                this.window.fileChanged();
                await this.showOpened(session, result);
            } else {
                await this.tell(result.message?.text ?? '');
            }
            return false;
        }
        return answer === 'overwrite' || answer === 'save';
    }

    async saveAs(): Promise<void> {
        const session = this.window.session;
        if (!session?.fileOpen()) {
            return;
        }
        try {
            const bytes = session.bytesToSave();
            const saved = await saveFileAs(bytes, session.downloadFileName(''),
                (name) => this.askName(session, name));
            if (saved) {
                // The document takes the name it was stored under, as a desktop Save As does.
                this.stored(session, bytes, saved, saved.name);
            }
        } catch (error) {
            await this.showError(error);
        }
    }

    async close(): Promise<void> {
        const session = this.window.session;
        if (!session || !(await this.mayLeave('close'))) {
            return;
        }
        session.close();
        this.place = { handle: null, stamp: null, folder: null };
        this.notice = null;
        this.window.fileChanged();
    }

    // A generator's file, under the name the session gives it.
    offer(bytes: Uint8Array, fileName: string): void {
        const safeName = this.window.session?.downloadFileName(fileName) ?? fileName;
        download(bytes, safeName);
        this.showNotice({ fileName: safeName, modified: this.window.controller.modified, downloaded: true });
    }

    // The status line: the last save's notice while the document is as it was then.
    status(sessionStatus: string): string {
        const notice = this.notice;
        const session = this.window.session;
        if (!session || notice?.modified !== this.window.controller.modified) {
            return sessionStatus;
        }
        return session.caption('web', notice.downloaded ? 'staDownloaded' : 'staWritten').replace('%1', notice.fileName);
    }

    private stored(session: Session, bytes: Uint8Array, saved: SavedFile, name: string): void {
        // Stored anywhere else, the file leaves the folder it came from.
        const folder = saved.handle !== null && saved.handle === this.place.handle ? this.place.folder : null;
        this.place = { handle: saved.handle, stamp: saved.stamp, folder };
        session.markSaved(bytes, name);
        void this.remember(saved.name, saved.handle);
        this.showNotice({ fileName: saved.name, modified: false, downloaded: saved.downloaded });
    }

    private showNotice(notice: { fileName: string; modified: boolean; downloaded: boolean }): void {
        this.notice = notice;
        this.window.requestUpdate();
    }

    // The name typed, made safe as the browser will write it.
    private async askName(session: Session, name: string): Promise<string | null> {
        // The window's own, so that the focus goes back where it was when it closes.
        const dialog = document.querySelector('save-name-dialog')
            ?? document.body.appendChild(document.createElement('save-name-dialog'));
        const typed = await dialog.ask(session, name);
        return typed === null ? null : session.downloadFileName(typed);
    }

    readonly onBeforeUnload = (event: BeforeUnloadEvent): void => {
        if (this.window.session?.questionBefore('exit')) {
            event.preventDefault();
            event.returnValue = '';
        }
    };
}
