// SPDX-License-Identifier: GPL-3.0-or-later
// The outer-screen text and GPRS date text generators: a typed text becomes a
// new seem file, built by the session, which also says what the window tells
// of the text and what the file is called; the page only offers it to save.
import { LitElement, html, nothing } from 'lit';
import { customElement, query, state } from 'lit/decorators.js';
import { UiString, type GeneratedFile, type GprsMode, type Session } from '../session/core';

export type GeneratorKind = 'outertext' | 'gprs';

@customElement('generator-dialog')
export class GeneratorDialog extends LitElement {
    @state() private kind: GeneratorKind = 'outertext';
    @state() private text = '';
    @state() private mode: GprsMode = 'date';
    @state() private session: Session | null = null;
    @query('dialog') private dialog!: HTMLDialogElement;

    override createRenderRoot(): HTMLElement {
        return this;
    }

    async open(session: Session, kind: GeneratorKind): Promise<void> {
        this.session = session;
        this.kind = kind;
        if (kind === 'outertext') {
            this.text = session.outerTextPrefill();
        } else {
            ({ mode: this.mode, text: this.text } = session.gprsPrefill());
        }
        // Drawn anew: the language may have changed since it last showed.
        this.requestUpdate();
        await this.updateComplete;
        this.dialog.showModal();
        this.querySelector<HTMLInputElement>('input[type="text"]')?.focus();
    }

    private generated(session: Session): GeneratedFile {
        return this.kind === 'outertext' ? session.generateOuterText(this.text)
            : session.generateGprs(this.mode, this.text);
    }

    private save(): void {
        const file = this.generated(this.session!);
        this.dialog.close();
        this.dispatchEvent(new CustomEvent<GeneratedFile>('generated', { detail: file, bubbles: true }));
    }

    private renderOuterText(session: Session) {
        return html`<fieldset><legend>${session.caption('frmOuterText', 'Frame1')}</legend>
            <input type="text" aria-label=${session.caption('frmOuterText', 'Frame1')} .value=${this.text}
                @input=${(event: Event) => (this.text = (event.target as HTMLInputElement).value)}>
            <p class="hint">${session.caption('frmOuterText', 'lblTip')}</p></fieldset>`;
    }

    private renderGprs(session: Session) {
        const modes: [GprsMode, UiString][] = [['date', UiString.GprsAlwaysDate], ['nothing', UiString.GprsNothing],
            ['text', UiString.GprsCustomText]];
        return html`<fieldset><legend>${session.caption('frmGPRS', 'Frame1')}</legend>
            ${modes.map(([mode, label]) => html`<label><input type="radio" name="gprsMode" value=${mode}
                .checked=${this.mode === mode} @change=${() => (this.mode = mode)}>${session.label(label)}</label>`)}
            <input type="text" aria-label=${session.label(UiString.GprsCustomText)} .value=${this.text}
                ?disabled=${this.mode !== 'text'}
                @input=${(event: Event) => (this.text = (event.target as HTMLInputElement).value)}>
            <p class="hint">${session.caption('frmGPRS', 'Label1')}</p></fieldset>`;
    }

    override render() {
        const session = this.session;
        if (!session) {
            return html`<dialog></dialog>`;
        }
        const outer = this.kind === 'outertext';
        const window = outer ? 'frmOuterText' : 'frmGPRS';
        const { hint, warning } = this.generated(session);
        return html`<dialog aria-labelledby="generatorHeading">
            <h2 id="generatorHeading">${session.string(outer ? UiString.OuterTextTitle : UiString.GprsTitle)}</h2>
            ${outer ? this.renderOuterText(session) : this.renderGprs(session)}
            ${hint ? html`<p class=${warning ? 'hint warning' : 'hint'} aria-live="polite">${hint}</p>` : nothing}
            <div class="buttons">
                <button type="button" @click=${() => this.save()}>${session.caption(window, outer ? 'cmdSave' : 'Command1')}</button>
                <button type="button" @click=${() => this.dialog.close()}>${session.caption(window, outer ? 'cmdCancel' : 'Command2')}</button>
            </div>
        </dialog>`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'generator-dialog': GeneratorDialog;
    }
}
