// SPDX-License-Identifier: GPL-3.0-or-later
// The hex grid: sixteen cells a row, an ARIA grid with roving focus. It shows
// the cells the document gives it and reports what the user does (focus,
// typed text); the document decides what a cell holds.
import { LitElement, html } from 'lit';
import { customElement, property } from 'lit/decorators.js';

export const cellsPerRow = 16;

export interface CellEditDetail {
    index: number;
    text: string;
}

function hex(value: number, digits: number): string {
    return value.toString(16).toUpperCase().padStart(digits, '0');
}

const hexDigit = /^[0-9a-fA-F]$/;

@customElement('byte-grid')
export class ByteGrid extends LitElement {
    @property({ attribute: false }) gridLabel = '';
    // The accessible name of a cell, from its offset in hexadecimal.
    @property({ attribute: false }) cellLabel: (offsetHex: string) => string = (offset) => offset;
    // The offset corner's name.
    @property({ attribute: false }) offsetLabel = '';
    // What the definitions say about a cell, read to a screen reader.
    @property({ attribute: false }) cellDescription: (index: number) => string = () => '';
    @property({ type: Boolean }) navigable = false;

    private cells: HTMLElement[] = [];
    private body: HTMLElement | null = null;
    private currentIndex = 0;
    private caretPosition = 0;

    override createRenderRoot(): HTMLElement {
        return this;
    }

    get current(): number {
        return this.currentIndex;
    }

    get caret(): number {
        return this.caretPosition;
    }

    override render() {
        return html`<div class="grid" role="grid" aria-label=${this.gridLabel} aria-colcount="17"
            @keydown=${this.onKeyDown} @focusin=${this.onFocusIn} @click=${this.onClick}></div>`;
    }

    // Builds every cell anew (a file was opened or closed).
    setCells(texts: string[]): void {
        const grid = this.renderRoot.querySelector<HTMLElement>('.grid');
        if (!grid) {
            return;
        }
        const rows = Math.ceil(texts.length / cellsPerRow);
        grid.setAttribute('aria-rowcount', String(rows + 1));
        const fragment = document.createDocumentFragment();
        const head = document.createElement('div');
        head.setAttribute('role', 'row');
        head.setAttribute('aria-rowindex', '1');
        head.className = 'head';
        const corner = document.createElement('span');
        corner.setAttribute('role', 'columnheader');
        corner.setAttribute('aria-colindex', '1');
        corner.textContent = this.offsetLabel;
        corner.className = 'corner';
        head.append(corner);
        for (let column = 0; column < cellsPerRow; ++column) {
            const header = document.createElement('span');
            header.setAttribute('role', 'columnheader');
            header.setAttribute('aria-colindex', String(column + 2));
            header.textContent = hex(column, 2);
            head.append(header);
        }
        fragment.append(head);
        this.cells = new Array<HTMLElement>(texts.length);
        // The cell name is asked for once, with a marker where the offset goes.
        const [labelBefore = '', labelAfter = ''] = this.cellLabel('\u0001').split('\u0001');
        for (let row = 0; row < rows; ++row) {
            const line = document.createElement('div');
            line.setAttribute('role', 'row');
            line.setAttribute('aria-rowindex', String(row + 2));
            const offset = document.createElement('span');
            offset.setAttribute('role', 'rowheader');
            offset.setAttribute('aria-colindex', '1');
            offset.textContent = hex(row * cellsPerRow, 4);
            line.append(offset);
            for (let column = 0; column < cellsPerRow && row * cellsPerRow + column < texts.length; ++column) {
                const index = row * cellsPerRow + column;
                const cell = document.createElement('span');
                cell.setAttribute('role', 'gridcell');
                cell.setAttribute('aria-colindex', String(column + 2));
                cell.setAttribute('aria-label', labelBefore + hex(index, 2) + labelAfter);
                cell.tabIndex = -1;
                cell.dataset['index'] = String(index);
                cell.textContent = texts[index] ?? '';
                line.append(cell);
                this.cells[index] = cell;
            }
            fragment.append(line);
        }
        grid.replaceChildren(fragment);
        this.body = grid;
        grid.scrollTop = 0;
        this.currentIndex = Math.min(this.currentIndex, Math.max(texts.length - 1, 0));
        this.caretPosition = 0;
        this.cells[this.currentIndex]?.setAttribute('tabindex', '0');
        this.markCurrent();
    }

    updateCell(index: number, text: string): void {
        const cell = this.cells[index];
        if (cell) {
            cell.textContent = text;
            if (index === this.currentIndex) {
                this.markCurrent();
            }
        }
    }

    cellText(index: number): string {
        return this.cells[index]?.textContent ?? '';
    }

    // Marks cells with a class (comparison marks, coverage shading); the old
    // marks of that class go.
    setMarks(className: string, indexes: Iterable<number>): void {
        for (const cell of this.body?.querySelectorAll(`.${className}`) ?? []) {
            cell.classList.remove(className);
        }
        for (const index of indexes) {
            this.cells[index]?.classList.add(className);
        }
    }

