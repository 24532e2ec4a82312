// SPDX-License-Identifier: GPL-3.0-or-later
// The seem folder's known files, one entry a kind of editor as the desktop's
// "Edit Seem Folder Files" menu offers them, and the result of comparing two
// folders. A folder is chosen with the browser's folder picker where it has
// one, else with a folder input.
import { LitElement, html, nothing } from 'lit';
import { customElement, property, query, state } from 'lit/decorators.js';
import { UiString, type FolderComparison, type SeemFolderItem, type Session } from './core';
import { canPickFolders, folderFromInput, pickFolder, type ChosenFolder } from './file-access';
import { compareFolders, scanFolder } from './seem-folder';

interface ComparedFolders {
    olderName: string;
    newerName: string;
    result: FolderComparison;
}

@customElement('folder-panel')
export class FolderPanel extends LitElement {
    @property({ attribute: false }) session: Session | null = null;
    // How many bytes of a file the core needs to judge it.
    @property({ attribute: false }) readLimit = 5001;
    // Shows a message and resolves when the user has read it.
    @property({ attribute: false }) tell: (message: string) => Promise<void> = async () => undefined;
    @state() private folder: ChosenFolder | null = null;
    @state() private items: SeemFolderItem[] = [];
    @state() private comparison: ComparedFolders | null = null;
    @query('input[type="file"]') private input!: HTMLInputElement;
    // The choice the folder input is answering.
    private pendingChoice: ((folder: ChosenFolder | null) => void) | null = null;

    override createRenderRoot(): HTMLElement {
        return this;
    }

    private choose(): Promise<ChosenFolder | null> {
        if (canPickFolders()) {
            return pickFolder();
        }
        return new Promise((resolve) => {
            this.pendingChoice = resolve;
            this.input.click();
        });
    }

    private answerChoice(folder: ChosenFolder | null): void {
        const answer = this.pendingChoice;
        this.pendingChoice = null;
        answer?.(folder);
    }

    private onFolderInput(): void {
        const files = [...(this.input.files ?? [])];
        this.input.value = '';
        this.answerChoice(files.length > 0 ? folderFromInput(files) : null);
    }

    private async run(action: () => Promise<void>): Promise<void> {
        try {
            await action();
        } catch (error) {
            await this.tell(error instanceof Error ? error.message : String(error));
        }
    }

    chooseSeemFolder(): Promise<void> {
        return this.run(async () => {
            const folder = await this.choose();
            if (folder) {
                this.items = scanFolder(this.session!, folder);
                this.folder = folder;
            }
        });
    }

    compareFolders(): Promise<void> {
        const session = this.session!;
        return this.run(async () => {
            await this.tell(session.string(UiString.ChooseFirstFolder));
            const older = await this.choose();
            if (!older) {
                return;
            }
            await this.tell(session.string(UiString.ChooseSecondFolder));
            const newer = await this.choose();
            if (newer) {
                const result = await compareFolders(session, older, newer, this.readLimit);
                this.comparison = { olderName: older.name, newerName: newer.name, result };
            }
        });
    }

    private open(name: string): void {
        const file = this.folder?.files.find((candidate) => candidate.name === name);
        if (file) {
            this.dispatchEvent(new CustomEvent<File>('folder-open', { detail: file, bubbles: true }));
        }
    }

    private renderFiles(session: Session, folder: ChosenFolder) {
        const heading = `${session.caption('Form1', 'mnuEditFunction')}: ${folder.name}`;
        return html`<section class="seem-folder" aria-label=${heading}><h2>${heading}</h2>
            <ul>${this.items.map((item) => html`<li><button type="button" data-kind=${item.type}
                ?disabled=${item.file === null} @click=${() => item.file !== null && this.open(item.file)}>
                ${session.caption('Form1', item.item)}</button>
                ${item.file !== null ? html`<span class="file-name">${item.file}</span>` : nothing}</li>`)}
            </ul></section>`;
    }

    private renderComparison(session: Session, { olderName, newerName, result }: ComparedFolders) {
        const heading = session.string(UiString.ChangedFilesCaption, [olderName, newerName]);
        const same = result.changed.length === 0 && result.onlyInOurs.length === 0
            && result.onlyInTheirs.length === 0 && result.unreadable.length === 0;
        return html`<section class="folder-comparison" aria-label=${heading}><h2>${heading}</h2>
            ${same ? html`<p>${session.string(UiString.FoldersSame)}</p>` : html`<ul>
                ${result.changed.map((pair) => html`<li>
                    <details><summary>${session.plural(UiString.ChangedFileLine, pair.differences.length,
                        [pair.oursName, String(pair.differences.length)])}</summary>
                        <ul>${pair.differences.map((difference) => html`<li>
                            ${difference.name}: ${difference.a} → ${difference.b}</li>`)}</ul>
                    </details></li>`)}
                ${result.onlyInOurs.map((name) => html`<li>${session.string(UiString.OnlyInFolder, [olderName, name])}</li>`)}
                ${result.onlyInTheirs.map((name) => html`<li>${session.string(UiString.OnlyInFolder, [newerName, name])}</li>`)}
                ${result.unreadable.map((line) => html`<li>${line}</li>`)}
            </ul>`}</section>`;
    }

    override render() {
        const session = this.session;
        if (!session) {
            return nothing;
        }
        return html`<input type="file" webkitdirectory multiple hidden @change=${this.onFolderInput}
                @cancel=${() => this.answerChoice(null)}>
            ${this.folder ? this.renderFiles(session, this.folder) : nothing}
            ${this.comparison ? this.renderComparison(session, this.comparison) : nothing}`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'folder-panel': FolderPanel;
    }
}
