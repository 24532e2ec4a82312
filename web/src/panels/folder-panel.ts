// SPDX-License-Identifier: GPL-3.0-or-later
// The seem folder's known files, one entry a kind of editor as the desktop's
// "Edit Seem Folder Files" menu offers them, and the result of comparing two
// folders, each changed pair a line that opens it compared. A folder is chosen
// with the browser's folder picker where it has one, else with a folder input.
// Each list closes with its button or Escape.
import { LitElement, html, nothing } from 'lit';
import { customElement, property, query, state } from 'lit/decorators.js';
import { UiString, type FolderComparison, type FolderFind, type FoundSetting, type SeemFolderItem, type Session } from '../session/core';
import { canPickFolders, download, folderFromInput, pickFolder, type ChosenFolder } from '../files/file-access';
import { closesOnEscape, focusedElement, returnFocus } from './panel-focus';
import { compareFolders, findInFolder, folderRecipe, scanFolder } from '../files/seem-folder';

interface ComparedFolders {
    older: ChosenFolder;
    newer: ChosenFolder;
    result: FolderComparison;
}

// A file to open and the file to compare it with, named with its folder:
// both have the same name.
export interface FilePair {
    file: File;
    other: File;
    otherName: string;
}

// A line of Find in Seem Folder: the file to open and the setting to choose in it.
export interface FoundFile {
    file: File;
    match: FoundSetting;
}

interface FolderSearch {
    folder: ChosenFolder;
    text: string;
    result: FolderFind | null;
}

type Panel = 'seem-folder' | 'folder-comparison' | 'find-in-folder';

@customElement('folder-panel')
export class FolderPanel extends LitElement {
    @property({ attribute: false }) session: Session | null = null;
    // How many bytes of a file the core needs to judge it.
    @property({ attribute: false }) readLimit = 5001;
    // Shows a message and resolves when the user has read it.
    @property({ attribute: false }) tell: (message: string) => Promise<void> = () => Promise.resolve();
    @state() private folder: ChosenFolder | null = null;
    @state() private items: SeemFolderItem[] = [];
    @state() private comparison: ComparedFolders | null = null;
    @state() private search: FolderSearch | null = null;
    @query('input[type="file"]') private input!: HTMLInputElement;
    // The choice the folder input is answering.
    private pendingChoice: ((folder: ChosenFolder | null) => void) | null = null;
    // What had the focus when each list was asked for; it takes the focus back when the list closes.
    private openers: Record<Panel, HTMLElement | null> = {
        'seem-folder': null, 'folder-comparison': null, 'find-in-folder': null,
    };

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

    // A list just shown takes the focus, as the desktop's list window does.
    private async show(panel: Panel, opener: HTMLElement | null): Promise<void> {
        this.openers[panel] = opener;
        await this.updateComplete;
        const section = this.querySelector(`section.${panel}`);
        (section?.querySelector<HTMLElement>('ul button:not([disabled])') ?? section?.querySelector('h2'))?.focus();
    }

    private close(panel: Panel): void {
        const hadFocus = this.querySelector(`section.${panel}`)?.contains(document.activeElement) ?? false;
        if (panel === 'seem-folder') {
            this.folder = null;
            this.items = [];
        } else if (panel === 'folder-comparison') {
            this.comparison = null;
        } else {
            this.search = null;
        }
        if (hadFocus) {
            returnFocus(this.openers[panel], this);
        }
    }

    chooseSeemFolder(): Promise<void> {
        const opener = focusedElement();
        return this.run(async () => {
            const folder = await this.choose();
            if (folder) {
                this.items = scanFolder(this.session!, folder);
                this.folder = folder;
                await this.show('seem-folder', opener);
            }
        });
    }

    // Tools > Find in Seem Folder: over the seem folder listed, else one chosen now.
    findInFolder(): Promise<void> {
        const opener = focusedElement();
        return this.run(async () => {
            const folder = this.folder ?? await this.choose();
            if (folder) {
                this.search = { folder, text: this.search?.text ?? '', result: null };
                this.openers['find-in-folder'] = opener;
                await this.updateComplete;
                this.querySelector<HTMLInputElement>('section.find-in-folder input')?.focus();
            }
        });
    }

