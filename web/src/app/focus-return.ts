// SPDX-License-Identifier: GPL-3.0-or-later
// Where the keyboard focus goes when what held it goes away: a window closes,
// a menu closes after its command, the comparison closes. As on the desktop it
// goes back to the control that had it before, or into the editor once a file
// has been opened. The skip link, first on the page, leads to the editor too.
import { html, type ReactiveController, type ReactiveControllerHost } from 'lit';

// What the page remembers a control by: the last few it gave the focus to,
// newest last, so one that has gone since can be passed over.
const remembered = 8;

// The first control of the open file's editor, else the grid's current cell.
const editorTargets = ['editor-panel [tabindex="0"]', 'editor-panel input:checked',
    'editor-panel input:not([type="radio"]), editor-panel button', 'byte-grid [role="gridcell"][tabindex="0"]'];

function usable(element: Element | null): element is HTMLElement {
    return element instanceof HTMLElement && element.isConnected && element.checkVisibility()
        && !element.closest('[inert], dialog:not([open])');
}

export class FocusReturn implements ReactiveController {
    private readonly history: HTMLElement[] = [];
    // A file was opened: the focus goes into its editor once no window is open.
    private editorWanted = false;

    constructor(private readonly host: ReactiveControllerHost & HTMLElement, private readonly fileOpen: () => boolean) {
        host.addController(this);
    }

    hostConnected(): void {
        document.addEventListener('focusin', this.onFocusIn);
        // A dialog's close and a menu's toggle do not bubble: they are caught on the way down.
        this.host.addEventListener('close', this.settle, true);
        this.host.addEventListener('toggle', this.settle, true);
        this.host.addEventListener('compare-changed', this.settle);
        this.host.addEventListener('focus-lost', this.settle);
    }

    hostDisconnected(): void {
        document.removeEventListener('focusin', this.onFocusIn);
        this.host.removeEventListener('close', this.settle, true);
        this.host.removeEventListener('toggle', this.settle, true);
        this.host.removeEventListener('compare-changed', this.settle);
        this.host.removeEventListener('focus-lost', this.settle);
    }

    // Another file is open (or none): its editor takes the focus.
    fileChanged(): void {
        this.editorWanted = true;
        this.settle();
    }

    focusEditor(): boolean {
        const target = this.fileOpen() ? editorTargets.map((selector) => document.querySelector(selector)).find(usable) : null;
        if (!target) {
            return false;
        }
        // A tree item holds its whole branch: only its own line is brought into view.
        target.focus({ preventScroll: true });
        (target.querySelector(':scope > .label') ?? target).scrollIntoView({ block: 'nearest', inline: 'nearest' });
        return true;
    }

    // Leads past the menus to the editor; without a file, to the page's main part.
    skipLink(caption: string) {
        return html`<a class="skip-link" href="#main" @click=${(event: Event) => {
            event.preventDefault();
            if (!this.focusEditor()) {
                const main = document.querySelector('main');
                main?.setAttribute('tabindex', '-1');
                main?.focus();
            }
        }}>${caption}</a>`;
    }

    private readonly onFocusIn = (event: FocusEvent): void => {
        const target = event.target;
        if (target instanceof HTMLElement && !target.closest('dialog, details.menu')) {
            const known = this.history.indexOf(target);
            if (known >= 0) {
                this.history.splice(known, 1);
            }
            this.history.push(target);
            this.history.splice(0, this.history.length - remembered);
        }
    };

    // Once the page has drawn what changed and no window is open, the focus
    // goes where it belongs if nothing holds it.
    private readonly settle = (): void => {
        void this.host.updateComplete.then(() => requestAnimationFrame(() => {
            if (document.querySelector('dialog[open]')) {
                return;
            }
            if (this.editorWanted) {
                this.editorWanted = false;
                if (this.focusEditor()) {
                    return;
                }
            }
            const active = document.activeElement;
            if (usable(active) && active !== document.body) {
                return;
            }
            [...this.history].reverse().find(usable)?.focus();
        }));
    };
}
