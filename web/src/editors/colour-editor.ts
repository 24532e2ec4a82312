// SPDX-License-Identifier: GPL-3.0-or-later
// The colour scheme editor: the entries with their swatches, the chosen
// entry's sliders, #RRGGBB box and transparency, the scheme title and a
// preview of the phone screen painted in the scheme's colours.
import { LitElement, html, nothing } from 'lit';
import { customElement, property, state } from 'lit/decorators.js';
import { paint } from './colour-directive';
import { UiString, type ColorEntry, type EditorModel, type Session } from '../session/core';
import { editEvent, type Edit } from './edit-event';

type ColorModel = Extract<EditorModel, { kind: 'color' }>;

function channels(rgb: string): [number, number, number] {
    const value = Number.parseInt(rgb.replace('#', ''), 16) || 0;
    return [(value >> 16) & 0xff, (value >> 8) & 0xff, value & 0xff];
}

@customElement('colour-editor')
export class ColourEditor extends LitElement {
    @property({ attribute: false }) model: ColorModel | null = null;
    @property({ attribute: false }) revision = 0;
    @property({ attribute: false }) session: Session | null = null;
    @state() private chosenKey = '';

    override createRenderRoot(): HTMLElement {
        return this;
    }

    private edit(action: Edit): void {
        this.dispatchEvent(editEvent(action));
    }

    private entries(): ColorEntry[] {
        return this.model?.groups.flatMap((group) => group.entries) ?? [];
    }

    private chosen(): ColorEntry | undefined {
        const entries = this.entries();
        return entries.find((entry) => entry.key === this.chosenKey) ?? entries[0];
    }

    private choose(entry: ColorEntry): void {
        this.chosenKey = entry.key;
        this.dispatchEvent(new CustomEvent('item-select', {
            detail: { cell: entry.cell, tip: entry.caption, cells: 4 }, bubbles: true,
        }));
    }

    // The chosen entry's cells are the grid's current place, as on the desktop.
    override updated(): void {
        const entry = this.chosen();
        if (entry && entry.key !== this.chosenKey) {
            this.choose(entry);
        }
    }

    private roleColour(role: string, fallback: string): string {
        return this.entries().find((entry) => entry.role === role)?.rgb ?? fallback;
    }

    private renderPreview(session: Session) {
        const colour = (role: string, fallback: string) => this.roleColour(role, fallback);
        return html`<figure class="phone-preview" role="img" aria-label=${session.string(UiString.ColorPreview)}>
            <div class="screen" ${paint({ background: colour('background', '#ffffff'), color: colour('text', '#000000') })}>
                <div class="title" ${paint({ background: colour('title-background', '#1f4e79'), color: colour('title-text', '#ffffff') })}>
                    ${this.model?.title ?? ''}</div>
                <div class="menu" ${paint({ background: colour('menu-background', '#ffffff'), color: colour('menu-text', '#000000') })}>
                    <div class="item" ${paint({ background: colour('menu-highlight', colour('highlight', '#3366cc')), color: colour('menu-highlight-text', colour('highlight-text', '#ffffff')) })}>1 ▸ ◼◼◼◼</div>
                    <div class="item">2 ▸ ◼◼◼</div>
                    <div class="item">3 ▸ ◼◼◼◼◼</div>
                    <div class="scrollbar" ${paint({ background: colour('scrollbar', '#999999') })}></div>
                </div>
                <div class="softkeys" ${paint({ background: colour('softkey-background', '#dddddd'), color: colour('softkey-text', '#000000') })}>
                    <span>◼◼</span><span>◼◼◼</span></div>
            </div>
        </figure>`;
    }

    private renderPanel(session: Session, entry: ColorEntry) {
        const values = channels(entry.rgb);
        const names = [UiString.AccessibleRed, UiString.AccessibleGreen, UiString.AccessibleBlue];
        const labels = ['lblR', 'lblG', 'lblB'];
        const endGesture = () => this.edit((s) => s.endGesture());
        return html`<fieldset class="colour-panel"><legend>${session.caption('Form1', 'frameColor')}: ${entry.caption}</legend>
            ${values.map((value, channel) => html`<div class="channel">
                <label for="channel${channel}" aria-label=${session.string(names[channel] ?? UiString.AccessibleRed)}>${
                    session.caption('Form1', labels[channel] ?? '')}</label>
                <input id="channel${channel}" type="range" min="0" max="255" .value=${String(value)}
                    @input=${(event: Event) => {
                        const shift = 16 - 8 * channel;
                        const rgb = (Number.parseInt(entry.rgb.slice(1), 16) & ~(0xff << shift))
                            | (Number((event.target as HTMLInputElement).value) << shift);
                        // One drag of one slider is one undo step.
                        this.edit((s) => s.setColor(entry.key, rgb, `channel${channel}`));
                    }} @change=${endGesture}>
                <output for="channel${channel}">${value}</output></div>`)}
            <div class="row"><label for="colourHex">${session.caption('Form1', 'lblHex')}</label>
                <input id="colourHex" type="text" size="8" .value=${entry.rgb}
                    @change=${(event: Event) => this.edit((s) => s.setColorText(entry.key, (event.target as HTMLInputElement).value))}>
                <input type="color" aria-label=${session.caption('Form1', 'cmdChooseColor')} .value=${entry.rgb.toLowerCase()}
                    @change=${(event: Event) => this.edit((s) => s.setColorText(entry.key, (event.target as HTMLInputElement).value))}>
                <span class="swatch big" ${paint({ background: entry.rgb })}></span></div>
            <div class="row"><label for="transparency">${session.caption('Form1', 'lblT')}</label>
                <input id="transparency" type="text" size="4" .value=${String(entry.transparency)}
                    @change=${(event: Event) => {
                        const box = event.target as HTMLInputElement;
                        this.edit((s) => {
                            box.value = s.setTransparencyText(entry.key, box.value) ?? box.value;
                        });
                    }}>
                <span>${session.caption('Form1', 'lblPercent')}</span></div>
        </fieldset>`;
    }

    override render() {
        const session = this.session;
        const model = this.model;
        if (!session || !model) {
            return nothing;
        }
        const entry = this.chosen();
        return html`<div class="colour-editor">
            <div class="entries" role="radiogroup" aria-label=${session.string(UiString.AccessibleColorTree)}>
                ${model.groups.map((group) => html`<fieldset><legend>${group.caption}</legend>
                    ${group.entries.map((item) => html`<label data-key=${item.key}>
                        <input type="radio" name="colourEntry" .checked=${item.key === entry?.key}
                            aria-description=${session.string(UiString.AccessibleColorEntry,
                                [item.rgb.toUpperCase(), String(item.transparency)])}
                            @change=${() => this.choose(item)} @focus=${() => this.choose(item)}>
                        <span class="swatch" ${paint({ background: item.rgb })}></span>${item.caption}</label>`)}
                </fieldset>`)}
            </div>
            ${entry ? this.renderPanel(session, entry) : nothing}
            ${model.hasTitle ? html`<div class="row title-row"><label for="schemeTitle">${session.caption('Form1', 'lblColorName')}</label>
                <input id="schemeTitle" type="text" size="8" .value=${model.title}>
                <button type="button" @click=${() => {
                    const title = this.querySelector<HTMLInputElement>('#schemeTitle')?.value ?? '';
                    this.edit((s) => s.setTitle(title));
                }}>${session.caption('Form1', 'cmdChangeName')}</button></div>` : nothing}
            ${this.renderPreview(session)}
        </div>`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'colour-editor': ColourEditor;
    }
}
