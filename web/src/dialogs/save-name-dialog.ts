// SPDX-License-Identifier: GPL-3.0-or-later
// Save As where the browser has no save picker: the name to download the
// file under, asked in a small window that starts on the current name.
import { LitElement, html } from 'lit';
import { customElement, query, state } from 'lit/decorators.js';
import { UiString, type Session } from '../session/core';

@customElement('save-name-dialog')
export class SaveNameDialog extends LitElement {
    @state() private session: Session | null = null;
    @query('dialog') private dialog!: HTMLDialogElement;
    @query('input') private input!: HTMLInputElement;
    private answer: ((name: string | null) => void) | null = null;

    override createRenderRoot(): HTMLElement {
        return this;
    }

    // The name typed; null when the user cancelled.
    async ask(session: Session, name: string): Promise<string | null> {
        this.answer?.(null);
        this.session = session;
        // Drawn anew: the language may have changed since it last showed.
        this.requestUpdate();
        await this.updateComplete;
        this.input.value = name;
        this.dialog.showModal();
        this.input.focus();
        // The name without its extension, ready to be typed over.
        this.input.setSelectionRange(0, name.replace(/\.seem$/i, '').length);
        return new Promise((resolve) => (this.answer = resolve));
    }

    private finish(name: string | null): void {
        const answer = this.answer;
        this.answer = null;
        this.dialog.close();
        answer?.(name);
    }

    private accept(event: Event): void {
        event.preventDefault();
        const name = this.input.value.trim();
        if (name) {
            this.finish(name);
        } else {
            this.input.focus();
        }
    }

    override render() {
        const session = this.session;
        return html`<dialog aria-labelledby="saveNameHeading"
                @cancel=${(event: Event) => { event.preventDefault(); this.finish(null); }}>
            <form @submit=${this.accept}>
                <h2 id="saveNameHeading">${session?.string(UiString.SaveAsDialogTitle)}</h2>
                <label>${session?.caption('web', 'lblFileName')} <input type="text" name="fileName" required
                    autocomplete="off" spellcheck="false"></label>
                <div class="buttons"><button type="submit">${session?.caption('frmTip', 'Command1')}</button>
                    <button type="button" @click=${() => this.finish(null)}>${session?.label(UiString.ButtonCancel)}</button></div>
            </form></dialog>`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'save-name-dialog': SaveNameDialog;
    }
}
