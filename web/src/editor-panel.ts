// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the editor of the open file's type and carries its edits to the
// document; a refused edit comes back as an "edit-failed" event.
import { LitElement, html, nothing } from 'lit';
import { customElement, property } from 'lit/decorators.js';
import type { Session } from './core';
import type { EditorModel } from './core';
import { UiString } from './strings';
import type { SwitchToggleDetail } from './switch-tree';
import './colour-editor';
import './style-list';
import './switch-tree';
import './volume-editor';

@customElement('editor-panel')
export class EditorPanel extends LitElement {
    @property({ attribute: false }) session: Session | null = null;
    @property({ attribute: false }) model: EditorModel = { kind: 'none', complete: true };

    override createRenderRoot(): HTMLElement {
        return this;
    }

    private edit(action: (session: Session) => void): void {
        if (!this.session) {
            return;
        }
        try {
            action(this.session);
        } catch (error) {
            this.dispatchEvent(new CustomEvent<unknown>('edit-failed', { detail: error, bubbles: true }));
        }
    }

    override render() {
        const session = this.session;
        const model = this.model;
        if (!session) {
            return nothing;
        }
        const incomplete = model.complete ? nothing
            : html`<p class="warning" role="note">${session.string(UiString.EditorIncomplete)}</p>`;
        switch (model.kind) {
        case 'function':
            return html`${incomplete}<switch-tree .root=${model.root}
                .label=${session.string(UiString.AccessibleFunctionTree)}
                @switch-toggle=${(event: CustomEvent<SwitchToggleDetail>) =>
                    this.edit((s) => s.document.setSwitch(event.detail.key, event.detail.on))}></switch-tree>`;
        case 'style':
            return html`${incomplete}<style-list .rows=${model.rows}
                .label=${session.string(UiString.AccessibleStyleList)}
                @style-toggle=${(event: CustomEvent<SwitchToggleDetail>) =>
                    this.edit((s) => s.document.setStyle(event.detail.key, event.detail.on))}></style-list>`;
        case 'volume':
            return html`${incomplete}<volume-editor .items=${model.items} .session=${session}
                @volume-change=${(event: CustomEvent<{ row: number; position: number }>) =>
                    this.edit((s) => s.document.setVolume(event.detail.row, event.detail.position))}
                @volume-reset=${() => this.edit((s) => s.document.resetVolumes())}></volume-editor>`;
        case 'color':
            return html`${incomplete}<colour-editor .model=${model} .session=${session}
                @colour-edit=${(event: CustomEvent<(session: Session) => void>) => this.edit(event.detail)}>
                </colour-editor>`;
        default:
            return nothing;
        }
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'editor-panel': EditorPanel;
    }
}
