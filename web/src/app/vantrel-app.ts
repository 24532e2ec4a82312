// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: menus, the grid, the editor of the open file's type, the
// status line. The session controller owns the session and applies what it
// pushes; the file and tool commands ask it and show its answers. The window
// lays them out and passes on what the user does; it decides nothing.
import { LitElement, html, nothing } from 'lit';
import { customElement, query, state } from 'lit/decorators.js';
import { renderHeader } from './app-header';
import type { MenuWindow } from './app-menus';
import { cellOffsetMark, cellTextMark, type ByteGrid } from '../grid/byte-grid';
import type { ComparePanel } from '../panels/compare-panel';
import { DraftKeeper } from '../files/draft-keeper';
import { UiString, type FunctionNode, type GeneratedFile, type Session } from '../session/core';
import type { EditorPanel } from '../editors/editor-panel';
import type { FindBar } from '../panels/find-bar';
import { FileCommands, type FileWindow } from '../files/file-commands';
import { FindCommands, type FindWindow } from './find-commands';
import { FocusReturn } from './focus-return';
import type { FilePair, FolderPanel, FoundFile } from '../panels/folder-panel';
import type { GeneratorDialog, GeneratorKind } from '../dialogs/generator-dialog';
import type { MessageDialog } from '../dialogs/message-dialog';
import type { SuggestDialog } from '../dialogs/suggest-dialog';
import { SessionController } from '../session/session-controller';
import { RecipeCommands, type RecipeWindow } from './recipe-commands';
import type { RecipeReviewDialog } from '../panels/recipe-review';
import { ToolCommands } from './tool-commands';
import type { AboutDialog } from '../dialogs/about-dialog';
import type { GoToDialog } from '../dialogs/goto-dialog';
import { acceptLaunchedFiles, droppedFile, shortcutHandler } from './window-input';
import { languageTag, ViewSettings } from '../session/view-settings';
import '../panels/compare-panel';
import '../editors/editor-panel';
import '../panels/find-bar';
import '../panels/folder-panel';
import '../dialogs/generator-dialog';
import './menu-bar';
import '../dialogs/message-dialog';
import '../files/page-notices';
import '../dialogs/suggest-dialog';
import '../dialogs/about-dialog';
import '../dialogs/goto-dialog';

@customElement('vantrel-app')
export class VantrelApp extends LitElement implements FileWindow, MenuWindow, RecipeWindow, FindWindow {
    readonly controller = new SessionController(this);
    readonly files = new FileCommands(this);
    readonly tools = new ToolCommands(this.controller, this.files);
    readonly recipes = new RecipeCommands(this);
    readonly find = new FindCommands(this);
    readonly view = new ViewSettings(this);
    readonly drafts = new DraftKeeper(this);
    private readonly focusReturn = new FocusReturn(this, () => this.controller.file.open);
    @state() private information = '';
    @state() private dragging = false;
    // The switch last chosen in the tree, for Edit > Switch On/Off.
    @state() private chosenKey = '';
    @query('byte-grid') readonly grid!: ByteGrid;
    @query('message-dialog') readonly dialog!: MessageDialog;
    @query('recipe-review') readonly recipeReview!: RecipeReviewDialog;
    @query('generator-dialog') private generator!: GeneratorDialog;
    @query('folder-panel') private folderPanel!: FolderPanel;
    @query('compare-panel') private comparePanel!: ComparePanel;
    @query('goto-dialog') private goToDialog!: GoToDialog;
    @query('about-dialog') private aboutDialog!: AboutDialog;
    @query('suggest-dialog') private suggestDialog!: SuggestDialog;
    @query('find-bar') readonly findBar!: FindBar;
    @query('editor-panel') readonly editorPanel!: EditorPanel;
    private startFailure = '';
    // The language the page was last drawn in.
    private shownLanguage = -1;
    private shaded: unknown = null;
    private readonly onShortcut = shortcutHandler(this);
    private readonly caretWords = (caret: number, text: string): string => (caret < 2
        ? this.session?.string(UiString.AccessibleCaretOnDigit, [String(caret + 1), text])
        : this.session?.string(UiString.AccessibleCaretAfter, [text])) ?? '';
    // One function for the app's life: a new one at each render would have the
    // folder panel drawn again with every change.
    private readonly tellUser = (text: string): Promise<void> => this.files.tell(text);

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
        return this.controller.switchNamed(this.chosenKey);
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
            this.controller.onChange((change) => change.find && this.find.showAnswer(change.find));
            await this.controller.start();
            await this.updateComplete;
            this.controller.cellView = this.grid;
            this.controller.refresh();
            acceptLaunchedFiles((file) => this.files.open(file), this.readLimit);
            document.body.dataset['ready'] = 'true';
            void this.drafts.start();
            void this.files.loadRecent();
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

