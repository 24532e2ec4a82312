// SPDX-License-Identifier: GPL-3.0-or-later
// About, with the desktop's captions and the build's version.
import { LitElement, html, nothing } from 'lit';
import { customElement, query, state } from 'lit/decorators.js';
import { UiString, type ProjectInfo, type Session } from '../session/core';

@customElement('about-dialog')
export class AboutDialog extends LitElement {
    @state() private session: Session | null = null;
    @state() private project: ProjectInfo = { version: '', website: '', forum: '' };
    @query('dialog') private dialog!: HTMLDialogElement;

    override createRenderRoot(): HTMLElement {
        return this;
    }

    async show(session: Session, project: ProjectInfo): Promise<void> {
        this.session = session;
        this.project = project;
        this.requestUpdate();
        await this.updateComplete;
        this.dialog.showModal();
        this.querySelector<HTMLButtonElement>('.buttons button')?.focus();
    }

    // As on the desktop, a click anywhere but on the link closes the window.
    private onClick(event: MouseEvent): void {
        if (!(event.target as HTMLElement).closest('a')) {
            this.dialog.close();
        }
    }

    override render() {
        const session = this.session;
        if (!session) {
            return html`<dialog></dialog>`;
        }
        const caption = (control: string) => session.caption('frmAbout', control);
        const project = this.project;
        return html`<dialog class="about" aria-labelledby="aboutHeading" @click=${this.onClick}>
            <h2 id="aboutHeading">${session.string(UiString.AboutTitle)}</h2>
            <fieldset><legend>${caption('Frame1')}</legend>
                <p class="name">${caption('Label1')}</p>
                <p>V ${project.version}</p>
                <p>${caption('Label2')}</p>
                <p>${caption('Label3')}</p>
                ${project.website && project.forum ? html`<p>${caption('Label4')}
                    <a href=${project.forum} target="_blank" rel="noopener">${project.website}</a></p>` : nothing}
            </fieldset>
            <div class="buttons"><button type="button">${caption('cmdClose')}</button></div>
        </dialog>`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'about-dialog': AboutDialog;
    }
}
