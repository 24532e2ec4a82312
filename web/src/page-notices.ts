// SPDX-License-Identifier: GPL-3.0-or-later
// The notices above the document: a draft of unsaved changes left by an
// earlier visit, to restore or discard, and a new version of the page that
// waits for the user's Reload. A new version never takes over by itself, so
// an open document never runs on under another version's files.
import { LitElement, html, nothing } from 'lit';
import { customElement, property, state } from 'lit/decorators.js';
import { UiString, type Session } from './core';
import type { DraftKeeper } from './draft-keeper';
import type { Draft } from './draft-store';

@customElement('page-notices')
export class PageNotices extends LitElement {
    @property({ attribute: false }) session: Session | null = null;
    @property({ attribute: false }) drafts: DraftKeeper | null = null;
    // The keeper's offered draft, passed on so that a change renders.
    @property({ attribute: false }) offer: Draft | null = null;
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

    override render() {
        const { session, offer } = this;
        if (!session) {
            return nothing;
        }
        return html`${offer ? html`<section class="page-notice" aria-labelledby="draftNotice">
                <p id="draftNotice" role="alert">Unsaved changes to ${offer.name} from ${this.when(offer.time)}</p>
                <button type="button" data-action="restore" @click=${() => this.drafts?.restore()}>Restore</button>
                <button type="button" data-action="discard" @click=${() => this.drafts?.discard()}>Discard</button>
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
