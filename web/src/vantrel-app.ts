// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: menus, the grid, the editor of the open file's type, the
// status line. The session controller owns the session and applies what it
// pushes; the file and tool commands ask it and show its answers. The window
// lays them out and passes on what the user does; it decides nothing.
import { LitElement, html, nothing } from 'lit';
import { customElement, query, state } from 'lit/decorators.js';
import { appMenus, type MenuWindow } from './app-menus';
import type { ByteGrid } from './byte-grid';
import type { ComparePanel } from './compare-panel';
import { UiString, type FunctionNode, type GeneratedFile, type Session } from './core';
import { readDropped, readFile } from './file-access';
import { FileCommands, type FileWindow } from './file-commands';
import type { FolderPanel } from './folder-panel';
import type { GeneratorDialog, GeneratorKind } from './generator-dialog';
import type { MessageDialog } from './message-dialog';
import { SessionController } from './session-controller';
import { takeChosenFile, ToolCommands } from './tool-commands';
import type { AboutDialog, GoToDialog } from './window-dialogs';
import './byte-grid';
import './compare-panel';
import './editor-panel';
import './folder-panel';
import './generator-dialog';
import './menu-bar';
import './message-dialog';
import './window-dialogs';

const showCoverageKey = 'ShowCoverage';
const showByteInfoKey = 'ShowByteInfo';

@customElement('vantrel-app')
export class VantrelApp extends LitElement implements FileWindow, MenuWindow {
    readonly controller = new SessionController(this);
    readonly files = new FileCommands(this);
    readonly tools = new ToolCommands(this.controller, this.files, () => this.dialog);
    @state() showCoverage = localStorage.getItem(showCoverageKey) === '1';
    @state() showByteInfo = localStorage.getItem(showByteInfoKey) === '1';
    @state() private information = '';
    @state() private dragging = false;
    // The switch last chosen in the tree, for Edit > Switch On/Off.
    @state() private chosenKey = '';
    @query('byte-grid') private grid!: ByteGrid;
    @query('message-dialog') readonly dialog!: MessageDialog;
    @query('generator-dialog') private generator!: GeneratorDialog;
    @query('folder-panel') private folderPanel!: FolderPanel;
    @query('compare-panel') private comparePanel!: ComparePanel;
    @query('goto-dialog') private goToDialog!: GoToDialog;
    @query('about-dialog') private aboutDialog!: AboutDialog;
    private startFailure = '';
    private shaded: unknown = null;

    override createRenderRoot(): HTMLElement {
        return this;
    }

    get session(): Session | null {
        return this.controller.session;
    }

    get readLimit(): number {
        // One byte more than a seem file may hold, so the core refuses a larger
        // file with its own message without the page reading it whole.
        return (this.controller.core?.maxFileSize ?? 5000) + 1;
    }

    get chosenSwitch(): FunctionNode | null {
        const model = this.controller.model;
        const find = (node: FunctionNode): FunctionNode | null => (node.key === this.chosenKey && node.kind === 'switch'
            ? node : node.children.reduce<FunctionNode | null>((found, child) => found ?? find(child), null));
        return model.kind === 'function' && this.chosenKey ? find(model.root) : null;
    }

    get comparing(): boolean {
        return this.comparePanel?.isComparing ?? false;
    }

    override connectedCallback(): void {
        super.connectedCallback();
        window.addEventListener('keydown', this.onShortcut);
        window.addEventListener('beforeunload', this.files.onBeforeUnload);
        void this.start();
    }

    override disconnectedCallback(): void {
        window.removeEventListener('keydown', this.onShortcut);
        window.removeEventListener('beforeunload', this.files.onBeforeUnload);
        super.disconnectedCallback();
    }

    private async start(): Promise<void> {
        try {
            this.controller.onCellsChanged(() => this.markDifferences());
            await this.controller.start();
            await this.updateComplete;
            this.controller.cellView = this.grid;
            this.controller.refresh();
            this.acceptLaunchedFiles();
            document.body.dataset['ready'] = 'true';
            performance.mark('vantrel-ready');
            const problem = this.session?.languageProblem();
            if (problem) {
                await this.files.tell(problem);
            }
        } catch (error) {
            this.startFailure = error instanceof Error ? error.message : String(error);
            document.body.dataset['ready'] = 'failed';
            this.requestUpdate();
        }
    }

    // Files an installed app was started with (its file handler).
    private acceptLaunchedFiles(): void {
        const launchQueue = (window as unknown as {
            launchQueue?: { setConsumer: (consumer: (params: { files: FileSystemHandle[] }) => void) => void };
        }).launchQueue;
        launchQueue?.setConsumer(async ({ files }) => {
            const handle = files.find((file) => file.kind === 'file') as FileSystemFileHandle | undefined;
            if (handle) {
                await this.files.open(await readFile(await handle.getFile(), this.readLimit, handle));
            }
        });
    }

