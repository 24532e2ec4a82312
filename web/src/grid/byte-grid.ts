// SPDX-License-Identifier: GPL-3.0-or-later
// The hex grid: sixteen cells a row, an ARIA grid with roving focus. It hands
// the keys and clicks to the session's grid cursor, which holds the desktop
// grid's rules for the caret, moving between cells and typing, and shows the
// cells and the cursor the session pushes back (CellView).
import { LitElement, html, type PropertyValues } from 'lit';
import { customElement, property } from 'lit/decorators.js';
import type { CursorMove, SessionChange } from '../session/core';
import type { CellView } from '../session/session-controller';
import { caretPlaces } from './caret-places';
import { CellMarks } from './cell-marks';
import type { GridCursor } from './grid-cursor';
import { cellsPerRow, GridRows, hex } from './grid-rows';
import { TouchInput } from './touch-input';

// Where a cell's offset and text go in its accessible name.
export const cellOffsetMark = '\u0001';
export const cellTextMark = '\u0002';

const moveKeys: Record<string, CursorMove> = {
    ArrowLeft: 'left', ArrowRight: 'right', ArrowUp: 'up', ArrowDown: 'down', PageUp: 'pageUp', PageDown: 'pageDown',
};

@customElement('byte-grid')
export class ByteGrid extends LitElement implements CellView {
    @property({ attribute: false }) gridLabel = '';
    // The accessible name of a cell, from its offset in hexadecimal.
    // A cell's accessible name, with cellOffsetMark where its offset (four hex
    // digits) goes and cellTextMark where its text goes: screen readers speak
    // a grid cell's name, so the name carries the value.
    @property({ attribute: false }) cellName = `${cellOffsetMark}: ${cellTextMark}`;
    // The offset corner's name.
    @property({ attribute: false }) offsetLabel = '';
    // The session's cursor; keys and clicks go to it while a file is open.
    @property({ attribute: false }) cursor: GridCursor | null = null;
    @property({ type: Boolean }) navigable = false;
    // What is said when the caret moves within a cell: caret 0 or 1 is on that
    // digit, 2 after both.
    @property({ attribute: false }) caretWords: (caret: number, text: string) => string = (caret, text) =>
        `${caret} ${text}`;

    private readonly rows = new GridRows((index, text) => this.labelOf(index, text));
    private readonly marks = new CellMarks((index) => this.rows.cell(index));
    private readonly rowState = { handleEvent: this.marks.onRowState, capture: true };
    private body: HTMLElement | null = null;
    // The cell reveal last brought into view, until the grid scrolls: shown
    // again, it is still in view. Every key typed into the find box shows the
    // current match, mostly the same one, and measuring where it stands made
    // the browser lay the page out at each key.
    private revealed: HTMLElement | null = null;
    // The cursor as the session last pushed it.
    private currentIndex = 0;
    private caretPlace = 0;
    private description = '';
    // The cell that carries the current mark and the caret.
    private marked: HTMLElement | null = null;
    // What pressed the grid last: a finger's tap types through the touch input.
    private pointerType = 'mouse';
    private readonly touch = new TouchInput(() => this.cursor, (event) => this.onKeyDown(event));

    override createRenderRoot(): HTMLElement {
        return this;
    }

    get current(): number {
        return this.currentIndex;
    }

    get caret(): number {
        return this.caretPlace;
    }

    override render() {
        return html`<div class="grid" role="grid" aria-label=${this.gridLabel} aria-colcount="17"
            @keydown=${this.onKeyDown} @focusin=${this.onFocusIn} @mousedown=${this.onMouseDown}
            @contentvisibilityautostatechange=${this.rowState} @scroll=${() => (this.revealed = null)}
            @pointerdown=${(event: PointerEvent) => (this.pointerType = event.pointerType)}></div>${this.touch.element}<span
            class="spoken" aria-live="polite"></span>`;
    }

    // A screen reader says a focused cell's name when the focus arrives, not
    // when its value or the caret in it changes: those are said here.
    private say(text: string): void {
        const spoken = this.querySelector(':scope > .spoken');
        if (spoken) {
            // The same words again (a digit typed twice) must still be a change.
            spoken.textContent = spoken.textContent === text ? `${text}\u00a0` : text;
        }
    }

    // What the user did in the grid changed the current cell or moved the caret in it.
    private sayChange(index: number, caret: number, changedCells: number[]): void {
        const cell = this.rows.cell(index);
        if (!cell || !(this.body?.contains(document.activeElement) || this.touch.active)) {
            return;
        }
        const text = cell.textContent ?? '';
        if (changedCells.includes(index)) {
            this.say(this.labelOf(index, text));
        } else if (this.currentIndex === index && this.caretPlace !== caret) {
            this.say(this.caretWords(this.caretPlace, text));
        }
    }

