// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: menus, the grid, the editor of the open file's type, the
// status line. It shows what the document answers and passes on what the
// user does; the document decides.
import { LitElement, html, nothing } from 'lit';
import { customElement, query, state } from 'lit/decorators.js';
import { ByteGrid } from './byte-grid';
import { Session, type EditorModel, type FunctionNode, type SeemType } from './core';
import {
    canPickFiles, download, pickFile, readDropped, readFile, saveFile, saveFileAs, type OpenedFile,
} from './file-access';
import type { GeneratedFile, GeneratorDialog, GeneratorKind } from './generator-dialog';
import { UiString } from './strings';
import './byte-grid';
import './compare-panel';
import type { ComparePanel } from './compare-panel';
import './folder-panel';
import type { FolderPanel } from './folder-panel';
import './generator-dialog';
import './editor-panel';
import './menu-bar';
import type { Menu } from './menu-bar';
import './message-dialog';
import type { MessageDialog } from './message-dialog';
import './window-dialogs';
import type { AboutDialog, GoToDialog } from './window-dialogs';

const showTipKey = 'ShowTip';

// The file a file input's change chose; the input is emptied, so choosing the
// same file again is a change too.
function takeChosenFile(event: Event): File | undefined {
    const input = event.target as HTMLInputElement;
    const file = input.files?.[0];
    input.value = '';
    return file;
}

// A menu text without its access-key marker.
function plain(text: string): string {
    return text.replace(/&(.)/g, '$1');
}
const showCoverageKey = 'ShowCoverage';
const showByteInfoKey = 'ShowByteInfo';

@customElement('vantrel-app')
export class VantrelApp extends LitElement {
    @state() private session: Session | null = null;
    @state() private startFailure = '';
    @state() private isLoaded = false;
    @state() private fileName = '';
    @state() private seemType: SeemType | null = null;
    @state() private model: EditorModel = { kind: 'none', complete: true };
    @state() private modified = false;
    @state() private undoName = '';
    @state() private redoName = '';
    @state() private cellStatus = '';
    @state() private information = '';
    @state() private dragging = false;
    @state() private showCoverage = localStorage.getItem(showCoverageKey) === '1';
    @state() private showByteInfo = localStorage.getItem(showByteInfoKey) === '1';
    @state() private byteInfo = '';

    @query('byte-grid') private grid!: ByteGrid;
    @query('message-dialog') private dialog!: MessageDialog;
    @query('generator-dialog') private generator!: GeneratorDialog;
    @query('folder-panel') private folderPanel!: FolderPanel;
    @query('compare-panel') private comparePanel!: ComparePanel;
    @query('goto-dialog') private goToDialog!: GoToDialog;
    @query('about-dialog') private aboutDialog!: AboutDialog;

    private fileHandle: FileSystemFileHandle | null = null;
    private refreshQueued = false;
    // The switch last chosen in the tree, for Edit ▸ Switch On/Off.
    private chosenSwitchKey = '';

    override createRenderRoot(): HTMLElement {
        return this;
    }

    override connectedCallback(): void {
        super.connectedCallback();
        window.addEventListener('keydown', this.onShortcut);
        window.addEventListener('beforeunload', this.onBeforeUnload);
        void this.start();
    }

    override disconnectedCallback(): void {
        window.removeEventListener('keydown', this.onShortcut);
        window.removeEventListener('beforeunload', this.onBeforeUnload);
        super.disconnectedCallback();
    }

