// SPDX-License-Identifier: GPL-3.0-or-later
// The open file compared with another: the differences by setting as the core
// names them, each with a button that takes the other file's value.
import { LitElement, html, nothing } from 'lit';
import { customElement, property } from 'lit/decorators.js';
import type { Comparison, Session } from './core';
import { UiString } from './strings';

@customElement('compare-panel')
export class ComparePanel extends LitElement {
    @property({ attribute: false }) session: Session | null = null;
    @property({ attribute: false }) comparison: Comparison | null = null;
    @property({ attribute: false }) otherName = '';

    override createRenderRoot(): HTMLElement {
        return this;
    }

    private emit(name: string, detail: number): void {
        this.dispatchEvent(new CustomEvent<number>(name, { detail, bubbles: true }));
    }

    override render() {
        const session = this.session;
        const comparison = this.comparison;
        if (!session || !comparison) {
            return nothing;
        }
        const heading = session.string(UiString.DiffListCaption, [this.otherName]);
        return html`<section class="compare" aria-label=${heading}>
            <h2>${heading}</h2>
            ${comparison.bySettings ? nothing : html`<p class="hint">${comparison.reason}</p>`}
            ${comparison.differences.length === 0 ? html`<p>${session.string(UiString.DiffNone)}</p>` : html`
            <ul class="differences">
                ${comparison.differences.map((difference, index) => html`<li>
                    <button type="button" class="show" @click=${() => this.emit('difference-select', difference.firstCell)}>
                        <strong>${difference.name}</strong>: ${difference.ours} → ${difference.theirs}</button>
                    ${difference.canTake ? html`<button type="button" class="take" data-index=${index}
                        @click=${() => this.emit('take-other', index)}>${session.string(UiString.UndoTakeOther)}</button>` : nothing}
                </li>`)}
            </ul>`}
            <button type="button" @click=${() => this.dispatchEvent(new CustomEvent('compare-close', { bubbles: true }))}>
                ${session.caption('Form1', 'mnuCloseCompare')}</button>
        </section>`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'compare-panel': ComparePanel;
    }
}