    // What a session call changed of the cells and the cursor. The keyboard
    // focus follows the cursor while it is in the grid; it moves first, before
    // any text changes, so the browser need not lay the page out for it.
    show({ cells, texts, allCells, cursor }: Pick<SessionChange, 'cells' | 'texts' | 'allCells' | 'cursor'>): void {
        const [index, caret] = [this.currentIndex, this.caretPlace];
        if (cursor && cursor.cell !== this.currentIndex && this.rows.cell(cursor.cell)) {
            this.rows.cell(this.currentIndex)?.setAttribute('tabindex', '-1');
            this.currentIndex = cursor.cell;
            this.rows.cell(cursor.cell)?.setAttribute('tabindex', '0');
            if (this.body?.contains(document.activeElement)) {
                this.focusCell(cursor.cell);
            }
        }
        if (allCells) {
            this.setCells(texts);
        } else {
            cells.forEach((index, position) => {
                const cell = this.rows.cell(index);
                if (cell) {
                    cell.textContent = texts[position] ?? '';
                    cell.setAttribute('aria-label', this.labelOf(index, cell.textContent));
                }
            });
        }
        if (cursor) {
            this.caretPlace = cursor.caret;
            this.description = cursor.description;
            this.markCurrent();
        }
        if (!allCells) {
            this.sayChange(index, caret, cells);
        }
        const current = this.rows.cell(this.currentIndex);
        if (this.touch.active && current) {
            this.scrollToCell(current);
            this.touch.follow(current);
        }
    }

    // The cell name is asked for once per build, with markers where the offset
    // and the text go, as the grid names thousands of cells.
    private labelOf(index: number, text: string): string {
        return this.cellName.replace(cellOffsetMark, () => hex(index, 4)).replace(cellTextMark, () => text);
    }

    // A language change renames the corner and every cell in place.
    override updated(changed: PropertyValues<this>): void {
        if (changed.has('gridLabel')) {
            this.touch.element.setAttribute('aria-label', this.gridLabel);
        }
        if (!changed.has('cellName') && !changed.has('offsetLabel')) {
            return;
        }
        const corner = this.body?.querySelector('.corner');
        if (corner) {
            corner.textContent = this.offsetLabel;
        }
        this.rows.made.forEach((cell, index) =>
            cell.setAttribute('aria-label', this.labelOf(index, cell.textContent ?? '')));
    }

    // Builds every cell anew (a file was opened or closed).
    private setCells(texts: string[]): void {
        const grid = this.renderRoot.querySelector<HTMLElement>('.grid');
        if (!grid) {
            return;
        }
        grid.setAttribute('aria-rowcount', String(Math.ceil(texts.length / cellsPerRow) + 1));
        this.rows.replace(grid, this.makeHeader(), texts);
        this.marks.forget();
        this.marked = null;
        this.body = grid;
        grid.scrollTop = 0;
        this.currentIndex = Math.min(this.currentIndex, Math.max(texts.length - 1, 0));
        this.rows.cell(this.currentIndex)?.setAttribute('tabindex', '0');
        this.markCurrent();
    }

    private makeHeader(): HTMLElement {
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
        return head;
    }

    // Marks cells with a class (comparison marks, coverage shading, matches);
    // the old marks of that class go.
    setMarks(className: string, indexes: Iterable<number>): void {
        this.marks.set(className, indexes);
    }

    // The focus arrives at a cell from elsewhere (a switch chosen, Go to
    // offset): it becomes the cursor's cell, optionally with the keyboard focus.
    select(index: number, focus: boolean): void {
        const cell = this.rows.cell(index);
        if (!cell || !this.navigable) {
            return;
        }
        this.cursor?.focusCell(index);
        if (focus) {
            cell.focus();
        } else {
            this.scrollToCell(cell);
        }
    }

    // A cell shown without moving the cursor or the focus (a match found).
    reveal(index: number): void {
        const cell = this.rows.cell(index);
        if (cell && cell !== this.revealed) {
            this.scrollToCell(cell);
            this.revealed = cell;
        }
    }

    // Brings a cell into the grid's view by scrolling the grid alone: the page
    // itself never moves under a pointer that chose something elsewhere.
    private scrollToCell(cell: HTMLElement): void {
        const body = this.body;
        if (!body) {
            return;
        }
        if (cell.parentElement) {
            this.marks.showing(cell.parentElement);
        }
        // Measured by the row's box: a row is contained, so a cell's offsets
        // are taken from its row, not from the grid.
        const row = (cell.parentElement ?? cell).getBoundingClientRect();
        const top = row.top - body.getBoundingClientRect().top - body.clientTop + body.scrollTop;
        if (top < body.scrollTop + row.height) {
            body.scrollTop = Math.max(0, top - row.height);
        } else if (top + row.height > body.scrollTop + body.clientHeight) {
            body.scrollTop = top + 2 * row.height - body.clientHeight;
        }
    }

