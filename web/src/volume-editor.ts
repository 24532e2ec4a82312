// SPDX-License-Identifier: GPL-3.0-or-later
// The volume sliders, each with its value and bounds, and the button that
// puts every volume back to its default.
import { LitElement, html } from 'lit';
import { customElement, property } from 'lit/decorators.js';
import type { Session, VolumeItem } from './core';

@customElement('volume-editor')
export class VolumeEditor extends LitElement {
    @property({ attribute: false }) items: VolumeItem[] = [];
    @property({ attribute: false }) session: Session | null = null;

    override createRenderRoot(): HTMLElement {
        return this;
    }

    private change(item: VolumeItem, event: Event): void {
        const position = Number((event.target as HTMLInputElement).value);
        if (position !== item.position) {
            this.dispatchEvent(new CustomEvent('volume-change', { detail: { row: item.row, position }, bubbles: true }));
        }
    }

    override render() {
        const session = this.session;
        if (!session) {
            return html``;
        }
        return html`<fieldset class="volumes"><legend>${session.caption('Form1', 'frameVolume')}</legend>
            ${this.items.map((item) => html`<div class="volume" data-row=${item.row}>
                <label for="volume${item.row}">${item.caption}</label>
                <span class="bound" aria-hidden="true">${item.min}</span>
                <input id="volume${item.row}" type="range" min=${item.min} max=${item.max} step="1"
                    .value=${String(item.position)} aria-valuetext=${String(item.stored)}
                    @focus=${() => this.dispatchEvent(new CustomEvent('item-select',
                        { detail: { cell: item.cell, tip: item.tip }, bubbles: true }))}
                    @input=${(event: Event) => this.change(item, event)}>
                <span class="bound" aria-hidden="true">${item.max}</span>
                <output for="volume${item.row}">${item.stored < 0 ? '?' : item.stored}</output>
            </div>`)}
            <button type="button" @click=${() => this.dispatchEvent(new CustomEvent('volume-reset', { bubbles: true }))}>
                ${session.caption('Form1', 'cmdReset')}</button>
        </fieldset>`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'volume-editor': VolumeEditor;
    }
}
