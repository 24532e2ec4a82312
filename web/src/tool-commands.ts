// SPDX-License-Identifier: GPL-3.0-or-later
// The Tools menu's recipes, File > Open Definitions and the language menu:
// each hands the session what the user chose and shows its answer.
import { loadLanguageDefinitions, UiString } from './core';
import { download } from './file-access';
import type { FileCommands } from './file-commands';
import type { MessageDialog } from './message-dialog';
import type { SessionController } from './session-controller';

// The file a file input's change chose; the input is emptied, so choosing the
// same file again is a change too.
export function takeChosenFile(event: Event): File | undefined {
    const input = event.target as HTMLInputElement;
    const file = input.files?.[0];
    input.value = '';
    return file;
}

export class ToolCommands {
    constructor(private readonly controller: SessionController, private readonly files: FileCommands,
        private readonly dialog: () => MessageDialog) {}

    exportSettings(): void {
        const session = this.controller.session;
        if (session?.fileOpen()) {
            const name = session.fileNameToSave().replace(/\.[^.]*$/, '');
            download(session.exportRecipe(), `${name}.json`, 'application/json');
        }
    }

    // Shows what the recipe would change and applies it when the user agrees.
    async applySettings(event: Event): Promise<void> {
        const file = takeChosenFile(event);
        const session = this.controller.session;
        if (!file || !session?.fileOpen()) {
            return;
        }
        const recipe = await file.slice(0, 1 << 20).text();
        try {
            const preview = session.applyRecipe(recipe, { dryRun: true, anyName: true });
            if (preview.changes.length === 0) {
                await this.files.tell(session.string(UiString.RecipeUnchanged));
                return;
            }
            const count = preview.changes.length;
            const answer = await this.dialog().ask(
                `${session.plural(UiString.RecipeApplied, count, [String(count)])}\n${preview.changes.join('\n')}`,
                [{ value: 'apply', label: session.label(UiString.UndoApplySettings) },
                    { value: 'cancel', label: session.label(UiString.ButtonCancel) }]);
            if (answer === 'apply') {
                session.applyRecipe(recipe, { anyName: true });
            }
        } catch (error) {
            await this.files.showError(error);
        }
    }

    async useDefinitions(event: Event): Promise<void> {
        const file = takeChosenFile(event);
        const session = this.controller.session;
        if (!file || !session) {
            return;
        }
        try {
            session.loadDefinitions(await file.slice(0, 4 << 20).text(), file.name);
        } catch (error) {
            await this.files.showError(error);
        }
    }

    // The language menu: the open file stays, matched in the new language's definitions.
    async chooseLanguage(index: number): Promise<void> {
        const session = this.controller.session;
        if (!session || index === session.languageIndex()) {
            return;
        }
        try {
            session.chooseLanguage(index);
            await loadLanguageDefinitions(session);
        } catch (error) {
            await this.files.showError(error);
        }
        this.controller.refresh();
    }
}
