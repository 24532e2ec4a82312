// SPDX-License-Identifier: GPL-3.0-or-later
// Suggest Definitions: the elements that would describe the bits in which the
// compared file differs where no item reads, as the core writes them, with
// what to do with them and a button that copies them.
import { LitElement, html } from 'lit';
import { customElement, query, state } from 'lit/decorators.js';
import { UiString, type Session } from '../session/core';

@customElement('suggest-dialog')
export class SuggestDialog extends LitElement {
    @state() private session: Session | null = null;
    @state() private text = '';
    @query('dialog') private dialog!: HTMLDialogElement;
    @query('textarea') private area!: HTMLTextAreaElement;

    override createRenderRoot(): HTMLElement {
        return this;
    }

    // Shows the suggestions for the comparison in force; nothing while none is.
    async show(session: Session): Promise<void> {
        const text = session.suggestDefinitions();
        if (text === null) {
            return;
        }
        this.session = session;
        this.text = text;
        // Drawn anew: the language may have changed since it last showed.
        this.requestUpdate();
        await this.updateComplete;
        this.dialog.showModal();
        this.area.focus();
    }

    // Where the browser refuses the clipboard the text stays selected, for Ctrl+C.
    private async copy(): Promise<void> {
        this.area.select();
        try {
            await navigator.clipboard.writeText(this.text);
        } catch {
            this.area.focus();
        }
    }

    override render() {
        const session = this.session;
        return html`<dialog class="suggestions" aria-labelledby="suggestHeading">
            <h2 id="suggestHeading">${session?.label(UiString.SuggestDefinitions) ?? ''}</h2>
            <p id="suggestHint">${session?.string(UiString.SuggestDefinitionsHint) ?? ''}</p>
            <textarea readonly rows="8" wrap="off" spellcheck="false" aria-labelledby="suggestHeading"
                aria-describedby="suggestHint" .value=${this.text}></textarea>
            <div class="buttons"><button type="button" class="copy" @click=${this.copy}>${
                session?.label(UiString.Copy) ?? ''}</button>
                <button type="button" class="close" @click=${() => this.dialog.close()}>${
                    session?.caption('frmAbout', 'cmdClose') ?? ''}</button></div>
        </dialog>`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'suggest-dialog': SuggestDialog;
    }
}
