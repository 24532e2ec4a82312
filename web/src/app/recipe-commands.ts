// SPDX-License-Identifier: GPL-3.0-or-later
// The Tools menu's recipes: Export Settings and Export Changes store the
// core's recipe under the name it gives (the file's type ID) and say what the
// core says of it; Apply Settings opens the review.
import { UiString, type Session } from '../session/core';
import { download } from '../files/file-access';
import type { RecipeReviewDialog } from '../panels/recipe-review';
import '../panels/recipe-review';

export interface RecipeWindow {
    readonly session: Session | null;
    readonly recipeReview: RecipeReviewDialog;
    tell(text: string): Promise<void>;
}

export class RecipeCommands {
    constructor(private readonly window: RecipeWindow) {}

    private openSession(): Session | null {
        const session = this.window.session;
        return session?.fileOpen() ? session : null;
    }

    // Said afterwards, as on the desktop: here the file is a download by this name.
    async exportSettings(): Promise<void> {
        const session = this.openSession();
        if (session) {
            const name = session.recipeFileName();
            download(session.exportRecipe(), name, 'application/json');
            await this.window.tell(session.string(UiString.RecipeExported, [name]));
        }
    }

    // Only the settings changed since the file was opened; nothing is stored
    // when none has, and the cells no setting describes are named.
    async exportChanges(): Promise<void> {
        const session = this.openSession();
        if (!session) {
            return;
        }
        const { recipe, message } = session.exportChanges();
        if (recipe) {
            const name = session.recipeFileName();
            download(recipe, name, 'application/json');
            const exported = session.string(UiString.RecipeExported, [name]);
            await this.window.tell(message ? `${exported}\n${message.text}` : exported);
        } else if (message) {
            await this.window.tell(message.text);
        }
    }

    async applySettings(): Promise<void> {
        const session = this.openSession();
        if (session) {
            await this.window.recipeReview.open(session);
        }
    }
}
