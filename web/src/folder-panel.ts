// SPDX-License-Identifier: GPL-3.0-or-later
// The seem folder's known files, one entry a kind of editor as the desktop's
// "Edit Seem Folder Files" menu offers them, and the result of comparing two
// folders.
import { LitElement, html, nothing } from 'lit';
import { customElement, property, query, state } from 'lit/decorators.js';
import type { Session } from './core';
import { compareFolders, readFolder, type FolderDifference, type FolderFile } from './seem-folder';
import { UiString } from './strings';

const kindControls: [string, string][] = [
    ['function', 'mnuFunction'], ['style', 'mnuStyle'], ['outertext', 'mnuOuterText'],
    ['gprs', 'mnuGPRS'], ['volume', 'mnuVolume'], ['color', 'mnuColor'],
];

export interface FolderComparisonResult {
    olderName: string;
    newerName: string;
    differences: FolderDifference[];
    onlyInOlder: string[];
    onlyInNewer: string[];
}

@customElement('folder-panel')
export class FolderPanel extends LitElement {
    @property({ attribute: false }) session: Session | null = null;
    // How many bytes of a file the core needs to judge it.
    @property({ attribute: false }) readLimit = 5001;
    // Shows a message and resolves when the user has read it.
    @property({ attribute: false }) tell: (message: string) => Promise<void> = async () => undefined;
    @state() private files: FolderFile[] | null = null;
    @state() private folderName = '';
    @state() private comparison: FolderComparisonResult | null = null;
    @query('input[type="file"]') private input!: HTMLInputElement;
    // What the folder input is choosing for: the seem folder, or a side of a comparison.
    private purpose: ((files: File[]) => Promise<void>) | null = null;

    override createRenderRoot(): HTMLElement {
        return this;
    }

    private chooseFolder(purpose: (files: File[]) => Promise<void>): void {
        this.purpose = purpose;
        this.input.click();
    }

    private async onFolderInput(): Promise<void> {
        const files = [...(this.input.files ?? [])];
        this.input.value = '';
        const purpose = this.purpose;
        this.purpose = null;
        if (files.length > 0 && purpose) {
            await purpose(files);
        }
    }

    private async read(files: File[]): Promise<{ name: string; files: FolderFile[] }> {
        const first = files[0] as File & { webkitRelativePath?: string };
        const name = (first.webkitRelativePath ?? '').split('/')[0] || first.name;
        return { name, files: await readFolder(this.session!, files, this.readLimit) };
    }

    chooseSeemFolder(): void {
        this.chooseFolder(async (files) => {
            const folder = await this.read(files);
            this.folderName = folder.name;
            this.files = folder.files;
        });
    }

    async compareFolders(): Promise<void> {
        const session = this.session!;
        await this.tell(session.string(UiString.ChooseFirstFolder));
        this.chooseFolder(async (olderFiles) => {
            const older = await this.read(olderFiles);
            await this.tell(session.string(UiString.ChooseSecondFolder));
            this.chooseFolder(async (newerFiles) => {
                const newer = await this.read(newerFiles);
                const names = (list: FolderFile[]) => new Set(list.map((file) => file.name));
                this.comparison = {
                    olderName: older.name,
                    newerName: newer.name,
                    differences: compareFolders(session, older.files, newer.files),
                    onlyInOlder: [...names(older.files)].filter((name) => !names(newer.files).has(name)),
                    onlyInNewer: [...names(newer.files)].filter((name) => !names(older.files).has(name)),
                };
            });
        });
    }

    private renderFiles(session: Session, files: FolderFile[]) {
        const heading = `${session.caption('Form1', 'mnuEditFunction')}: ${this.folderName}`;
        return html`<section class="seem-folder" aria-label=${heading}><h2>${heading}</h2>
            <ul>${kindControls.map(([kind, control]) => {
                // As in the desktop's scan, of several files of one kind the last one listed is offered.
                const file = files.filter((candidate) => candidate.kind === kind).pop();
                return html`<li><button type="button" data-kind=${kind} ?disabled=${!file}
                    @click=${() => file && this.dispatchEvent(new CustomEvent<FolderFile>('folder-open',
                        { detail: file, bubbles: true }))}>${session.caption('Form1', control)}</button>
                    ${file ? html`<span class="file-name">${file.name}</span>` : nothing}</li>`;
            })}</ul></section>`;
    }

    private renderComparison(session: Session, result: FolderComparisonResult) {
        const heading = session.string(UiString.ChangedFilesCaption, [result.olderName, result.newerName]);
        const same = result.differences.length === 0 && result.onlyInOlder.length === 0 && result.onlyInNewer.length === 0;
        return html`<section class="folder-comparison" aria-label=${heading}><h2>${heading}</h2>
            ${same ? html`<p>${session.string(UiString.FoldersSame)}</p>` : html`<ul>
                ${result.differences.map((file) => html`<li>
                    <details><summary>${session.string(UiString.ChangedFileLine,
                        [file.name, String(file.comparison.differences.length)])}</summary>
                        <ul>${file.comparison.differences.map((difference) => html`<li>
                            ${difference.name}: ${difference.ours} → ${difference.theirs}</li>`)}</ul>
                    </details></li>`)}
                ${result.onlyInOlder.map((name) => html`<li>${session.string(UiString.OnlyInFolder, [result.olderName, name])}</li>`)}
                ${result.onlyInNewer.map((name) => html`<li>${session.string(UiString.OnlyInFolder, [result.newerName, name])}</li>`)}
            </ul>`}</section>`;
    }

    override render() {
        const session = this.session;
        if (!session) {
            return nothing;
        }
        return html`<input type="file" webkitdirectory multiple hidden @change=${this.onFolderInput}>
            ${this.files ? this.renderFiles(session, this.files) : nothing}
            ${this.comparison ? this.renderComparison(session, this.comparison) : nothing}`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'folder-panel': FolderPanel;
    }
}
