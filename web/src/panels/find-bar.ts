// SPDX-License-Identifier: GPL-3.0-or-later
// The find bar: a text and what it is (a setting's name, hex bytes, text),
// the session's answer ("2 of 5"), and next and previous. Every key typed
// searches again; Enter and Shift+Enter step, Escape closes. It is no dialog:
// the page stays usable beside it. The session finds; the bar shows its
// answer and tells the window when the current match moved.
import { LitElement, html, nothing } from 'lit';
import { customElement, property, query, state } from 'lit/decorators.js';
import { live } from 'lit/directives/live.js';
import { UiString, type FindAnswer, type FindMode, type Session } from '../session/core';

const modes: [FindMode, UiString][] = [
    ['settings', UiString.FindModeSettings], ['bytes', UiString.FindModeBytes],
    ['ascii', UiString.FindModeAscii], ['utf16', UiString.FindModeUtf16],
];

// Resolves once the key that opened the bar is up, or soon when none is
// down (a menu's command). Orca keeps a page in browse mode when the focus
// moves while that key is down, and would take the letters typed next for
// its own navigation keys.
function keyReleased(): Promise<void> {
    return new Promise((resolve) => {
        const done = (): void => {
            window.removeEventListener('keyup', done, true);
            clearTimeout(timer);
            resolve();
        };
        const timer = setTimeout(done, 150);
        window.addEventListener('keyup', done, true);
    });
}

@customElement('find-bar')
export class FindBar extends LitElement {
    @property({ attribute: false }) session: Session | null = null;
    @property({ attribute: false }) answer: FindAnswer | null = null;
    @state() private shown = false;
    @state() private mode: FindMode = 'settings';
    @query('input') private input!: HTMLInputElement;
    private text = '';
    // The search of the text typed, waiting for the next frame: keys typed
    // faster than frames search once, and the page is laid out once for them.
    private pendingSearch = 0;

    override createRenderRoot(): HTMLElement {
        return this;
    }

    get isOpen(): boolean {
        return this.shown;
    }

    // Edit > Find: the bar shows with its text chosen, searching what it holds.
    async open(): Promise<void> {
        if (!this.shown) {
            this.shown = true;
            await this.updateComplete;
            this.search();
        }
        await keyReleased();
        this.input.focus();
        this.input.select();
    }

    close(): void {
        if (!this.shown) {
            return;
        }
        this.searchNow();
        this.shown = false;
        this.dispatchEvent(new Event('find-close', { bubbles: true }));
    }

    // F3 and Shift+F3, from anywhere; the bar opens first when it is closed.
    async step(forward: boolean): Promise<void> {
        if (!this.shown) {
            await this.open();
            return;
        }
        this.searchNow();
        this.call((session) => (forward ? session.findNext() : session.findPrevious()));
    }

    private search(): void {
        this.call((session) => session.find(this.mode, this.text));
    }

    private searchNow(): void {
        if (this.pendingSearch !== 0) {
            cancelAnimationFrame(this.pendingSearch);
            this.pendingSearch = 0;
            this.search();
        }
    }

    private call(action: (session: Session) => unknown): void {
        if (!this.session?.fileOpen()) {
            return;
        }
        action(this.session);
        this.dispatchEvent(new Event('find-moved', { bubbles: true }));
    }

    private onInput(): void {
        this.text = this.input.value;
        if (this.pendingSearch === 0) {
            this.pendingSearch = requestAnimationFrame(() => {
                this.pendingSearch = 0;
                this.search();
            });
        }
    }

    private onModeChange(event: Event): void {
        this.mode = (event.target as HTMLSelectElement).value as FindMode;
        this.searchNow();
        this.search();
    }

    private onKeyDown(event: KeyboardEvent): void {
        if (event.key === 'Escape') {
            event.preventDefault();
            this.close();
        } else if (event.key === 'Enter' && event.target === this.input) {
            event.preventDefault();
            void this.step(!event.shiftKey);
        }
    }

    override render() {
        const session = this.session;
        if (!session) {
            return nothing;
        }
        const answer = this.answer;
        const status = answer ? [answer.status, answer.note].filter(Boolean).join(' ') : '';
        const next = session.label(UiString.FindNext);
        const previous = session.label(UiString.FindPrevious);
        // Kept, hidden, once made: made anew at each Ctrl+F, its list of kinds
        // would choose its first entry in front of a screen reader, which then
        // reads that entry instead of what is typed into the text.
        return html`<div class="find-bar" ?hidden=${!this.shown} role="search" aria-label=${session.label(UiString.FindMenu).replace(/(\.\.\.|…)$/u, '')}
                @keydown=${this.onKeyDown}>
            <label for="find-text">${session.label(UiString.FindLabel)}</label>
            <span class="find-field"><input id="find-text" type="search" autocomplete="off" spellcheck="false"
                .value=${live(this.text)} aria-describedby="find-status"
                aria-invalid=${answer?.state === 'refused' ? 'true' : 'false'} @input=${this.onInput}></span>
            <select aria-label=${session.string(UiString.FindModeLabel)} @change=${this.onModeChange}>
                ${modes.map(([mode, name]) => html`<option value=${mode} ?selected=${mode === this.mode}>
                    ${session.string(name)}</option>`)}
            </select>
            <button type="button" aria-label=${previous} title=${`${previous} (Shift+F3)`}
                @click=${() => this.step(false)}>▲</button>
            <button type="button" aria-label=${next} title=${`${next} (F3)`}
                @click=${() => this.step(true)}>▼</button>
            <span id="find-status" class=${`find-status ${answer?.state ?? ''}`} role="status">${status}</span>
            <button type="button" class="close" aria-label=${session.string(UiString.FindClose)}
                title=${session.string(UiString.FindClose)} @click=${() => this.close()}>✕</button>
        </div>`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'find-bar': FindBar;
    }
}
