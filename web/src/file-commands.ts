// SPDX-License-Identifier: GPL-3.0-or-later
// File > Open, Save, Save As and Close, and leaving the page: each asks the
// session's question first and shows the session's answers (its refusal, the
// message of a type without an editor, the feature tip, the generator a
// generator's file opens). The page only reads and writes the bytes.
import { UiString, type Leaving, type OpenResult, type Question, type Session } from './core';
import {
    canPickFiles, diskState, download, downloadName, pickFile, readFile, saveFile, saveFileAs, type FileStamp, type OpenedFile,
    type SavedFile,
} from './file-access';
import type { GeneratorKind } from './generator-dialog';
import type { MessageDialog } from './message-dialog';
import './save-name-dialog';

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

export class FileCommands {
    // Where Save writes back; null for a file from an input or a plain drop.
    private handle: FileSystemFileHandle | null = null;
    // The file behind handle as last read or written.
    private stamp: FileStamp | null = null;
    // What the status line says after a download, while the document stays as
    // it was then (modified or not): the browser shows no sign of its own.
    private notice: { fileName: string; modified: boolean } | null = null;

    constructor(private readonly window: FileWindow) {}

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
        this.handle = file.handle;
        this.stamp = file.stamp;
        this.notice = null;
        this.window.fileChanged();
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
            if (!(await this.mayWriteOver(session))) {
                return false;
            }
            const saved = await saveFile(bytes, session.fileNameToSave(), this.handle);
            this.stored(session, bytes, saved, '');
            return true;
        } catch (error) {
            await this.showError(error);
            return false;
        }
    }

    // Another program may have changed or removed the file since it was read:
    // the session's question decides whether it is written over, read again
    // (which stores nothing) or left alone.
    private async mayWriteOver(session: Session): Promise<boolean> {
        if (!this.handle || !this.stamp) {
            return true;
        }
        const state = await diskState(this.handle, this.stamp);
        if (state === 'same') {
            return true;
        }
        const answer = await this.ask(session.diskChangeQuestion(state));
        if (answer === 'reload') {
            const file = await readFile(await this.handle.getFile(), this.window.readLimit, this.handle);
            const result = session.open(file.bytes, file.name, 'reload');
            if (result.opened) {
                this.stamp = file.stamp;
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
            const saved = await saveFileAs(bytes, session.fileNameToSave(),
                (name) => this.askName(session, name));
            if (saved) {
                // The document takes the name it was stored under, as a desktop Save As does.
                this.stored(session, bytes, saved, saved.handle?.name || saved.downloadedAs || '');
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
        this.handle = null;
        this.stamp = null;
        this.notice = null;
        this.window.fileChanged();
    }

    // A generator's file, under the name the session gives it.
    offer(bytes: Uint8Array, fileName: string): void {
        download(bytes, downloadName(fileName));
        this.tellDownloaded(downloadName(fileName), this.window.controller.modified);
    }

    // The status line: the last download's notice while the document is as it was then.
    status(sessionStatus: string): string {
        const notice = this.notice;
        if (notice?.modified !== this.window.controller.modified) {
            return sessionStatus;
        }
        return this.window.session?.caption('web', 'staDownloaded').replace('%1', notice.fileName) ?? sessionStatus;
    }

    private stored(session: Session, bytes: Uint8Array, saved: SavedFile, name: string): void {
        this.handle = saved.handle;
        this.stamp = saved.stamp;
        this.notice = null;
        if (saved.downloadedAs) {
            this.tellDownloaded(saved.downloadedAs, false);
        }
        session.markSaved(bytes, name);
    }

    private tellDownloaded(fileName: string, modified: boolean): void {
        this.notice = { fileName, modified };
        this.window.requestUpdate();
    }

    private askName(session: Session, name: string): Promise<string | null> {
        const dialog = document.querySelector('save-name-dialog')
            ?? document.body.appendChild(document.createElement('save-name-dialog'));
        return dialog.ask(session, name);
    }

    readonly onBeforeUnload = (event: BeforeUnloadEvent): void => {
        if (this.window.session?.questionBefore('exit')) {
            event.preventDefault();
            event.returnValue = '';
        }
    };
}
