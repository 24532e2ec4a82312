// SPDX-License-Identifier: GPL-3.0-or-later
// Marks on the grid's cells, each under a name that is also its style's:
// a class on the cells (comparison marks, coverage shading), or a highlight of
// the cells' text for the marks that change with every key typed into the
// find box. A highlight restyles no cell: the dozens of cells each key marks
// cost the page a repaint of the rows in view, which the find box's benchmark
// measured faster than restyling each cell. Where the browser has no
// highlights, such marks are classes too.

export class CellMarks {
    // The cells each class is on.
    private readonly classes = new Map<string, Set<number>>();
    private readonly highlights = new Set<string>();

    constructor(private readonly cell: (index: number) => HTMLElement | undefined) {}

    // The old cells of that class lose it; only the cells whose mark changes
    // are touched.
    setClass(name: string, indexes: Iterable<number>): void {
        const wanted = new Set(indexes);
        const old = this.classes.get(name) ?? new Set<number>();
        for (const index of old) {
            if (!wanted.has(index)) {
                this.cell(index)?.classList.remove(name);
            }
        }
        for (const index of wanted) {
            if (!old.has(index)) {
                this.cell(index)?.classList.add(name);
            }
        }
        this.classes.set(name, wanted);
    }

    setHighlight(name: string, indexes: Iterable<number>): void {
        if (typeof CSS === 'undefined' || !('highlights' in CSS)) {
            this.setClass(name, indexes);
            return;
        }
        // Each range holds a whole cell from its row, whose children never
        // change: the cell's own text is replaced as it is typed into.
        const ranges: StaticRange[] = [];
        for (const index of indexes) {
            const cell = this.cell(index);
            const row = cell?.parentNode;
            if (cell && row) {
                const place = Array.prototype.indexOf.call(row.childNodes, cell);
                ranges.push(new StaticRange({ startContainer: row, startOffset: place, endContainer: row, endOffset: place + 1 }));
            }
        }
        if (ranges.length > 0) {
            CSS.highlights.set(name, new Highlight(...ranges));
            this.highlights.add(name);
        } else if (this.highlights.delete(name)) {
            CSS.highlights.delete(name);
        }
    }

    // The cells went (a file opened or closed): their marks go with them.
    forget(): void {
        this.classes.clear();
        for (const name of this.highlights) {
            CSS.highlights.delete(name);
        }
        this.highlights.clear();
    }
}
