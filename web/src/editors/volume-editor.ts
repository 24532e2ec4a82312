// SPDX-License-Identifier: GPL-3.0-or-later
// The volume sliders, each with its value and bounds, and the button that
// puts every volume back to its default. A drag is one undo step, ended when
// the slider lets go.
import { LitElement, html } from 'lit';
import { customElement, property } from 'lit/decorators.js';
import type { Session, VolumeItem } from '../session/core';
import { editEvent } from './edit-event';

@customElement('volume-editor')
export class VolumeEditor extends LitElement {
    @property({ attribute: false }) items: VolumeItem[] = [];
    @property({ attribute: false }) revision = 0;
    @property({ attribute: false }) session: Session | null = null;

    override createRenderRoot(): HTMLElement {
        return this;
    }

    private move(item: VolumeItem, event: Event): void {
        const position = Number((event.target as HTMLInputElement).value);
        if (position !== item.position) {
            this.dispatchEvent(editEvent((session) => session.setVolume(item.key, position, 'slider')));
        }
    }

    override render() {
        const session = this.session;
        if (!session) {
            return html``;
        }
        return html`<fieldset class="volumes"><legend>${session.caption('Form1', 'frameVolume')}</legend>
            ${this.items.map((item) => html`<div class="volume" data-key=${item.key}>
                <label for="volume-${item.key}">${item.caption}</label>
                <span class="bound" aria-hidden="true">${item.min}</span>
                <input id="volume-${item.key}" type="range" min=${item.min} max=${item.max} step="1"
                    .value=${String(item.position)} aria-valuetext=${String(item.stored)}
                    @focus=${() => this.dispatchEvent(new CustomEvent('item-select',
                        { detail: { cell: item.cell, tip: item.tip }, bubbles: true }))}
                    @input=${(event: Event) => this.move(item, event)}
                    @change=${() => this.dispatchEvent(editEvent((s) => s.endGesture()))}>
                <span class="bound" aria-hidden="true">${item.max}</span>
                <output for="volume-${item.key}">${item.stored < 0 ? '?' : item.stored}</output>
            </div>`)}
            <button type="button" @click=${() => this.dispatchEvent(editEvent((s) => s.resetVolumes()))}>
                ${session.caption('Form1', 'cmdReset')}</button>
        </fieldset>`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'volume-editor': VolumeEditor;
    }
}