    override willUpdate(): void {
        const language = this.controller.languageIndex;
        if (language !== this.shownLanguage && this.session) {
            if (this.shownLanguage >= 0) {
                this.languageChanged();
            }
            this.shownLanguage = language;
        }
    }

    // Whatever was worded before says it again in the new language; a
    // comparison stays (the session keeps it) and is asked for again.
    private languageChanged(): void {
        this.information = this.chosenSwitch?.tip ?? '';
        void this.folderPanel?.reword();
    }

    override updated(): void {
        const { file, modified, model } = this.controller;
        const title = file.open ? `${file.name}${modified ? ' *' : ''} – Vantrel` : 'Vantrel';
        if (document.title !== title) {
            document.title = title;
        }
        const lang = languageTag(this.controller.languages[this.controller.languageIndex]?.lcid);
        if (document.documentElement.lang !== lang) {
            document.documentElement.lang = lang;
        }
        // Coverage follows the type and size only: shaded again with each model.
        if (this.shaded !== (this.view.showCoverage && file.open ? model : null)) {
            this.shaded = this.view.showCoverage && file.open ? model : null;
            const bits = this.shaded ? this.session?.coverage().describedBits ?? [] : [];
            this.grid?.setMarks('uncovered', [...bits.keys()].filter((cell) => bits[cell] === 0));
        }
    }

    // -- what the window passes on ----------------------------------------------

    fileChanged(): void {
        if (!this.controller.file.open) {
            this.findBar?.close();
        }
        this.drafts.documentChanged();
        this.information = '';
        this.chosenKey = '';
        this.closeComparison();
        this.focusReturn.fileChanged();
    }

