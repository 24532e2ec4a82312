// SPDX-License-Identifier: GPL-3.0-or-later
// The notices above the document: the drafts of unsaved changes left by
// earlier visits or other tabs, each to restore or discard; storage that
// refuses the open document's draft; and a new version of the page that
// waits for the user's Reload. A new version never takes over by itself, so
// an open document never runs on under another version's files.
import { LitElement, html, nothing } from 'lit';
import { customElement, property, state } from 'lit/decorators.js';
import { UiString, type Session } from '../session/core';
import type { DraftKeeper } from './draft-keeper';
import type { Draft } from './draft-store';

@customElement('page-notices')
export class PageNotices extends LitElement {
    @property({ attribute: false }) session: Session | null = null;
    @property({ attribute: false }) drafts: DraftKeeper | null = null;
    // The keeper's offered drafts, passed on so that a change renders.
    @property({ attribute: false }) offers: Draft[] = [];
    // The keeper could not store the open document's draft.
    @property({ type: Boolean }) refused = false;
    // A new version's worker, installed and waiting.
    @state() private waiting: ServiceWorker | null = null;

    override createRenderRoot(): HTMLElement {
        return this;
    }

    override connectedCallback(): void {
        super.connectedCallback();
        if ('serviceWorker' in navigator) {
            void navigator.serviceWorker.ready.then((registration) => this.watch(registration)).catch(() => undefined);
        }
    }

    private watch(registration: ServiceWorkerRegistration): void {
        // Only a worker that would replace the one in charge is a new version.
        const offer = (worker: ServiceWorker | null) => {
            if (worker && navigator.serviceWorker.controller) {
                this.waiting = worker;
            }
        };
        offer(registration.waiting);
        registration.addEventListener('updatefound', () => {
            const worker = registration.installing;
            worker?.addEventListener('statechange', () => offer(worker.state === 'installed' ? worker : null));
        });
    }

    private async reload(): Promise<void> {
        const worker = this.waiting;
        if (!worker) {
            return;
        }
        await this.drafts?.keepForReload();
        if (worker.state === 'activated') {
            // Another tab let it in already.
            location.reload();
            return;
        }
        navigator.serviceWorker.addEventListener('controllerchange', () => location.reload(), { once: true });
        worker.postMessage('skip-waiting');
    }

    private when(time: number): string {
        const lang = document.documentElement.lang || undefined;
        return new Date(time).toLocaleString(lang, { dateStyle: 'medium', timeStyle: 'short' });
    }

    private renderOffer(draft: Draft, at: number) {
        const id = at === 0 ? 'draftNotice' : `draftNotice${at + 1}`;
        return html`<section class="page-notice draft-notice" aria-labelledby=${id}>
            <p id=${id} role="alert">Unsaved changes to ${draft.name} from ${this.when(draft.time)}</p>
            <button type="button" data-action="restore" @click=${() => this.drafts?.restore(draft)}>Restore</button>
            <button type="button" data-action="discard" @click=${() => this.drafts?.discard(draft)}>Discard</button>
        </section>`;
    }

    override render() {
        const { session, offers } = this;
        if (!session) {
            return nothing;
        }
        return html`${offers.map((draft, at) => this.renderOffer(draft, at))}
            ${this.refused ? html`<section class="page-notice" aria-labelledby="draftsRefused">
                <p id="draftsRefused" role="alert">${session.string(UiString.DraftsNotKept)}</p>
            </section>` : nothing}
            ${this.waiting ? html`<section class="page-notice" aria-labelledby="updateNotice">
                <p id="updateNotice" role="alert">A new version is ready.</p>
                <button type="button" data-action="reload" @click=${() => this.reload()}>
                    ${session.label(UiString.ButtonReload)}</button>
            </section>` : nothing}`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'page-notices': PageNotices;
    }
}