    override updated(): void {
        const { file, modified, model } = this.controller;
        document.title = file.open ? `${file.name}${modified ? ' *' : ''} – Vantrel` : 'Vantrel';
        // The page's lang follows the chosen language, for a screen reader's voice.
        const lcid = this.controller.languages[this.controller.languageIndex]?.lcid ?? null;
        document.documentElement.lang = lcid === null ? '' : ({ 0x04: 'zh', 0x09: 'en' } as Record<number, string>)[lcid & 0x3ff] ?? '';
        // Coverage follows the type and size only: shaded again with each model.
        if (this.shaded !== (this.showCoverage && file.open ? model : null)) {
            this.shaded = this.showCoverage && file.open ? model : null;
            const bits = this.shaded ? this.session?.coverage().describedBits ?? [] : [];
            this.grid?.setMarks('uncovered', [...bits.keys()].filter((cell) => bits[cell] === 0));
        }
    }

    // -- what the window passes on ----------------------------------------------

    fileChanged(): void {
        this.information = '';
        this.chosenKey = '';
        this.closeComparison();
    }

    edit(action: (session: Session) => unknown): void {
        try {
            if (this.session) {
                action(this.session);
            }
        } catch (error) {
            void this.files.showError(error);
        }
    }

    chooseFile(inputId: string): void {
        this.querySelector<HTMLInputElement>(`#${inputId}`)?.click();
    }

    async openGenerator(kind: GeneratorKind): Promise<void> {
        if (this.session) {
            await this.generator.open(this.session, kind);
        }
    }

    async goToOffset(): Promise<void> {
        if (this.session?.fileOpen()) {
            const offset = await this.goToDialog.ask(this.session);
            if (offset !== null) {
                this.grid.select(offset, true);
            }
        }
    }

    compare(): void {
        this.comparePanel.chooseOther();
    }

    closeComparison(): void {
        this.comparePanel?.close();
        this.markDifferences();
    }

    private markDifferences(): void {
        this.comparePanel?.refresh();
        this.grid?.setMarks('differs', this.comparePanel?.differingCells ?? []);
    }

    toggleCoverage(): void {
        this.showCoverage = !this.showCoverage;
        localStorage.setItem(showCoverageKey, this.showCoverage ? '1' : '0');
    }

    toggleByteInfo(): void {
        this.showByteInfo = !this.showByteInfo;
        localStorage.setItem(showByteInfoKey, this.showByteInfo ? '1' : '0');
    }

    chooseSeemFolder(): void {
        void this.folderPanel.chooseSeemFolder();
    }

    compareFolders(): void {
        void this.folderPanel.compareFolders();
    }

    about(): void {
        if (this.session && this.controller.core) {
            void this.aboutDialog.show(this.session, this.controller.core.projectInfo());
        }
    }

    // An item of the editor was chosen: its description, and its cells in the grid.
    private select(cell: number, tip: string, cells = 0): void {
        this.information = tip || (this.session?.string(UiString.NoDescription) ?? '');
        if (cell >= 0) {
            this.grid.select(cell, false);
        }
        this.grid.setMarks('colour-mark', Array.from({ length: cells }, (_, offset) => cell + offset));
    }

    private onItemSelect(event: CustomEvent<{ cell: number; tip: string; cells?: number }>): void {
        this.select(event.detail.cell, event.detail.tip, event.detail.cells);
    }

    private onNodeSelect(event: CustomEvent<FunctionNode>): void {
        const node = event.detail;
        this.chosenKey = node.kind === 'switch' ? node.key : '';
        this.select(node.kind === 'switch' ? node.cell : -1, node.tip);
    }

    private async onDrop(event: DragEvent): Promise<void> {
        event.preventDefault();
        this.dragging = false;
        const item = [...(event.dataTransfer?.items ?? [])].find((entry) => entry.kind === 'file');
        const file = item ? await readDropped(item, this.readLimit) : null;
        if (file) {
            await this.files.open(file);
        }
    }

    private readonly onShortcut = (event: KeyboardEvent): void => {
        if (!this.session || !(event.ctrlKey || event.metaKey) || event.altKey) {
            return;
        }
        const inTextBox = (event.target as HTMLElement | null)?.closest?.('input[type="text"], textarea') !== null;
        const actions: Record<string, () => unknown> = {
            o: () => this.files.pick(),
            s: () => (event.shiftKey ? this.files.saveAs() : this.files.save()),
            g: () => this.goToOffset(),
            ...(inTextBox ? {} : { z: () => this.edit((s) => (event.shiftKey ? s.redo() : s.undo())), y: () => this.edit((s) => s.redo()) }),
        };
        const action = actions[event.key.toLowerCase()];
        if (action) {
            event.preventDefault();
            void action();
        }
    };

