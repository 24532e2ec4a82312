// SPDX-License-Identifier: GPL-3.0-or-later
// The open file compared with another, which the session holds: the
// differences by setting as the core names them, each with a button that
// takes the other file's value. The window asks it to compare again whenever
// the open file's cells change; it marks the cells and switches that differ.
import { LitElement, html, nothing } from 'lit';
import { customElement, property, query, state } from 'lit/decorators.js';
import type { ByteGrid } from '../grid/byte-grid';
import { UiString, type Comparison, type Session } from '../session/core';
import type { EditorPanel } from '../editors/editor-panel';
import { readFile } from '../files/file-access';
import { closesOnEscape, focusedElement, returnFocus } from './panel-focus';

const unmarked: ReadonlyMap<string, string> = new Map();

@customElement('compare-panel')
export class ComparePanel extends LitElement {
    @property({ attribute: false }) session: Session | null = null;
    // How many bytes of a file the core needs to judge it.
    @property({ attribute: false }) readLimit = 5001;
    @state() private comparison: Comparison | null = null;
    @query('input[type="file"]') private input!: HTMLInputElement;
    private comparing = false;
    // The switches that differ, each with the other file's value, for the tree's
    // marks; the same empty map while nothing is compared, so the tree is left alone.
    private switches: ReadonlyMap<string, string> = unmarked;
    // Had the focus when the comparison was asked for; takes it back on closing.
    private opener: HTMLElement | null = null;

    override createRenderRoot(): HTMLElement {
        return this;
    }

    get isComparing(): boolean {
        return this.comparing;
    }

    // The cells of every difference, for the grid's marks.
    private get differingCells(): number[] {
        return (this.comparison?.differences ?? []).flatMap((difference) =>
            Array.from({ length: difference.length }, (_, i) => difference.offset + i));
    }

    chooseOther(): void {
        this.opener = focusedElement();
        this.input.click();
    }

    // The open file compared with file, as if chosen with Compare; name says
    // which file it is where its own name would not.
    compareWith(file: File, name?: string): Promise<void> {
        this.opener = focusedElement();
        return this.start(file, name);
    }

    // Compares again; the open file has changed, or another was opened.
    private refresh(): void {
        this.comparison = this.comparing ? this.session?.comparison() ?? null : null;
        const differences = this.comparison?.differences.filter((difference) => difference.kind === 'switch') ?? [];
        this.switches = differences.length > 0 ? new Map(differences.map((difference) => [difference.key, difference.b]))
            : unmarked;
    }

    // Compares again, and marks what differs: its cells in the grid, its switches in the tree.
    markDifferences(grid: ByteGrid | undefined, editor: EditorPanel | null): void {
        this.refresh();
        grid?.setMarks('differs', this.differingCells);
        if (editor) {
            editor.differing = this.switches;
        }
    }

    close(): void {
        this.session?.closeComparison();
        this.comparing = false;
        this.comparison = null;
        this.switches = unmarked;
    }

    private fail(error: unknown): void {
        this.dispatchEvent(new CustomEvent<unknown>('edit-failed', { detail: error, bubbles: true }));
    }

    private async onInput(): Promise<void> {
        const file = this.input.files?.[0];
        this.input.value = '';
        if (file) {
            await this.start(file);
        }
    }

    private async start(file: File, name?: string): Promise<void> {
        if (!this.session) {
            return;
        }
        const read = await readFile(file, this.readLimit);
        try {
            this.session.compareWith(read.bytes, name ?? read.name);
        } catch (error) {
            this.fail(error);
            return;
        }
        this.comparing = true;
        this.refresh();
        this.dispatchEvent(new CustomEvent('compare-changed', { bubbles: true }));
    }

    private take(index: number): void {
        try {
            this.session?.takeOther(index);
        } catch (error) {
            this.fail(error);
        }
    }

    private readonly onKeyDown = closesOnEscape(() => this.closeAndTell());

    private closeAndTell(): void {
        const hadFocus = this.contains(document.activeElement);
        this.close();
        this.dispatchEvent(new CustomEvent('compare-changed', { bubbles: true }));
        if (hadFocus) {
            returnFocus(this.opener, this);
        }
    }

    private renderComparison(session: Session, comparison: Comparison) {
        const heading = session.string(UiString.DiffListCaption, [comparison.name]);
        return html`<section class="compare" aria-label=${heading}
            @keydown=${this.onKeyDown}>
            <h2>${heading}</h2>
            ${comparison.bySettings ? nothing : html`<p class="hint">${comparison.reason}</p>`}
            ${comparison.differences.length === 0 ? html`<p>${session.string(UiString.DiffNone)}</p>` : html`
            <ul class="differences">
                ${comparison.differences.map((difference, index) => html`<li>
                    <button type="button" class="show" @click=${() => this.dispatchEvent(new CustomEvent<number>(
                        'difference-select', { detail: difference.offset, bubbles: true }))}>
                        <strong>${difference.name}</strong>: ${difference.a} → ${difference.b}</button>
                    ${comparison.canTake[index] ? html`<button type="button" class="take" data-index=${index}
                        @click=${() => this.take(index)}>${session.label(UiString.UndoTakeOther)}</button>` : nothing}
                </li>`)}
            </ul>`}
            <button type="button" @click=${() => this.closeAndTell()}>${session.caption('Form1', 'mnuCloseCompare')}</button>
        </section>`;
    }

    override render() {
        const session = this.session;
        return html`<input type="file" hidden @change=${this.onInput}>
            ${session && this.comparison ? this.renderComparison(session, this.comparison) : nothing}`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'compare-panel': ComparePanel;
    }
}