    private async searchFolder(text: string): Promise<void> {
        const search = this.search;
        const session = this.session;
        if (!search || !session || text === '') {
            return;
        }
        await this.run(async () => {
            const result = await findInFolder(session, search.folder, text, this.readLimit);
            if (this.search === search) {
                this.search = { ...search, text, result };
            }
        });
    }

    private openFound(name: string, match: FoundSetting): void {
        const file = this.search?.folder.files.find((candidate) => candidate.name === name);
        if (file) {
            this.dispatchEvent(new CustomEvent<FoundFile>('found-open', { detail: { file, match }, bubbles: true }));
        }
    }

    compareFolders(): Promise<void> {
        const session = this.session!;
        const opener = focusedElement();
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
                this.comparison = { older, newer, result };
                await this.show('folder-comparison', opener);
            }
        });
    }

    // Another language: the lists say their lines again in it (a folder
    // comparison is made again, its settings named by the new definitions).
    async reword(): Promise<void> {
        const session = this.session;
        if (this.folder && session) {
            this.items = scanFolder(session, this.folder);
        }
        const searched = this.search;
        if (searched?.result) {
            await this.searchFolder(searched.text);
        }
        const shown = this.comparison;
        if (shown && session) {
            await this.run(async () => {
                const result = await compareFolders(session, shown.older, shown.newer, this.readLimit);
                if (this.comparison === shown) {
                    this.comparison = { ...shown, result };
                }
            });
        }
        this.requestUpdate();
    }

    private open(name: string): void {
        const file = this.folder?.files.find((candidate) => candidate.name === name);
        if (file) {
            this.dispatchEvent(new CustomEvent<File>('folder-open', { detail: file, bubbles: true }));
        }
    }

    // The desktop's order: the newer file opens, compared with the older one it came from.
    private openPair({ older, newer }: ComparedFolders, oursName: string, theirsName: string): void {
        const file = newer.files.find((candidate) => candidate.name === theirsName);
        const other = older.files.find((candidate) => candidate.name === oursName);
        if (file && other) {
            const otherName = `${older.name}/${other.name}`;
            this.dispatchEvent(new CustomEvent<FilePair>('pair-open', { detail: { file, other, otherName }, bubbles: true }));
        }
    }

    // Save Differences as Recipe: what the comparison shows, as one recipe
    // named after the newer folder, and what it could not carry.
    private saveRecipe({ older, newer }: ComparedFolders): Promise<void> {
        const session = this.session!;
        return this.run(async () => {
            const made = await folderRecipe(session, older, newer, this.readLimit);
            const name = `${newer.name}.json`;
            download(made.recipe, name, 'application/json');
            await this.tell([session.string(UiString.RecipeExported, [name]), ...made.notes].join('\n'));
        });
    }

    private readonly closeSeemFolder = closesOnEscape(() => this.close('seem-folder'));
    private readonly closeComparison = closesOnEscape(() => this.close('folder-comparison'));
    private readonly closeSearch = closesOnEscape(() => this.close('find-in-folder'));

    // The heading, and the button that closes the list, named with it.
    private renderTop(session: Session, panel: Panel, heading: string) {
        const close = session.caption('Form1', 'mnuClose');
        return html`<div class="panel-top"><h2 tabindex="-1">${heading}</h2>
            <button type="button" class="close" aria-label=${`${close}: ${heading}`}
                @click=${() => this.close(panel)}>${close}</button></div>`;
    }

    private renderFiles(session: Session, folder: ChosenFolder) {
        const heading = `${session.caption('Form1', 'mnuEditFunction')}: ${folder.name}`;
        return html`<section class="seem-folder" aria-label=${heading} @keydown=${this.closeSeemFolder}>
            ${this.renderTop(session, 'seem-folder', heading)}
            <ul>${this.items.map((item) => html`<li><button type="button" data-kind=${item.type}
                ?disabled=${item.file === null} @click=${() => item.file !== null && this.open(item.file)}>
                ${session.caption('Form1', item.item)}</button>
                ${item.file !== null ? html`<span class="file-name">${item.file}</span>` : nothing}</li>`)}
            </ul></section>`;
    }

    // A changed setting reads as its pair will once opened (the newer file
    // compared with the older): the newer value first, as the window lists it.
    private renderComparison(session: Session, compared: ComparedFolders) {
        const { older: { name: olderName }, newer: { name: newerName }, result } = compared;
        const heading = session.string(UiString.ChangedFilesCaption, [olderName, newerName]);
        const same = result.changed.length === 0 && result.onlyInOurs.length === 0
            && result.onlyInTheirs.length === 0 && result.unreadable.length === 0;
        return html`<section class="folder-comparison" aria-label=${heading} @keydown=${this.closeComparison}>
            ${this.renderTop(session, 'folder-comparison', heading)}
            ${same ? html`<p>${session.string(UiString.FoldersSame)}</p>` : html`
            ${result.changed.length > 0
                ? html`<p class="hint" id="pair-hint">${session.string(UiString.FolderComparisonHint)}</p>` : nothing}
            ${result.changed.length > 0 ? html`<p><button type="button" class="save-recipe"
                @click=${() => this.saveRecipe(compared)}>${session.label(UiString.MenuSaveDifferencesAsRecipe)}</button></p>`
                : nothing}
            <ul>
                ${result.changed.map((pair) => html`<li>
                    <button type="button" class="pair" aria-describedby="pair-hint"
                        @click=${() => this.openPair(compared, pair.oursName, pair.theirsName)}>${session.plural(
                        UiString.ChangedFileLine, pair.differences.length, [pair.oursName, String(pair.differences.length)])}</button>
                    <ul class="pair-differences">${pair.differences.map((difference) => html`<li>
                        ${difference.name}: ${difference.b} → ${difference.a}</li>`)}</ul></li>`)}
                ${result.onlyInOurs.map((name) => html`<li>${session.string(UiString.OnlyInFolder, [olderName, name])}</li>`)}
                ${result.onlyInTheirs.map((name) => html`<li>${session.string(UiString.OnlyInFolder, [newerName, name])}</li>`)}
                ${result.unreadable.map((line) => html`<li>${line}</li>`)}
            </ul>`}</section>`;
    }

    private renderSearch(session: Session, search: FolderSearch) {
        const heading = `${session.string(UiString.FindInFolderTitle)}: ${search.folder.name}`;
        const result = search.result;
        return html`<section class="find-in-folder" aria-label=${heading} @keydown=${this.closeSearch}>
            ${this.renderTop(session, 'find-in-folder', heading)}
            <p class="hint" id="find-folder-hint">${session.string(UiString.FindInFolderHint)}</p>
            <p><input type="search" aria-label=${session.label(UiString.FindLabel)} aria-describedby="find-folder-hint"
                .value=${search.text} @keydown=${(event: KeyboardEvent) => {
                    if (event.key === 'Enter') {
                        event.preventDefault();
                        void this.searchFolder((event.target as HTMLInputElement).value);
                    }
                }}></p>
            ${result ? html`<p role="status">${result.summary}</p>
                <ul>${result.files.map((file) => file.matches.map((match, index) => html`<li><button type="button"
                    class="found-line" @click=${() => this.openFound(file.name, match)}>${file.lines[index]}</button></li>`))}
                    ${result.unreadable.map((line) => html`<li>${line}</li>`)}</ul>` : nothing}
        </section>`;
    }

    override render() {
        const session = this.session;
        if (!session) {
            return nothing;
        }
        return html`<input type="file" webkitdirectory multiple hidden @change=${this.onFolderInput}
                @cancel=${() => this.answerChoice(null)}>
            ${this.folder ? this.renderFiles(session, this.folder) : nothing}
            ${this.comparison ? this.renderComparison(session, this.comparison) : nothing}
            ${this.search ? this.renderSearch(session, this.search) : nothing}`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'folder-panel': FolderPanel;
    }
}
