// SPDX-License-Identifier: GPL-3.0-or-later
// Where a click puts the caret in a cell, as in a text field.

// The x of each place the caret can stand in a cell: before each character and after the last.
export function caretPlaces(cell: HTMLElement): number[] {
    const places: number[] = [];
    const walker = document.createTreeWalker(cell, NodeFilter.SHOW_TEXT);
    const range = document.createRange();
    let right: number | null = null;
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
        for (let offset = 0; offset < (node.textContent ?? '').length; ++offset) {
            range.setStart(node, offset);
            range.setEnd(node, offset + 1);
            const box = range.getBoundingClientRect();
            places.push(box.left);
            right = box.right;
        }
    }
    if (right !== null) {
        places.push(right);
    }
    return places;
}