    // Makes a cell current, optionally giving it the keyboard focus.
    select(index: number, focus: boolean): void {
        if (index < 0 || index >= this.cells.length) {
            return;
        }
        this.cells[this.currentIndex]?.setAttribute('tabindex', '-1');
        this.currentIndex = index;
        this.caretPosition = 0;
        const cell = this.cells[index]!;
        cell.setAttribute('tabindex', '0');
        if (focus) {
            cell.focus();
        } else {
            cell.scrollIntoView({ block: 'nearest' });
        }
        this.markCurrent();
        this.dispatchEvent(new CustomEvent<number>('cell-focus', { detail: index, bubbles: true }));
    }

    private markCurrent(): void {
        const previous = this.body?.querySelector('.current');
        if (previous && previous !== this.cells[this.currentIndex]) {
            previous.classList.remove('current');
            previous.removeAttribute('aria-description');
            previous.textContent = previous.textContent ?? '';
        }
        const cell = this.cells[this.currentIndex];
        if (!cell) {
            return;
        }
        cell.classList.add('current');
        const description = this.cellDescription(this.currentIndex);
        if (description) {
            cell.setAttribute('aria-description', description);
        }
        // The caret shows as a mark under the digit it stands before.
        const text = cell.textContent ?? '';
        const parts = [...text].map((char, position) => {
            const span = document.createElement('span');
            span.textContent = char;
            if (position === this.caretPosition) {
                span.className = 'caret';
            }
            return span;
        });
        if (this.caretPosition >= text.length) {
            const end = document.createElement('span');
            end.className = 'caret end';
            end.setAttribute('aria-hidden', 'true');
            parts.push(end);
        }
        cell.replaceChildren(...parts);
    }

    private indexOf(target: EventTarget | null): number | null {
        const cell = (target as HTMLElement | null)?.closest?.<HTMLElement>('[role="gridcell"]');
        return cell?.dataset['index'] !== undefined ? Number(cell.dataset['index']) : null;
    }

    private onFocusIn(event: FocusEvent): void {
        const index = this.indexOf(event.target);
        if (index !== null && index !== this.currentIndex) {
            this.select(index, false);
        } else if (index !== null) {
            this.dispatchEvent(new CustomEvent<number>('cell-focus', { detail: index, bubbles: true }));
        }
    }

    private onClick(event: MouseEvent): void {
        const index = this.indexOf(event.target);
        if (index !== null) {
            this.cells[index]?.focus();
        }
    }

    private move(index: number): void {
        if (this.navigable && index >= 0 && index < this.cells.length) {
            this.select(index, true);
        }
    }

    private setCaret(position: number): void {
        this.caretPosition = position;
        this.markCurrent();
    }

    private onKeyDown(event: KeyboardEvent): void {
        if (this.indexOf(event.target) === null || event.altKey || event.metaKey) {
            return;
        }
        const index = this.currentIndex;
        const limit = Math.min(this.cellText(index).length, 2);
        const rowsPerPage = Math.max(1, Math.floor((this.body?.clientHeight ?? 0) / 24) - 1);
        const keys: Record<string, () => void> = {
            ArrowLeft: () => (this.caretPosition > 0 ? this.setCaret(this.caretPosition - 1) : this.move(index - 1)),
            ArrowRight: () => (this.caretPosition < limit ? this.setCaret(this.caretPosition + 1) : this.move(index + 1)),
            ArrowUp: () => this.move(index - cellsPerRow),
            ArrowDown: () => this.move(index + cellsPerRow),
            PageUp: () => this.move(Math.max(index % cellsPerRow, index - rowsPerPage * cellsPerRow)),
            PageDown: () => this.move(Math.min(this.cells.length - 1, index + rowsPerPage * cellsPerRow)),
            Home: () => (event.ctrlKey ? this.move(0) : this.setCaret(0)),
            End: () => (event.ctrlKey ? this.move(this.cells.length - 1) : this.setCaret(limit)),
            Backspace: () => this.erase(this.caretPosition - 1),
            Delete: () => this.erase(this.caretPosition),
        };
        const action = keys[event.key];
        if (action) {
            event.preventDefault();
            action();
        } else if (!event.ctrlKey && hexDigit.test(event.key)) {
            event.preventDefault();
            this.type(event.key.toUpperCase());
        }
    }

    // Removes the character at position; Backspace takes the caret back with it.
    private erase(position: number): void {
        const index = this.currentIndex;
        const text = this.cellText(index);
        if (position < 0 || position >= text.length) {
            return;
        }
        this.caretPosition = Math.min(this.caretPosition, position);
        this.dispatchEvent(new CustomEvent<CellEditDetail>('cell-edit', {
            detail: { index, text: text.slice(0, position) + text.slice(position + 1) }, bubbles: true,
        }));
        this.markCurrent();
    }

    // A digit overwrites the character at the caret (or is appended); with the
    // caret after a cell's second digit, typing runs on into the next cell.
    private type(digit: string): void {
        if (this.caretPosition >= 2) {
            if (this.currentIndex + 1 >= this.cells.length) {
                return;
            }
            this.select(this.currentIndex + 1, true);
        }
        const index = this.currentIndex;
        const text = this.cellText(index);
        const position = Math.min(this.caretPosition, text.length);
        const typed = text.slice(0, position) + digit + text.slice(position + 1);
        this.caretPosition = position + 1;
        this.dispatchEvent(new CustomEvent<CellEditDetail>('cell-edit', {
            detail: { index, text: typed }, bubbles: true,
        }));
        this.markCurrent();
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'byte-grid': ByteGrid;
    }
}
