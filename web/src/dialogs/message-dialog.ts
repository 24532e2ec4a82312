// SPDX-License-Identifier: GPL-3.0-or-later
// The page's modal message box: a message, a question with buttons, or a tip
// with its "show again" check box, each answered through a promise.
import { LitElement, html, nothing } from 'lit';
import { customElement, property, query, state } from 'lit/decorators.js';

export interface Choice {
    value: string;
    label: string;
}

@customElement('message-dialog')
export class MessageDialog extends LitElement {
    @state() private heading = '';
    @state() private message = '';
    @state() private choices: Choice[] = [];
    @state() private checkLabel = '';
    // The OK button's caption in the interface's language.
    @property({ attribute: false }) okLabel = 'OK';
    @query('dialog') private dialog!: HTMLDialogElement;
    private answer: ((value: string) => void) | null = null;
    // What Escape answers.
    private cancelValue = 'cancel';

    override createRenderRoot(): HTMLElement {
        return this;
    }

    override render() {
        return html`<dialog aria-labelledby="messageHeading" aria-describedby="messageText"
                @cancel=${(event: Event) => { event.preventDefault(); this.finish(this.cancelValue); }}>
            <h2 id="messageHeading">${this.heading}</h2>
            <p id="messageText" class="message">${this.message}</p>
            ${this.checkLabel ? html`<label><input type="checkbox" checked>${this.checkLabel}</label>` : nothing}
            <div class="buttons">${this.choices.map((choice) => html`<button type="button"
                data-value=${choice.value} @click=${() => this.finish(choice.value)}>${choice.label}</button>`)}</div>
        </dialog>`;
    }

    private async show(heading: string, message: string, choices: Choice[], checkLabel = ''): Promise<string> {
        this.answer?.('cancel');
        this.heading = heading;
        this.message = message;
        this.choices = choices;
        this.checkLabel = checkLabel;
        await this.updateComplete;
        const answered = new Promise<string>((resolve) => (this.answer = resolve));
        if (!this.dialog.open) {
            this.dialog.showModal();
        }
        this.dialog.querySelector<HTMLElement>('.buttons button')?.focus();
        return answered;
    }

    private finish(value: string): void {
        const answer = this.answer;
        this.answer = null;
        this.dialog.close();
        answer?.(value);
    }

    async tell(heading: string, message: string): Promise<void> {
        this.cancelValue = 'ok';
        await this.show(heading, message, [{ value: 'ok', label: this.okLabel }]);
    }

    async ask(message: string, choices: Choice[], cancelValue = 'cancel'): Promise<string> {
        this.cancelValue = cancelValue;
        return this.show('Vantrel', message, choices);
    }

    // Resolves to whether the check box was left ticked.
    async tip(heading: string, message: string, checkLabel: string, okLabel: string): Promise<boolean> {
        this.cancelValue = 'ok';
        await this.show(heading, message, [{ value: 'ok', label: okLabel || this.okLabel }], checkLabel);
        return this.dialog.querySelector<HTMLInputElement>('input[type="checkbox"]')?.checked ?? true;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'message-dialog': MessageDialog;
    }
}
