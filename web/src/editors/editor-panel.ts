// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the editor of the open file's type and passes its edits to the
// session as commands on the setting's key; the session pushes the new values
// back. A refused edit comes back as an "edit-failed" event.
import { LitElement, html, nothing } from 'lit';
import { customElement, property } from 'lit/decorators.js';
import { UiString, type EditorModel, type FoundSetting, type Session } from '../session/core';
import type { Edit } from './edit-event';
import './colour-editor';
import './style-list';
import type { SwitchTree } from './switch-tree';
import './switch-tree';
import './volume-editor';

@customElement('editor-panel')
export class EditorPanel extends LitElement {
    @property({ attribute: false }) session: Session | null = null;
    @property({ attribute: false }) model: EditorModel = { kind: 'none', complete: true };
    // Changes whenever a value of the model changed.
    @property({ attribute: false }) revision = 0;
    // The settings that differ from a compared file, each with that file's value.
    @property({ attribute: false }) differing: ReadonlyMap<string, string> = new Map();

    override createRenderRoot(): HTMLElement {
        return this;
    }

    private edit(action: Edit): void {
        if (!this.session) {
            return;
        }
        try {
            action(this.session);
        } catch (error) {
            this.dispatchEvent(new CustomEvent<unknown>('edit-failed', { detail: error, bubbles: true }));
        }
    }

    // A setting a search found: chosen and brought into view in its editor,
    // with the keyboard focus when asked (the find bar keeps it while typing).
    async showFound(found: FoundSetting, focus: boolean): Promise<void> {
        await this.updateComplete;
        const tree = this.querySelector<SwitchTree>('switch-tree');
        if (tree) {
            await tree.reveal(found.key, found.folders, focus);
            return;
        }
        for (const marked of this.querySelectorAll('.found-setting')) {
            marked.classList.remove('found-setting');
        }
        const item = this.querySelector<HTMLElement>(`[data-key="${CSS.escape(found.key)}"]`);
        if (!item) {
            return;
        }
        item.classList.add('found-setting');
        item.scrollIntoView({ block: 'nearest', inline: 'nearest' });
        if (focus) {
            (item.querySelector<HTMLElement>('input, button, select') ?? item).focus({ preventScroll: true });
        }
    }

    private onEdit(event: CustomEvent<Edit>): void {
        this.edit(event.detail);
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
            return html`${incomplete}<switch-tree .root=${model.root} .revision=${this.revision}
                .label=${session.string(UiString.AccessibleFunctionTree)}
                .switchLabel=${(name: string, on: boolean) =>
                    session.string(on ? UiString.AccessibleSwitchOn : UiString.AccessibleSwitchOff, [name])}
                .differing=${this.differing}
                .otherValueLabel=${(value: string) => session.string(UiString.DiffTooltip, [value])}
                @switch-toggle=${(event: CustomEvent<string>) => this.edit((s) => s.toggleSwitch(event.detail))}>
                </switch-tree>`;
        case 'style':
            return html`${incomplete}<style-list .rows=${model.rows} .revision=${this.revision}
                .label=${session.string(UiString.AccessibleStyleList)} @edit=${this.onEdit}></style-list>`;
        case 'volume':
            return html`${incomplete}<volume-editor .items=${model.items} .revision=${this.revision}
                .session=${session} @edit=${this.onEdit}></volume-editor>`;
        case 'color':
            return html`${incomplete}<colour-editor .model=${model} .revision=${this.revision} .session=${session}
                @edit=${this.onEdit}></colour-editor>`;
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
