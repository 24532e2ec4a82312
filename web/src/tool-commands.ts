// SPDX-License-Identifier: GPL-3.0-or-later
// The Tools menu's recipes, File > Open Definitions and the language menu:
// each hands the session what the user chose and shows its answer.
import { loadLanguageDefinitions, UiString } from './core';
import { download } from './file-access';
import type { FileCommands } from './file-commands';
import type { MessageDialog } from './message-dialog';
import type { SessionController } from './session-controller';

// The largest recipe and definitions document the page reads; a larger one is
// refused before any of it is read, never cut and then called malformed.
const largestRecipe = 1 << 20;
const largestDefinitions = 4 << 20;

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

    // Said afterwards, as on the desktop: here the file is a download by this name.
    async exportSettings(): Promise<void> {
        const session = this.controller.session;
        if (session?.fileOpen()) {
            const name = `${session.fileNameToSave().replace(/\.seem$/i, '')}.json`;
            download(session.exportRecipe(), name, 'application/json');
            await this.files.tell(session.string(UiString.RecipeExported, [name]));
        }
    }

    // Shows what the recipe would change and applies it when the user agrees.
    async applySettings(event: Event): Promise<void> {
        const file = takeChosenFile(event);
        const session = this.controller.session;
        if (!file || !session?.fileOpen()) {
            return;
        }
        try {
            this.refuseIfTooLarge(file, largestRecipe);
            // The core decodes the bytes (a byte-order mark, UTF-16) as the command line does.
            const recipe = new Uint8Array(await file.arrayBuffer());
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

    private refuseIfTooLarge(file: File, largest: number): void {
        const session = this.controller.session;
        if (session && file.size > largest) {
            const count = (n: number) => n.toLocaleString('en');
            throw new Error(session.string(UiString.ReadFailed,
                [file.name, `it is too large (${count(file.size)} bytes; at most ${count(largest)})`]));
        }
    }

    async useDefinitions(event: Event): Promise<void> {
        const file = takeChosenFile(event);
        const session = this.controller.session;
        if (!file || !session) {
            return;
        }
        try {
            this.refuseIfTooLarge(file, largestDefinitions);
            session.loadDefinitions(await file.text(), file.name, true);
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
