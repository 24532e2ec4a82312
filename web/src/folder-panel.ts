// SPDX-License-Identifier: GPL-3.0-or-later
// The seem folder's known files, one entry a kind of editor as the desktop's
// "Edit Seem Folder Files" menu offers them, and the result of comparing two
// folders.
import { LitElement, html, nothing } from 'lit';
import { customElement, property } from 'lit/decorators.js';
import type { Session } from './core';
import type { FolderDifference, FolderFile } from './seem-folder';
import { UiString } from './strings';

const kindControls: [string, string][] = [
    ['function', 'mnuFunction'], ['style', 'mnuStyle'], ['outertext', 'mnuOuterText'],
    ['gprs', 'mnuGPRS'], ['volume', 'mnuVolume'], ['color', 'mnuColor'],
];

export interface FolderComparisonResult {
    olderName: string;
    newerName: string;
    differences: FolderDifference[];
    onlyInOlder: string[];
    onlyInNewer: string[];
}

@customElement('folder-panel')
export class FolderPanel extends LitElement {
    @property({ attribute: false }) session: Session | null = null;
    @property({ attribute: false }) files: FolderFile[] | null = null;
    @property({ attribute: false }) folderName = '';
    @property({ attribute: false }) comparison: FolderComparisonResult | null = null;

    override createRenderRoot(): HTMLElement {
        return this;
    }

    private renderFiles(session: Session, files: FolderFile[]) {
        const heading = `${session.caption('Form1', 'mnuEditFunction')}: ${this.folderName}`;
        return html`<section class="seem-folder" aria-label=${heading}><h2>${heading}</h2>
            <ul>${kindControls.map(([kind, control]) => {
                // As in the desktop's scan, of several files of one kind the last one listed is offered.
                const file = files.filter((candidate) => candidate.kind === kind).pop();
                return html`<li><button type="button" data-kind=${kind} ?disabled=${!file}
                    @click=${() => file && this.dispatchEvent(new CustomEvent<FolderFile>('folder-open',
                        { detail: file, bubbles: true }))}>${session.caption('Form1', control)}</button>
                    ${file ? html`<span class="file-name">${file.name}</span>` : nothing}</li>`;
            })}</ul></section>`;
    }

    private renderComparison(session: Session, result: FolderComparisonResult) {
        const heading = session.string(UiString.ChangedFilesCaption, [result.olderName, result.newerName]);
        const same = result.differences.length === 0 && result.onlyInOlder.length === 0 && result.onlyInNewer.length === 0;
        return html`<section class="folder-comparison" aria-label=${heading}><h2>${heading}</h2>
            ${same ? html`<p>${session.string(UiString.FoldersSame)}</p>` : html`<ul>
                ${result.differences.map((file) => html`<li>
                    <details><summary>${session.string(UiString.ChangedFileLine,
                        [file.name, String(file.comparison.differences.length)])}</summary>
                        <ul>${file.comparison.differences.map((difference) => html`<li>
                            ${difference.name}: ${difference.ours} → ${difference.theirs}</li>`)}</ul>
                    </details></li>`)}
                ${result.onlyInOlder.map((name) => html`<li>${session.string(UiString.OnlyInFolder, [result.olderName, name])}</li>`)}
                ${result.onlyInNewer.map((name) => html`<li>${session.string(UiString.OnlyInFolder, [result.newerName, name])}</li>`)}
            </ul>`}</section>`;
    }

    override render() {
        const session = this.session;
        if (!session) {
            return nothing;
        }
        return html`${this.files ? this.renderFiles(session, this.files) : nothing}
            ${this.comparison ? this.renderComparison(session, this.comparison) : nothing}`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'folder-panel': FolderPanel;
    }
}