    tell(text: string): Promise<void> {
        return this.files.tell(text);
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

    suggestDefinitions(): void {
        if (this.session) {
            void this.suggestDialog.show(this.session);
        }
    }

    private markDifferences(): void {
        this.comparePanel?.markDifferences(this.grid, this.querySelector('editor-panel'));
        this.requestUpdate(); // the menus follow whether a file is compared
    }

    // -- finding ------------------------------------------------------------------

    findInFolder(): void {
        void this.folderPanel.findInFolder();
    }

    // A line of Find in Seem Folder: its file opened (asking first, as any
    // open does), with the setting chosen.
    private async openFoundFile({ detail }: CustomEvent<FoundFile>): Promise<void> {
        if (await this.files.openChosen(detail.file)) {
            await this.updateComplete;
            await this.editorPanel.showFound(detail.match, true);
        }
    }

    chooseSeemFolder(): void {
        void this.folderPanel.chooseSeemFolder();
    }

    compareFolders(): void {
        void this.folderPanel.compareFolders();
    }

    // A line of the folder comparison: its pair opened, compared.
    private async openPair({ detail }: CustomEvent<FilePair>): Promise<void> {
        return (await this.files.openChosen(detail.file))
            ? this.comparePanel.compareWith(detail.other, detail.otherName) : undefined;
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
            ${this.view.showByteInfo && file.open ? html`<section class="information byte-info" aria-label=${byteInfo}>
                <h2>${byteInfo}</h2><p aria-live="polite">${cursor.description}</p></section>` : nothing}
            <compare-panel .session=${session} .readLimit=${this.readLimit} @compare-changed=${this.markDifferences}
                @edit-failed=${(event: CustomEvent<unknown>) => this.files.showError(event.detail)}
                @difference-select=${(event: CustomEvent<number>) => this.grid.select(event.detail, true)}></compare-panel>
            <byte-grid .gridLabel=${session.string(UiString.AccessibleGrid)} .offsetLabel=${session.string(UiString.CellOffset)}
                .cellName=${session.string(UiString.AccessibleCell, [cellOffsetMark, cellTextMark])}
                .caretWords=${this.caretWords}
                .cursor=${session} .navigable=${file.open}></byte-grid>`;
    }

    override render() {
        const session = this.session;
        if (this.startFailure || !session) {
            return this.startFailure ? html`<p class="failure" role="alert">${this.startFailure}</p>`
                : html`<p class="starting" role="status">Vantrel…</p>`;
        }
        const { file, modified, model, revision, cursor } = this.controller;
        return html`${this.focusReturn.skipLink(session.caption('web', 'lnkSkip'))}
            ${renderHeader(session, this)}
            <page-notices .session=${session} .drafts=${this.drafts} .offers=${this.drafts.offered}
                ?refused=${this.drafts.refused}></page-notices>
            <main id="main" class=${this.dragging ? 'dragging' : ''} @dragover=${(event: DragEvent) => {
                event.preventDefault();
                this.dragging = true;
            }} @dragleave=${() => (this.dragging = false)} @drop=${async (event: DragEvent) => {
                this.dragging = false;
                const file = await droppedFile(event, this.readLimit);
                if (file) {
                    await this.files.open(file);
                }
            }}>
                <h1 class="document-title">${file.open ? `${file.name}${modified ? ' *' : ''}` : 'Vantrel'}
                    ${file.type ? html`<span class="type">${file.type.id} · ${file.type.tip}</span>` : nothing}</h1>
                <folder-panel .session=${session} .readLimit=${this.readLimit} .tell=${this.tellUser}
                    @folder-open=${(event: CustomEvent<File>) => this.files.openChosen(event.detail)}
                    @pair-open=${this.openPair} @found-open=${this.openFoundFile}></folder-panel>
                <find-bar .session=${session} .answer=${this.controller.find} @find-moved=${this.find.showFound}
                    @find-close=${this.find.close}></find-bar>
                ${file.open ? nothing : html`<p class="empty-hint">${session.caption('web', 'lblSoftTip')}</p>`}
                <div class="workspace" ?hidden=${!file.open}>
                    <editor-panel .session=${session} .model=${model} .revision=${revision}
                        @node-select=${this.onNodeSelect} @item-select=${this.onItemSelect}
                        @edit-failed=${(event: CustomEvent<unknown>) => this.files.showError(event.detail)}></editor-panel>
                    <div class="side">${this.renderSide(session)}</div>
                </div>
            </main>
            <footer class="status">
                <span role="status">${this.files.status(file.status)}</span>
                <span class="cell-status" aria-live="off"><span>${file.open ? cursor.status : ''}</span></span>
            </footer>
            <input id="definitionsInput" type="file" accept=".xml,application/xml,text/xml" hidden
                @change=${(event: Event) => this.tools.useDefinitions(event)}>
            <generator-dialog @generated=${(event: CustomEvent<GeneratedFile>) =>
                this.files.offer(event.detail.bytes, event.detail.fileName)}></generator-dialog>
            <recipe-review></recipe-review>
            <goto-dialog></goto-dialog>
            <save-name-dialog></save-name-dialog>
            <about-dialog></about-dialog>
            <suggest-dialog></suggest-dialog>
            <message-dialog .okLabel=${session.caption('frmTip', 'Command1')}></message-dialog>`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'vantrel-app': VantrelApp;
    }
}
