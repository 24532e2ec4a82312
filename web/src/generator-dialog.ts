// SPDX-License-Identifier: GPL-3.0-or-later
// The outer-screen text and GPRS date text generators: a typed text becomes a
// new seem file, built by the core and handed over as a file to save.
import { LitElement, html, nothing } from 'lit';
import { customElement, query, state } from 'lit/decorators.js';
import type { GprsMode, Session } from './core';
import { UiString } from './strings';

export type GeneratorKind = 'outertext' | 'gprs';

export interface GeneratedFile {
    bytes: Uint8Array;
    kind: GeneratorKind;
}

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
        const doc = session.document;
        if (kind === 'outertext') {
            this.text = doc.isOpen() ? doc.outerTextPrefill() : '';
        } else {
            const prefill = doc.isOpen() ? doc.gprsPrefill() : { mode: 'date' as GprsMode, text: '' };
            this.mode = prefill.mode;
            this.text = prefill.text;
        }
        await this.updateComplete;
        this.dialog.showModal();
        this.querySelector<HTMLInputElement>('input[type="text"]')?.focus();
    }

    private save(): void {
        const core = this.session!.core;
        const bytes = this.kind === 'outertext' ? core.outerTextRecord(this.text) : core.gprsRecord(this.mode, this.text);
        this.dialog.close();
        this.dispatchEvent(new CustomEvent<GeneratedFile>('generated', { detail: { bytes, kind: this.kind }, bubbles: true }));
    }

    private renderOuterText(session: Session) {
        const info = session.core.outerTextInfo(this.text);
        return html`<fieldset><legend>${session.caption('frmOuterText', 'Frame1')}</legend>
            <input type="text" aria-label=${session.caption('frmOuterText', 'Frame1')} .value=${this.text}
                @input=${(event: Event) => (this.text = (event.target as HTMLInputElement).value)}>
            <p aria-live="polite">${info.cut ? session.string(UiString.OuterTextTooLong) + ' ' : ''}${
                session.string(UiString.OuterTextStored, [info.stored])}</p>
            <p class="hint">${session.caption('frmOuterText', 'lblTip')}</p></fieldset>`;
    }

    private renderGprs(session: Session) {
        const modes: [GprsMode, number][] = [['date', UiString.GprsAlwaysDate], ['nothing', UiString.GprsNothing],
            ['text', UiString.GprsCustomText]];
        return html`<fieldset><legend>${session.caption('frmGPRS', 'Frame1')}</legend>
            ${modes.map(([mode, label]) => html`<label><input type="radio" name="gprsMode" .checked=${this.mode === mode}
                @change=${() => (this.mode = mode)}>${session.string(label)}</label>`)}
            <input type="text" aria-label=${session.string(UiString.GprsCustomText)} .value=${this.text}
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
        return html`<dialog aria-labelledby="generatorHeading">
            <h2 id="generatorHeading">${session.string(outer ? UiString.OuterTextTitle : UiString.GprsTitle)}</h2>
            ${outer ? this.renderOuterText(session) : this.renderGprs(session)}
            <div class="buttons">
                <button type="button" @click=${() => this.save()}>${session.caption(window, outer ? 'cmdSave' : 'Command1')}</button>
                <button type="button" @click=${() => this.dialog.close()}>${session.caption(window, outer ? 'cmdCancel' : 'Command2')}</button>
            </div>
            ${nothing}
        </dialog>`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'generator-dialog': GeneratorDialog;
    }
}
