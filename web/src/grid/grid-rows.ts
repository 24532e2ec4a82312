// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's rows of cells, built when a file is opened. Thousands of cells
// take longer to make than a frame lasts, so the rows a screen can show are
// made at once and the rest in the tasks after the first frame; anything that
// asks for a cell not made yet has the rest made first.
//
// Rows stand in groups of eight, each group drawn by the browser only near
// the view (content-visibility). Ungrouped, the browser drew some sixty rows
// around the view and went through all of them in every frame, each key
// typed into the find box among them; grouped, it draws about twenty.

export const cellsPerRow = 16;
const rowsPerGroup = 8;

// More rows than any screen shows at once, at the smallest font; whole groups.
const firstRows = 48;
const rowsPerTask = 64;

export function hex(value: number, digits: number): string {
    return value.toString(16).toUpperCase().padStart(digits, '0');
}

export class GridRows {
    private cells: HTMLElement[] = [];
    private texts: string[] = [];
    private grid: HTMLElement | null = null;
    private builtRows = 0;
    // Which build a scheduled task belongs to: a newer build makes it stale.
    private build = 0;

    // labelOf names a cell; it is asked when the cell is made, so a cell made
    // after a language change has the new name.
    constructor(private readonly labelOf: (index: number, text: string) => string) {}

    get length(): number {
        return this.texts.length;
    }

    // The cells made so far (a relabelling need not make the rest).
    get made(): readonly HTMLElement[] {
        return this.cells;
    }

    // Every cell anew in grid, after its header row.
    replace(grid: HTMLElement, header: HTMLElement, texts: string[]): void {
        this.grid = grid;
        this.texts = texts;
        this.cells = [];
        this.builtRows = 0;
        const build = ++this.build;
        const fragment = document.createDocumentFragment();
        fragment.append(header);
        this.appendRows(fragment, firstRows);
        grid.replaceChildren(fragment);
        if (!this.complete) {
            // After the frame that shows the first rows.
            requestAnimationFrame(() => setTimeout(() => this.continueBuild(build)));
        }
    }

    cell(index: number): HTMLElement | undefined {
        if (index >= this.cells.length && index < this.texts.length) {
            this.finish();
        }
        return this.cells[index];
    }

    private get complete(): boolean {
        return this.cells.length >= this.texts.length;
    }

    private continueBuild(build: number): void {
        if (build !== this.build || this.complete || !this.grid) {
            return;
        }
        const fragment = document.createDocumentFragment();
        this.appendRows(fragment, rowsPerTask);
        this.grid.append(fragment);
        if (!this.complete) {
            setTimeout(() => this.continueBuild(build));
        }
    }

    private finish(): void {
        if (!this.grid) {
            return;
        }
        const fragment = document.createDocumentFragment();
        this.appendRows(fragment, Infinity);
        this.grid.append(fragment);
    }

    // Whole groups of rows: count is a multiple of rowsPerGroup.
    private appendRows(fragment: DocumentFragment, count: number): void {
        const rows = Math.ceil(this.texts.length / cellsPerRow);
        const last = Math.min(rows, this.builtRows + count);
        for (let first = this.builtRows; first < last; first += rowsPerGroup) {
            const group = document.createElement('div');
            group.setAttribute('role', 'rowgroup');
            const end = Math.min(last, first + rowsPerGroup);
            // Its height before the browser first draws it.
            group.style.setProperty('--rows', String(end - first));
            for (let row = first; row < end; ++row) {
                group.append(this.makeRow(row));
            }
            fragment.append(group);
        }
        this.builtRows = last;
    }

    private makeRow(row: number): HTMLElement {
        const line = document.createElement('div');
        line.setAttribute('role', 'row');
        line.setAttribute('aria-rowindex', String(row + 2));
        // Named by its offset: a row named by its content would be read whole
        // when the focus enters it.
        line.setAttribute('aria-label', hex(row * cellsPerRow, 4));
        const offset = document.createElement('span');
        offset.setAttribute('role', 'rowheader');
        offset.setAttribute('aria-colindex', '1');
        offset.textContent = hex(row * cellsPerRow, 4);
        line.append(offset);
        const end = Math.min(this.texts.length, (row + 1) * cellsPerRow);
        for (let index = row * cellsPerRow; index < end; ++index) {
            const text = this.texts[index] ?? '';
            const cell = document.createElement('span');
            cell.setAttribute('role', 'gridcell');
            cell.setAttribute('aria-colindex', String((index % cellsPerRow) + 2));
            cell.setAttribute('aria-label', this.labelOf(index, text));
            cell.tabIndex = -1;
            cell.dataset['index'] = String(index);
            cell.textContent = text;
            line.append(cell);
            this.cells.push(cell);
        }
        return line;
    }
}
