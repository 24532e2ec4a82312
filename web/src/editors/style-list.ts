// SPDX-License-Identifier: GPL-3.0-or-later
// The style check list: one check box a screen style.
import { LitElement, html } from 'lit';
import { customElement, property } from 'lit/decorators.js';
import { repeat } from 'lit/directives/repeat.js';
import type { StyleRow } from '../session/core';
import { editEvent } from './edit-event';

@customElement('style-list')
export class StyleList extends LitElement {
    @property({ attribute: false }) rows: StyleRow[] = [];
    @property({ attribute: false }) revision = 0;
    @property({ attribute: false }) label = '';

    override createRenderRoot(): HTMLElement {
        return this;
    }

    private select(row: StyleRow): void {
        this.dispatchEvent(new CustomEvent('item-select', { detail: { cell: row.cell, tip: row.tip }, bubbles: true }));
    }

    override render() {
        return html`<fieldset class="style-list"><legend>${this.label}</legend>
            ${repeat(this.rows, (row) => row.key, (row) => html`<label data-key=${row.key}>
                <input type="checkbox" .checked=${row.on} @focus=${() => this.select(row)}
                    @change=${(event: Event) => {
                        const box = event.target as HTMLInputElement;
                        // The box shows what the session answers.
                        box.checked = row.on;
                        this.dispatchEvent(editEvent((session) => session.setStyle(row.key, !row.on)));
                    }}>${row.text}</label>`)}
        </fieldset>`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'style-list': StyleList;
    }
}
