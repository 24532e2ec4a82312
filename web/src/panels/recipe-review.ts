// SPDX-License-Identifier: GPL-3.0-or-later
// Apply Settings: a recipe chosen as a file or pasted as text, looked over
// entry by entry before the ticked entries are applied as one undo step. The
// core reviews the recipe and words every row, tick box and refusal; the
// window shows them and hands back which rows stay ticked.
import { LitElement, html, nothing } from 'lit';
import { customElement, query, state } from 'lit/decorators.js';
import { UiString, type RecipeReview, type Session } from '../session/core';
import { focusedElement, returnFocus } from './panel-focus';

// The most of a chosen file the core is handed: one byte past the largest
// recipe, so a larger one is refused in the core's words without being read whole.
export const largestRecipeRead = (1 << 20) + 1;

@customElement('recipe-review')
export class RecipeReviewDialog extends LitElement {
    @state() private session: Session | null = null;
    @state() private review: RecipeReview | null = null;
    @state() private ticked: boolean[] = [];
    @state() private source = '';
    @state() private problem = '';
    @query('dialog') private dialog!: HTMLDialogElement;
    @query('textarea') private pasteBox!: HTMLTextAreaElement;
    @query('input[type="file"]') private fileInput!: HTMLInputElement;
    private opener: HTMLElement | null = null;

    override createRenderRoot(): HTMLElement {
        return this;
    }

    // Opens empty, the file button first: the user chooses a file or pastes.
    async open(session: Session): Promise<void> {
        this.opener = focusedElement();
        this.session = session;
        this.review = null;
        this.ticked = [];
        this.source = '';
        this.problem = '';
        // Drawn anew: the language may have changed since it last showed.
        this.requestUpdate();
        await this.updateComplete;
        this.pasteBox.value = '';
        this.dialog.showModal();
        this.querySelector<HTMLElement>('button.choose-file')?.focus();
    }

    private show(recipe: Uint8Array | string, source: string): void {
        const session = this.session!;
        this.problem = '';
        this.source = source;
        try {
            this.review = session.reviewRecipe(recipe);
            this.ticked = this.review.rows.map((row) => row.ticked);
        } catch (error) {
            this.review = null;
            this.problem = error instanceof Error ? error.message : String(error);
        }
    }

    private async onFileChosen(): Promise<void> {
        const file = this.fileInput.files?.[0];
        this.fileInput.value = '';
        if (file) {
            const bytes = new Uint8Array(await file.slice(0, largestRecipeRead).arrayBuffer());
            this.pasteBox.value = '';
            this.show(bytes, file.name);
        }
    }

    private onPaste(): void {
        const text = this.pasteBox.value;
        if (text.trim()) {
            this.show(text, '');
        } else {
            this.review = null;
            this.problem = '';
        }
    }

    private apply(): void {
        const chosen = this.ticked.flatMap((on, row) => (on ? [row] : []));
        try {
            this.session!.applyReviewed(chosen);
            this.close();
        } catch (error) {
            this.problem = error instanceof Error ? error.message : String(error);
        }
    }

    private close(): void {
        this.dialog.close();
        this.review = null;
        returnFocus(this.opener, this);
    }

    private setTicked(row: number, on: boolean): void {
        this.ticked = this.ticked.map((value, index) => (index === row ? on : value));
    }

    private renderReview(session: Session, review: RecipeReview) {
        // A file's refusal names it, as every refused file is named.
        const named = this.source ? `${this.source}: ` : '';
        if (review.refusal !== null) {
            return html`<p class="message refusal" role="alert">${named}${review.refusal}</p>`;
        }
        if (review.refused.length > 0) {
            return html`<div role="alert"><p>${named}${session.string(UiString.RecipeRefused)}</p>
                <ul class="refused">${review.refused.map((line) => html`<li>${line}</li>`)}</ul></div>`;
        }
        return html`<p class="hint" id="reviewHint">${session.string(UiString.RecipeReviewHint)}</p>
            <ul class="review-rows" aria-describedby="reviewHint">${review.rows.map((row, index) => html`<li
                data-setting=${row.setting}><label><input type="checkbox" aria-label=${row.tickName}
                .checked=${this.ticked[index] ?? false}
                @change=${(event: Event) => this.setTicked(index, (event.target as HTMLInputElement).checked)}>
                <span>${row.text}${row.mark ? html`<span class="mark">${row.mark}</span>` : nothing}</span></label></li>`)}</ul>`;
    }

    override render() {
        const session = this.session;
        if (!session) {
            return html`<dialog></dialog>`;
        }
        const review = this.review;
        const canApply = review !== null && review.canApply && review.rows.length > 0;
        return html`<dialog aria-labelledby="recipeReviewHeading"
                @cancel=${(event: Event) => { event.preventDefault(); this.close(); }}>
            <h2 id="recipeReviewHeading">${session.string(UiString.UndoApplySettings)}</h2>
            <div class="recipe-source">
                <button type="button" class="choose-file" @click=${() => this.fileInput.click()}>${
                    session.caption('web', 'cmdChooseRecipe')}</button>
                ${this.source ? html`<span class="file-name">${this.source}</span>` : nothing}
                <input type="file" accept=".json,application/json,text/plain" hidden @change=${this.onFileChosen}>
            </div>
            <label class="paste">${session.string(UiString.RecipePasteLabel)}
                <textarea rows="3" spellcheck="false" autocomplete="off" @input=${this.onPaste}></textarea></label>
            ${review ? this.renderReview(session, review) : nothing}
            ${this.problem ? html`<p class="message refusal" role="alert">${this.problem}</p>` : nothing}
            <div class="buttons">
                <button type="button" class="apply" ?disabled=${!canApply} @click=${this.apply}>${
                    session.label(UiString.UndoApplySettings)}</button>
                <button type="button" @click=${this.close}>${session.label(UiString.ButtonCancel)}</button>
            </div>
        </dialog>`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'recipe-review': RecipeReviewDialog;
    }
}
