// SPDX-License-Identifier: GPL-3.0-or-later
// Go to offset, as on the desktop: the core says where a typed offset lies.
import { LitElement, html, nothing } from 'lit';
import { customElement, query, state } from 'lit/decorators.js';
import { UiString, type Session } from '../session/core';
import { pageStorage } from '../session/page-storage';

const decimalKey = 'GoToDecimal';

@customElement('goto-dialog')
export class GoToDialog extends LitElement {
    @state() private session: Session | null = null;
    @state() private decimal = pageStorage.getItem(decimalKey) === '1';
    @state() private refusal = '';
    @query('dialog') private dialog!: HTMLDialogElement;
    @query('input[type="text"]') private input!: HTMLInputElement;
    private answer: ((offset: number | null) => void) | null = null;

    override createRenderRoot(): HTMLElement {
        return this;
    }

    // The cell to go to; null when the user cancelled.
    async ask(session: Session): Promise<number | null> {
        this.session = session;
        this.refusal = '';
        // Drawn anew: the language may have changed since it last showed.
        this.requestUpdate();
        await this.updateComplete;
        this.input.value = '';
        this.dialog.showModal();
        this.input.focus();
        return new Promise((resolve) => (this.answer = resolve));
    }

    private finish(offset: number | null): void {
        const answer = this.answer;
        this.answer = null;
        this.dialog.close();
        answer?.(offset);
    }

    private accept(event: Event): void {
        event.preventDefault();
        pageStorage.setItem(decimalKey, this.decimal ? '1' : '0');
        try {
            this.finish(this.session!.offsetFromText(this.input.value, this.decimal));
        } catch (error) {
            this.refusal = error instanceof Error ? error.message : String(error);
            this.input.select();
            this.input.focus();
        }
    }

    override render() {
        const text = (n: UiString) => this.session?.label(n) ?? '';
        return html`<dialog aria-labelledby="gotoHeading"
                @cancel=${(event: Event) => { event.preventDefault(); this.finish(null); }}>
            <form @submit=${this.accept}>
                <h2 id="gotoHeading">${text(UiString.GoToOffsetTitle)}</h2>
                <label>${text(UiString.GoToOffsetPrompt)} <input type="text" name="txtOffset"
                    autocomplete="off" spellcheck="false"></label>
                <div role="radiogroup" aria-label=${text(UiString.GoToOffsetTitle)}>
                    <label><input type="radio" name="base" ?checked=${!this.decimal}
                        @change=${() => (this.decimal = false)}>${text(UiString.OffsetHexadecimal)}</label>
                    <label><input type="radio" name="base" ?checked=${this.decimal}
                        @change=${() => (this.decimal = true)}>${text(UiString.OffsetDecimal)}</label>
                </div>
                ${this.refusal ? html`<p class="message" role="alert">${this.refusal}</p>` : nothing}
                <div class="buttons"><button type="submit">${this.session?.caption('frmTip', 'Command1') ?? 'OK'}</button>
                    <button type="button" @click=${() => this.finish(null)}>${text(UiString.ButtonCancel)}</button></div>
            </form></dialog>`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'goto-dialog': GoToDialog;
    }
}
