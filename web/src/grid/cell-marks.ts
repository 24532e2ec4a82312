// SPDX-License-Identifier: GPL-3.0-or-later
// Marks on the grid's cells, each a class: comparison marks, coverage
// shading, find matches. A row the browser does not draw (content-visibility
// skips rows, and groups of rows, far out of view) is brought up to date only
// when it is drawn again: the find box marks anew with every key, and
// restyling the cells of rows no one sees was a large part of what a key cost.

export class CellMarks {
    // The cells each class belongs on.
    private readonly marks = new Map<string, Set<number>>();
    // The rows and groups of rows the browser said it skips; the classes of
    // their cells may lag.
    private readonly skipped = new WeakSet<Element>();

    constructor(private readonly cell: (index: number) => HTMLElement | undefined) {}

    // The old cells of that class lose it; only the cells whose mark changes
    // are touched.
    set(name: string, indexes: Iterable<number>): void {
        const wanted = new Set(indexes);
        const old = this.marks.get(name) ?? new Set<number>();
        for (const index of old) {
            if (!wanted.has(index)) {
                this.mark(index, name, false);
            }
        }
        for (const index of wanted) {
            if (!old.has(index)) {
                this.mark(index, name, true);
            }
        }
        this.marks.set(name, wanted);
    }

    // The browser starts or stops drawing a row or a group of rows.
    readonly onRowState = (event: ContentVisibilityAutoStateChangeEvent): void => {
        const target = event.target as Element;
        if (event.skipped) {
            this.skipped.add(target);
        } else {
            this.catchUp(target);
        }
    };

    // A row about to be scrolled into view by the grid itself: marked now if
    // it or its group was skipped, so the frame that shows it shows its marks.
    showing(row: Element): void {
        if (row.parentElement) {
            this.catchUp(row.parentElement);
        }
        this.catchUp(row);
    }

    // The cells were made anew (a file opened or closed).
    forget(): void {
        this.marks.clear();
    }

    private mark(index: number, name: string, on: boolean): void {
        const cell = this.cell(index);
        if (cell?.parentElement && this.drawn(cell.parentElement)) {
            cell.classList.toggle(name, on);
        }
    }

    private drawn(row: Element): boolean {
        return !this.skipped.has(row) && !(row.parentElement && this.skipped.has(row.parentElement));
    }

    // A row or group drawn again: if it was skipped, its rows the browser
    // draws are marked.
    private catchUp(element: Element): void {
        if (!this.skipped.delete(element)) {
            return;
        }
        const rows = element.getAttribute('role') === 'rowgroup' ? [...element.children] : [element];
        for (const row of rows.filter((row) => this.drawn(row))) {
            for (const cell of row.children) {
                const index = (cell as HTMLElement).dataset['index'];
                if (index !== undefined) {
                    for (const [name, cells] of this.marks) {
                        cell.classList.toggle(name, cells.has(Number(index)));
                    }
                }
            }
        }
    }
}