    // The keyboard focus to a cell. Within a row the cell is in view as its
    // neighbour was: scrolling there would only lay the page out for nothing.
    private focusCell(index: number): void {
        const cell = this.rows.cell(index);
        const sameRow = document.activeElement?.parentElement === cell?.parentElement;
        cell?.focus({ preventScroll: sameRow });
    }

    private markCurrent(): void {
        const previous = this.marked;
        const cell = this.rows.cell(this.currentIndex);
        if (previous && previous !== cell) {
            previous.classList.remove('current');
            previous.removeAttribute('aria-description');
            previous.textContent = previous.textContent ?? '';
        }
        this.marked = cell ?? null;
        if (!cell) {
            return;
        }
        cell.classList.add('current');
        // Set again only when it changed: a screen reader says a focused
        // cell's description again whenever it is set.
        if (!this.description) {
            cell.removeAttribute('aria-description');
        } else if (cell.getAttribute('aria-description') !== this.description) {
            cell.setAttribute('aria-description', this.description);
        }
        // The caret shows as a mark under the digit it stands before.
        const caret = this.caret;
        const text = cell.textContent ?? '';
        const parts = [...text].map((char, position) => {
            const span = document.createElement('span');
            span.textContent = char;
            // Orca in Chromium speaks a cell's text when it has one: hidden, the
            // focused cell is spoken by its name, which holds the offset too.
            span.setAttribute('aria-hidden', 'true');
            if (position === caret) {
                span.className = 'caret';
            }
            return span;
        });
        if (caret >= text.length) {
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
        if (index !== null && index !== this.currentIndex && this.navigable) {
            this.cursor?.focusCell(index);
        }
        // Coming into the grid, Orca reads the row, which is named by its
        // offset, and not the cell: the cell's name and value are said.
        const from = event.relatedTarget as Node | null;
        if (index !== null && !(from && this.body?.contains(from))) {
            this.say(this.labelOf(index, this.rows.cell(index)?.textContent ?? ''));
        }
    }

    // A click on a cell focuses it with the caret at the character boundary
    // nearest to the pointer, as in a text field. A finger is too broad to
    // aim between two digits (and after the last one typing goes on in the
    // next cell): a tap chooses the cell, with the caret on its first digit.
    private onMouseDown(event: MouseEvent): void {
        const index = this.indexOf(event.target);
        if (index === null || event.button !== 0 || !this.navigable) {
            return;
        }
        event.preventDefault();
        const cell = this.rows.cell(index);
        if (!cell) {
            return;
        }
        const tapped = this.pointerType === 'touch' || this.pointerType === 'pen';
        const places = tapped ? [] : caretPlaces(cell).slice(0, 3);
        const distances = places.map((x) => Math.abs(event.clientX - x));
        const caret = distances.indexOf(Math.min(...distances));
        this.select(index, !tapped);
        if (tapped) {
            this.touch.focusOn(cell);
        }
        this.cursor?.setCaret(Math.max(caret, 0));
    }

    // Each key is one call of the session's cursor; what it changed comes back
    // pushed (showCells, showCursor), and with it the focus.
    private onKeyDown(event: KeyboardEvent): void {
        const cursor = this.cursor;
        const onCell = this.indexOf(event.target) !== null || event.target === this.touch.element;
        if (!cursor || !this.navigable || !onCell || event.altKey || event.metaKey) {
            return;
        }
        const move = moveKeys[event.key];
        if (move) {
            // Measured only here: reading a size makes the browser lay the page out.
            const rowHeight = this.rows.cell(this.currentIndex)?.parentElement?.offsetHeight || 26;
            cursor.moveCursor(move, Math.max(1, Math.floor((this.body?.clientHeight ?? 0) / rowHeight) - 1));
        } else if (event.key === 'Home' || event.key === 'End') {
            const whole = event.ctrlKey;
            cursor.moveCursor(event.key === 'Home' ? (whole ? 'first' : 'home') : (whole ? 'last' : 'end'));
        } else if (event.key === 'Backspace') {
            cursor.backspace();
        } else if (event.key === 'Delete') {
            cursor.deleteForward();
        } else if (event.key.length === 1 && !event.ctrlKey) {
            // Every printable key is taken, so a letter that is no digit never
            // reaches a shortcut by accident; the cursor drops what is not hexadecimal.
            cursor.typeCharacter(event.key);
        } else {
            return;
        }
        event.preventDefault();
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'byte-grid': ByteGrid;
    }
}