    private async start(): Promise<void> {
        try {
            const session = await Session.start();
            session.document.onCellChanged((index) => this.onCellChanged(index));
            this.session = session;
            this.markPageLanguage();
            await this.updateComplete;
            this.grid.setCells(session.document.cellTexts());
            this.refreshState();
            this.acceptLaunchedFiles();
            document.body.dataset['ready'] = 'true';
            performance.mark('vantrel-ready');
            if (session.language.problem) {
                await this.dialog.tell(this.text(UiString.Information), session.language.problem);
            }
        } catch (error) {
            this.startFailure = error instanceof Error ? error.message : String(error);
            document.body.dataset['ready'] = 'failed';
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
                await this.openFile(await readFile(await handle.getFile(), this.readLimit(), handle));
            }
        });
    }

    // The page's lang follows the chosen language, so a screen reader speaks it
    // with the right voice: the primary language of its Windows LCID.
    private markPageLanguage(): void {
        const language = this.session?.language;
        const lcid = language?.languages()[language.index]?.lcid ?? null;
        const tags: Record<number, string> = { 0x04: 'zh', 0x09: 'en' };
        document.documentElement.lang = lcid === null ? '' : tags[lcid & 0x3ff] ?? '';
    }

    private readLimit(): number {
        // One byte more than a seem file may hold, so the core can refuse a
        // larger file with its own message without the page reading it whole.
        return (this.session?.core.maxFileSize ?? 5000) + 1;
    }

    private text(n: number, args?: string[]): string {
        return this.session?.string(n, args) ?? '';
    }

    private caption(control: string, window = 'Form1'): string {
        return this.session?.caption(window, control) ?? '';
    }

    // -- the document's answers -------------------------------------------

    private onCellChanged(index: number): void {
        if (!this.session) {
            return;
        }
        if (index < 0) {
            this.grid.setCells(this.session.document.cellTexts());
        } else {
            this.grid.updateCell(index, this.session.document.cellText(index));
        }
        if (!this.refreshQueued) {
            this.refreshQueued = true;
            queueMicrotask(() => {
                this.refreshQueued = false;
                this.refreshState();
            });
        }
    }

    private refreshState(): void {
        const doc = this.session?.document;
        if (!doc) {
            return;
        }
        this.isLoaded = doc.isOpen();
        this.fileName = doc.name;
        this.seemType = doc.type();
        this.model = doc.editorModel();
        this.modified = doc.isModified();
        this.undoName = doc.canUndo() ? doc.undoName() : '';
        this.redoName = doc.canRedo() ? doc.redoName() : '';
        if (this.isLoaded) {
            this.cellStatus = doc.cellStatus(this.grid.current);
        }
        this.refreshMarks();
        document.title = this.isLoaded ? `${this.fileName}${this.modified ? ' *' : ''} – Vantrel` : 'Vantrel';
    }

    // Comparison marks, coverage shading and the byte information follow
    // every change of the document.
    private refreshMarks(): void {
        const doc = this.session?.document;
        if (!doc) {
            return;
        }
        const loaded = doc.isOpen();
        this.comparePanel?.refresh();
        this.grid.setMarks('differs', this.comparePanel?.differingCells ?? []);
        const uncovered: number[] = [];
        if (loaded && this.showCoverage) {
            doc.coverage().describedBits.forEach((bits, cell) => bits === 0 && uncovered.push(cell));
        }
        this.grid.setMarks('uncovered', uncovered);
        this.byteInfo = loaded && this.showByteInfo ? doc.byteInfo(this.grid.current).text : '';
    }

    private statusText(): string {
        const doc = this.session?.document;
        if (!doc || !this.isLoaded) {
            return this.text(UiString.StatusNoFile);
        }
        const length = String(doc.cellCount());
        if (!this.seemType) {
            return this.text(UiString.StatusNoTypeMatches, [length]);
        }
        if (!this.seemType.hasEditor) {
            return this.text(UiString.StatusNoEditor, [this.seemType.id, length]);
        }
        return this.text(UiString.StatusFileOpen);
    }

    // -- files ------------------------------------------------------------

    // Asks before changes would be lost; false when the user cancelled.
    private async keepChanges(): Promise<boolean> {
        const doc = this.session?.document;
        if (!doc || !doc.isModified()) {
            return true;
        }
        const answer = await this.dialog.ask(this.text(UiString.AskSaveChanges, [doc.name]), [
            { value: 'save', label: this.text(UiString.ButtonSave) },
            { value: 'discard', label: this.text(UiString.ButtonDiscard) },
            { value: 'cancel', label: this.text(UiString.ButtonCancel) },
        ]);
        if (answer === 'save') {
            return this.save();
        }
        return answer === 'discard';
    }

    async openFile(file: OpenedFile): Promise<void> {
        const session = this.session;
        if (!session || !(await this.keepChanges())) {
            return;
        }
        try {
            session.document.open(file.bytes, file.name);
        } catch (error) {
            await this.showError(error);
            return;
        }
        this.fileHandle = file.handle;
        this.information = '';
        this.chosenSwitchKey = '';
        this.closeComparison();
        this.grid.select(0, false);
        requestAnimationFrame(() => performance.mark('vantrel-file-shown'));
        this.refreshState();
        await this.updateComplete;
        this.showAlert();
        // Text files are written anew by their generator, which opens with the file's text.
        const kind = this.seemType?.type;
        if (kind === 'outertext' || kind === 'gprs') {
            await this.openGenerator(kind);
        }
    }

    private async onOpen(): Promise<void> {
        if (!canPickFiles) {
            this.querySelector<HTMLInputElement>('#fileInput')?.click();
            return;
        }
        try {
            const file = await pickFile(this.readLimit());
            if (file) {
                await this.openFile(file);
            }
        } catch (error) {
            await this.showError(error);
        }
    }

    private async onFileInput(event: Event): Promise<void> {
        const file = takeChosenFile(event);
        if (file) {
            await this.openFile(await readFile(file, this.readLimit()));
        }
    }

    private async onDrop(event: DragEvent): Promise<void> {
        event.preventDefault();
        this.dragging = false;
        const item = [...(event.dataTransfer?.items ?? [])].find((entry) => entry.kind === 'file');
        if (item) {
            const file = await readDropped(item, this.readLimit());
            if (file) {
                await this.openFile(file);
            }
        }
    }

    private onDragOver(event: DragEvent): void {
        event.preventDefault();
        this.dragging = true;
    }

    // Writes the cells back; true when written.
    private async save(): Promise<boolean> {
        const doc = this.session?.document;
        if (!doc || !doc.isOpen()) {
            return false;
        }
        try {
            const bytes = doc.bytesToSave();
            this.fileHandle = await saveFile(bytes, doc.name, this.fileHandle);
            doc.markSaved();
            this.refreshState();
            return true;
        } catch (error) {
            await this.showError(error);
            return false;
        }
    }

    private async saveAs(): Promise<void> {
        const doc = this.session?.document;
        if (!doc || !doc.isOpen()) {
            return;
        }
        try {
            const saved = await saveFileAs(doc.bytesToSave(), doc.name);
            if (saved) {
                this.fileHandle = saved.handle;
                doc.markSaved();
                this.refreshState();
            }
        } catch (error) {
            await this.showError(error);
        }
    }

    private async close(): Promise<void> {
        if (!this.session || !(await this.keepChanges())) {
            return;
        }
        this.session.document.close();
        this.closeComparison();
        this.fileHandle = null;
        this.information = '';
        this.refreshState();
    }

    private async showError(error: unknown): Promise<void> {
        await this.dialog.tell(this.text(UiString.Information), error instanceof Error ? error.message : String(error));
    }

    // The type's alert, unless the user asked for no more tips.
    private showAlert(): void {
        const alert = this.seemType?.alert ?? '';
        if (!alert || localStorage.getItem(showTipKey) === '0') {
            return;
        }
        void this.dialog.tip(this.text(UiString.TipTitle), alert, this.caption('Check1', 'frmTip'),
            this.caption('Command1', 'frmTip')).then((showAgain) => {
            localStorage.setItem(showTipKey, showAgain ? '1' : '0');
        });
    }

    // -- edits ------------------------------------------------------------

    private edit(action: () => void): void {
        try {
            action();
        } catch (error) {
            void this.showError(error);
        }
    }

    private onCellFocus(event: CustomEvent<number>): void {
        if (this.session && this.isLoaded) {
            this.cellStatus = this.session.document.cellStatus(event.detail);
            this.byteInfo = this.showByteInfo ? this.session.document.byteInfo(event.detail).text : '';
        }
    }

    // -- comparison, recipes, generators, view ------------------------------

    private chooseFile(id: string): void {
        this.querySelector<HTMLInputElement>(`#${id}`)?.click();
    }

    private closeComparison(): void {
        this.comparePanel?.close();
        this.grid?.setMarks('differs', []);
    }

    private exportSettings(): void {
        const doc = this.session?.document;
        if (!doc?.isOpen()) {
            return;
        }
        this.edit(() => download(doc.exportRecipe(), `${doc.name.replace(/\.[^.]*$/, '')}.json`, 'application/json'));
    }

    private async onRecipeInput(event: Event): Promise<void> {
        const file = takeChosenFile(event);
        const doc = this.session?.document;
        if (!file || !doc?.isOpen()) {
            return;
        }
        const recipe = await file.slice(0, 1 << 20).text();
        try {
            const preview = doc.applyRecipe(recipe, { dryRun: true, anyName: true });
            if (preview.changes.length === 0) {
                await this.dialog.tell(this.text(UiString.Information), this.text(UiString.RecipeUnchanged));
                return;
            }
            const answer = await this.dialog.ask(
                `${this.text(UiString.RecipeApplied, [String(preview.changes.length)])}\n${preview.changes.join('\n')}`,
                [{ value: 'apply', label: this.text(UiString.UndoApplySettings) },
                    { value: 'cancel', label: this.text(UiString.ButtonCancel) }]);
            if (answer === 'apply') {
                doc.applyRecipe(recipe, { anyName: true });
            }
        } catch (error) {
            await this.showError(error);
        }
    }

    private async onDefinitionsInput(event: Event): Promise<void> {
        const file = takeChosenFile(event);
        if (!file || !this.session) {
            return;
        }
        try {
            this.session.useDefinitions(await file.slice(0, 4 << 20).text(), file.name);
        } catch (error) {
            await this.showError(error);
        }
        this.closeComparison();
        this.refreshState();
    }

    private async onFolderOpen(event: CustomEvent<File>): Promise<void> {
        await this.openFile(await readFile(event.detail, this.readLimit()));
    }

    private async openGenerator(kind: GeneratorKind): Promise<void> {
        if (this.session) {
            await this.generator.open(this.session, kind);
        }
    }

    private onGenerated(event: CustomEvent<GeneratedFile>): void {
        const doc = this.session?.document;
        const name = doc?.isOpen() && doc.type()?.type === event.detail.kind ? doc.name : `${event.detail.kind}.seem`;
        download(event.detail.bytes, name);
    }

    private toggleCoverage(): void {
        this.showCoverage = !this.showCoverage;
        localStorage.setItem(showCoverageKey, this.showCoverage ? '1' : '0');
        this.refreshMarks();
    }

    private toggleByteInfo(): void {
        this.showByteInfo = !this.showByteInfo;
        localStorage.setItem(showByteInfoKey, this.showByteInfo ? '1' : '0');
        this.refreshMarks();
    }

    private onNodeSelect(event: CustomEvent<FunctionNode>): void {
        const node = event.detail;
        this.chosenSwitchKey = node.kind === 'switch' ? node.key : '';
        this.requestUpdate();
        this.information = node.tip || this.text(UiString.NoDescription);
        if (node.kind === 'switch') {
            this.grid.select(node.cell, false);
        }
    }

    private onItemSelect(event: CustomEvent<{ cell: number; tip: string; cells?: number }>): void {
        const { cell, tip, cells = 0 } = event.detail;
        this.information = tip || this.text(UiString.NoDescription);
        if (cell >= 0) {
            this.grid.select(cell, false);
        }
        this.grid.setMarks('colour-mark', Array.from({ length: cells }, (_, offset) => cell + offset));
    }

    private chosenSwitch(): FunctionNode | null {
        const find = (node: FunctionNode): FunctionNode | null => node.key === this.chosenSwitchKey ? node
            : node.children.reduce<FunctionNode | null>((found, child) => found ?? find(child), null);
        return this.model.kind === 'function' && this.chosenSwitchKey ? find(this.model.root) : null;
    }

    private async goToOffset(): Promise<void> {
        if (!this.session || !this.isLoaded) {
            return;
        }
        const offset = await this.goToDialog.ask(this.session);
        if (offset !== null) {
            this.grid.select(offset, true);
        }
    }

    private undo(): void {
        this.edit(() => this.session?.document.canUndo() && this.session.document.undo());
    }

    private redo(): void {
        this.edit(() => this.session?.document.canRedo() && this.session.document.redo());
    }

    private readonly onShortcut = (event: KeyboardEvent): void => {
        if (!this.session || !(event.ctrlKey || event.metaKey) || event.altKey) {
            return;
        }
        const inTextBox = (event.target as HTMLElement | null)?.closest?.('input[type="text"], textarea') !== null;
        const key = event.key.toLowerCase();
        const actions: Record<string, () => void> = {
            o: () => void this.onOpen(),
            s: () => void (event.shiftKey ? this.saveAs() : this.save()),
            g: () => void this.goToOffset(),
            ...(inTextBox ? {} : {
                z: () => (event.shiftKey ? this.redo() : this.undo()),
                y: () => this.redo(),
            }),
        };
        const action = actions[key];
        if (action) {
            event.preventDefault();
            action();
        }
    };

    private readonly onBeforeUnload = (event: BeforeUnloadEvent): void => {
        if (this.session?.document.isModified()) {
            event.preventDefault();
            event.returnValue = '';
        }
    };

    private async onLanguage(event: Event): Promise<void> {
        const index = Number((event.target as HTMLSelectElement).value);
        if (!this.session || index === this.session.language.index) {
            return;
        }
        try {
            await this.session.chooseLanguage(index);
            this.markPageLanguage();
        } catch (error) {
            await this.showError(error);
        }
        this.grid.setCells(this.session.document.cellTexts());
        this.refreshState();
        this.requestUpdate();
    }

    // -- the window ---------------------------------------------------------

    private menus(): Menu[] {
        const loaded = this.isLoaded;
        const switchNode = this.chosenSwitch();
        const caption = (control: string) => this.caption(control);
        const command = (control: string, action: () => unknown, enabled = true, label = caption(control)) =>
            ({ control, label, action, enabled });
        return [
            { label: caption('mnuFile'), commands: [
                command('mnuOpen', () => this.onOpen()),
                command('mnuSave', () => this.save(), loaded),
                command('mnuSaveAs', () => this.saveAs(), loaded),
                command('mnuClose', () => this.close(), loaded),
                command('mnuDefinitions', () => this.chooseFile('definitionsInput'), true,
                    this.caption('mnuDefinitions', 'web')),
            ] },
            { label: caption('mnuEdit'), commands: [
                command('undo', () => this.undo(), this.undoName !== '', plain(this.text(UiString.UndoMenu, [this.undoName]))),
                command('redo', () => this.redo(), this.redoName !== '', plain(this.text(UiString.RedoMenu, [this.redoName]))),
                command('mnuOnOff', () => switchNode && this.edit(() =>
                    this.session?.document.setSwitch(switchNode.key, !switchNode.on)), switchNode !== null,
                plain(this.text(switchNode?.on ? UiString.SwitchOff : UiString.SwitchOn))),
                command('mnuGoTo', () => this.goToOffset(), loaded, plain(this.text(UiString.GoToOffsetMenu))),
                command('mnuCompare', () => this.comparePanel.chooseOther(), loaded),
                command('mnuCloseCompare', () => this.closeComparison(), this.comparePanel?.isComparing ?? false),
            ] },
            { label: plain(this.text(UiString.ViewMenu)), commands: [
                { ...command('coverage', () => this.toggleCoverage(), true, plain(this.text(UiString.ShowCoverage))),
                    checked: this.showCoverage },
                { ...command('byteInfo', () => this.toggleByteInfo(), true, plain(this.text(UiString.WhatIsThisByte))),
                    checked: this.showByteInfo },
            ] },
            { label: caption('mnuTools'), commands: [
                command('mnuSetOuterText', () => this.openGenerator('outertext')),
                command('mnuSetGPRS', () => this.openGenerator('gprs')),
                command('mnuSetFolder', () => this.folderPanel.chooseSeemFolder()),
                command('compareFolders', () => this.folderPanel.compareFolders(), true, plain(this.text(UiString.MenuCompareFolders))),
                command('exportSettings', () => this.exportSettings(), loaded, plain(this.text(UiString.MenuExportSettings))),
                command('applySettings', () => this.chooseFile('recipeInput'), loaded,
                    plain(this.text(UiString.MenuApplySettings))),
            ] },
            { label: caption('mnuHelp'), commands: [
                command('mnuHelpTopic', () => window.open('data/help.html', '_blank', 'noopener')),
                command('mnuAbout', () => this.session && this.aboutDialog.show(this.session)),
            ] },
        ];
    }

    private renderLanguages() {
        const languages = this.session?.language.languages() ?? [];
        return html`<label class="language">${this.caption('mnuLanguage')}
            <select @change=${this.onLanguage}>
                ${languages.map((language, index) => html`<option value=${index}
                    ?selected=${index === this.session?.language.index}>${language.caption}</option>`)}
            </select></label>`;
    }

    override render() {
        if (this.startFailure) {
            return html`<p class="failure" role="alert">${this.startFailure}</p>`;
        }
        if (!this.session) {
            return html`<p class="starting" role="status">Vantrel…</p>`;
        }
        const title = this.isLoaded ? `${this.fileName}${this.modified ? ' *' : ''}` : '';
        return html`
            <header>
                <menu-bar .menus=${this.menus()} .label=${'Vantrel'}></menu-bar>
                ${this.renderLanguages()}
                <label class="file-input">${this.caption('mnuOpen')}
                    <input id="fileInput" type="file" accept=".seem,.bin,application/octet-stream"
                        @change=${this.onFileInput}></label>
            </header>
            <main class=${this.dragging ? 'dragging' : ''} @dragover=${this.onDragOver}
                @dragleave=${() => (this.dragging = false)} @drop=${this.onDrop}>
                <h1 class="document-title" aria-live="polite">${title}
                    ${this.seemType ? html`<span class="type">${this.seemType.id} · ${this.seemType.tip}</span>` : nothing}</h1>
                <folder-panel .session=${this.session} .readLimit=${this.readLimit()}
                    .tell=${(message: string) => this.dialog.tell(this.text(UiString.Information), message)}
                    @folder-open=${this.onFolderOpen}></folder-panel>
                ${this.isLoaded ? nothing : html`<p class="empty-hint">${this.text(UiString.StartPageHint)}</p>`}
                <div class="workspace" ?hidden=${!this.isLoaded}>
                    <editor-panel .session=${this.session} .model=${this.model}
                        @node-select=${this.onNodeSelect}
                        @item-select=${this.onItemSelect} @edit-failed=${(event: CustomEvent<unknown>) => this.showError(event.detail)}>
                    </editor-panel>
                    <div class="side">
                        <section class="information" aria-label=${this.caption('frameSet')}
                            ?hidden=${!['function', 'style', 'volume', 'color'].includes(this.model.kind)}>
                            <h2>${this.caption('frameSet')}</h2>
                            <p aria-live="polite">${this.information || (this.model.kind === 'volume'
                                ? this.text(UiString.VolumeInformation) : this.caption('lblinfo'))}</p>
                        </section>
                        ${this.showByteInfo && this.isLoaded ? html`<section class="information byte-info"
                            aria-label=${plain(this.text(UiString.WhatIsThisByte))}>
                            <h2>${plain(this.text(UiString.WhatIsThisByte))}</h2><p aria-live="polite">${this.byteInfo}</p>
                        </section>` : nothing}
                        <compare-panel .session=${this.session} .readLimit=${this.readLimit()}
                            @compare-changed=${() => {
                                this.refreshMarks();
                                this.requestUpdate();
                            }}
                            @edit-failed=${(event: CustomEvent<unknown>) => this.showError(event.detail)}
                            @difference-select=${(event: CustomEvent<number>) => this.grid.select(event.detail, true)}>
                        </compare-panel>
                        <byte-grid .gridLabel=${this.text(UiString.AccessibleGrid)}
                            .offsetLabel=${this.text(UiString.CellOffset)}
                            .cellLabel=${(offset: string) => this.text(UiString.AccessibleCell, [offset])}
                            .cellDescription=${(index: number) => (this.isLoaded ? this.session!.document.byteInfo(index).text : '')}
                            .cursor=${this.session.document} .navigable=${this.isLoaded}
                            @cell-focus=${this.onCellFocus}></byte-grid>
                    </div>
                </div>
            </main>
            <footer class="status">
                <span role="status">${this.statusText()}</span>
                <span class="cell-status" aria-live="off">${this.isLoaded ? this.cellStatus : ''}</span>
            </footer>
            <input id="definitionsInput" type="file" accept=".xml,application/xml,text/xml" hidden
                @change=${this.onDefinitionsInput}>
            <input id="recipeInput" type="file" accept=".json,application/json" hidden @change=${this.onRecipeInput}>
            <generator-dialog @generated=${this.onGenerated}></generator-dialog>
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
