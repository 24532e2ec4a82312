// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Find, Find Next and Find Previous: the bar opened or stepped, the
// session's answer marked in the grid, the current match brought into view,
// and on closing the focus left on the match, or where it was before the bar.
import type { ByteGrid } from '../grid/byte-grid';
import type { EditorPanel } from '../editors/editor-panel';
import type { FindAnswer } from '../session/core';
import type { FindBar } from '../panels/find-bar';
import type { SessionController } from '../session/session-controller';
import { focusedElement, returnFocus } from '../panels/panel-focus';

export interface FindWindow extends HTMLElement {
    readonly controller: SessionController;
    readonly updateComplete: Promise<boolean>;
    readonly findBar: FindBar;
    readonly grid: ByteGrid;
    readonly editorPanel: EditorPanel;
}

function cellsOf(run: { offset: number; length: number } | null): number[] {
    return run ? Array.from({ length: run.length }, (_, index) => run.offset + index) : [];
}

export class FindCommands {
    // What had the focus when the bar opened: it goes back there when nothing was found.
    private opener: HTMLElement | null = null;
    private revealPending = false;

    constructor(private readonly window: FindWindow) {}

    async open(): Promise<void> {
        if (this.window.controller.file.open) {
            this.noteOpener();
            await this.window.findBar.open();
        }
    }

    step(forward: boolean): void {
        if (this.window.controller.file.open) {
            this.noteOpener();
            void this.window.findBar.step(forward);
        }
    }

    // Every byte match marked, the current one apart, and the bar's words.
    showAnswer(answer: FindAnswer): void {
        const { findBar, grid } = this.window;
        if (findBar) {
            findBar.answer = answer;
        }
        grid?.setMarks('found', answer.cells.flatMap(cellsOf));
        grid?.setMarks('found-current', cellsOf(answer.currentCells));
    }

    // The current match moved: brought into view, the focus left in the bar.
    // Once the answer is drawn into the page, in the same frame: the bar
    // searches once a frame however fast keys come, and waiting for another
    // frame would draw every key twice.
    readonly showFound = (): void => {
        if (this.revealPending || this.window.controller.find?.state !== 'found') {
            return;
        }
        this.revealPending = true;
        void this.window.updateComplete.then(() => {
            this.revealPending = false;
            const answer = this.window.controller.find;
            if (answer?.state !== 'found') {
                return;
            }
            if (answer.currentCells) {
                this.window.grid.reveal(answer.currentCells.offset);
            } else if (answer.setting) {
                void this.window.editorPanel.showFound(answer.setting, false);
            }
        });
    };

    // Escape leaves the focus on the match, or where it was before the bar.
    readonly close = (): void => {
        const answer = this.window.controller.find;
        this.window.controller.session?.closeFind();
        if (answer?.state === 'found' && answer.currentCells) {
            this.window.grid.select(answer.currentCells.offset, true);
        } else if (answer?.state === 'found' && answer.setting) {
            void this.window.editorPanel.showFound(answer.setting, true);
        } else {
            returnFocus(this.opener, this.window);
        }
        this.opener = null;
    };

    private noteOpener(): void {
        if (!this.window.findBar.isOpen) {
            this.opener = focusedElement();
        }
    }
}