    // -- the window ---------------------------------------------------------------

    private renderSide(session: Session) {
        const { model, cursor, file } = this.controller;
        const editor = ['function', 'style', 'volume', 'color'].includes(model.kind);
        const byteInfo = session.label(UiString.WhatIsThisByte);
        return html`<section class="information" aria-label=${session.caption('Form1', 'frameSet')} ?hidden=${!editor}>
                <h2>${session.caption('Form1', 'frameSet')}</h2>
                <p aria-live="polite">${this.information || (model.kind === 'volume'
                    ? session.string(UiString.VolumeInformation) : session.caption('Form1', 'lblinfo'))}</p>
            </section>
            ${this.showByteInfo && file.open ? html`<section class="information byte-info" aria-label=${byteInfo}>
                <h2>${byteInfo}</h2><p aria-live="polite">${cursor.description}</p></section>` : nothing}
            <compare-panel .session=${session} .readLimit=${this.readLimit} @compare-changed=${this.markDifferences}
                @edit-failed=${(event: CustomEvent<unknown>) => this.files.showError(event.detail)}
                @difference-select=${(event: CustomEvent<number>) => this.grid.select(event.detail, true)}></compare-panel>
            <byte-grid .gridLabel=${session.string(UiString.AccessibleGrid)} .offsetLabel=${session.string(UiString.CellOffset)}
                .cellLabel=${(offset: string) => session.string(UiString.AccessibleCell, [offset])}
                .cursor=${session} .navigable=${file.open}></byte-grid>`;
    }

    override render() {
        const session = this.session;
        if (this.startFailure || !session) {
            return this.startFailure ? html`<p class="failure" role="alert">${this.startFailure}</p>`
                : html`<p class="starting" role="status">Vantrel…</p>`;
        }
        const { file, modified, model, revision, cursor } = this.controller;
        return html`
            <header>
                <menu-bar .menus=${appMenus(session, this)} .label=${'Vantrel'}></menu-bar>
                <label class="language">${session.caption('Form1', 'mnuLanguage')}
                    <select @change=${(event: Event) => this.tools.chooseLanguage(Number((event.target as HTMLSelectElement).value))}>
                        ${this.controller.languages.map((language, index) => html`<option value=${index}
                            ?selected=${index === this.controller.languageIndex}>${language.caption}</option>`)}
                    </select></label>
                <label class="file-input">${session.caption('Form1', 'mnuOpen')}
                    <input id="fileInput" type="file" accept=".seem,.bin,application/octet-stream"
                        @change=${(event: Event) => this.files.openChosen(takeChosenFile(event))}></label>
            </header>
            <main class=${this.dragging ? 'dragging' : ''} @dragover=${(event: DragEvent) => {
                event.preventDefault();
                this.dragging = true;
            }} @dragleave=${() => (this.dragging = false)} @drop=${this.onDrop}>
                <h1 class="document-title" aria-live="polite">${file.open ? `${file.name}${modified ? ' *' : ''}` : ''}
                    ${file.type ? html`<span class="type">${file.type.id} · ${file.type.tip}</span>` : nothing}</h1>
                <folder-panel .session=${session} .readLimit=${this.readLimit} .tell=${(text: string) => this.files.tell(text)}
                    @folder-open=${(event: CustomEvent<File>) => this.files.openChosen(event.detail)}></folder-panel>
                ${file.open ? nothing : html`<p class="empty-hint">${session.string(UiString.StartPageHint)}</p>`}
                <div class="workspace" ?hidden=${!file.open}>
                    <editor-panel .session=${session} .model=${model} .revision=${revision}
                        @node-select=${this.onNodeSelect} @item-select=${this.onItemSelect}
                        @edit-failed=${(event: CustomEvent<unknown>) => this.files.showError(event.detail)}></editor-panel>
                    <div class="side">${this.renderSide(session)}</div>
                </div>
            </main>
            <footer class="status">
                <span role="status">${file.status}</span>
                <span class="cell-status" aria-live="off">${file.open ? cursor.status : ''}</span>
            </footer>
            <input id="definitionsInput" type="file" accept=".xml,application/xml,text/xml" hidden
                @change=${(event: Event) => this.tools.useDefinitions(event)}>
            <input id="recipeInput" type="file" accept=".json,application/json" hidden
                @change=${(event: Event) => this.tools.applySettings(event)}>
            <generator-dialog @generated=${(event: CustomEvent<GeneratedFile>) =>
                this.files.offer(event.detail.bytes, event.detail.fileName)}></generator-dialog>
            <goto-dialog></goto-dialog>
            <about-dialog></about-dialog>
            <message-dialog></message-dialog>`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'vantrel-app': VantrelApp;
    }
}
