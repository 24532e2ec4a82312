// SPDX-License-Identifier: GPL-3.0-or-later
// Typing into the grid on a touch screen. A grid cell is no text box, so a
// phone shows no keyboard for it: a tapped cell hands the focus to this
// invisible text box laid over it instead. A virtual keyboard sends no usable
// keydown, only input events; what arrives is given to the grid cursor one
// character at a time, as typed keys are, and the box is emptied again.
import type { GridCursor } from './grid-cursor';

export class TouchInput {
    readonly element = document.createElement('input');

    constructor(private readonly cursor: () => GridCursor | null, onKeyDown: (event: KeyboardEvent) => void) {
        const input = this.element;
        input.type = 'text';
        input.className = 'touch-input';
        input.tabIndex = -1;
        input.inputMode = 'text';
        input.autocomplete = 'off';
        input.spellcheck = false;
        input.setAttribute('autocapitalize', 'characters');
        input.setAttribute('autocorrect', 'off');
        // A keyboard attached to a tablet still moves and types through the grid's keys.
        input.addEventListener('keydown', onKeyDown);
        input.addEventListener('beforeinput', this.onBeforeInput);
        input.addEventListener('input', this.onInput);
        // A keyboard that composes words hands over its text when the word is done.
        input.addEventListener('compositionend', () => this.typeOut());
        // While this box has the focus the grid shows its current cell as focused: told by a class,
        // as a :has() rule on the grid made the browser check it at every change in the grid.
        input.addEventListener('focus', () => input.parentElement?.classList.add('touch-typing'));
        input.addEventListener('blur', () => input.parentElement?.classList.remove('touch-typing'));
    }

    get active(): boolean {
        return document.activeElement === this.element;
    }

    // Lays the box over the cell, where the phone keeps it in view, and names it as the cell.
    follow(cell: HTMLElement): void {
        const origin = this.element.offsetParent?.getBoundingClientRect();
        const box = cell.getBoundingClientRect();
        const style = this.element.style;
        style.left = `${box.left - (origin?.left ?? 0)}px`;
        style.top = `${box.top - (origin?.top ?? 0)}px`;
        style.width = `${box.width}px`;
        style.height = `${box.height}px`;
        this.element.setAttribute('aria-label', cell.getAttribute('aria-label') ?? '');
    }

    focusOn(cell: HTMLElement): void {
        this.follow(cell);
        this.element.focus({ preventScroll: true });
    }

    private readonly onBeforeInput = (event: InputEvent): void => {
        const cursor = this.cursor();
        if (event.inputType === 'deleteContentBackward') {
            cursor?.backspace();
        } else if (event.inputType === 'deleteContentForward') {
            cursor?.deleteForward();
        } else {
            return;
        }
        event.preventDefault();
    };

    private readonly onInput = (event: Event): void => {
        if (!(event as InputEvent).isComposing) {
            this.typeOut();
        }
    };

    private typeOut(): void {
        const text = this.element.value;
        this.element.value = '';
        const cursor = this.cursor();
        for (const character of text) {
            cursor?.typeCharacter(character);
        }
    }
}
