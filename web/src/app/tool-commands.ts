// SPDX-License-Identifier: GPL-3.0-or-later
// File > Open Definitions and the language menu: each hands the session what
// the user chose and shows its answer.
import { loadLanguageDefinitions, UiString } from '../session/core';
import type { FileCommands } from '../files/file-commands';
import type { SessionController } from '../session/session-controller';

// The largest definitions document the page reads; a larger one is refused
// before any of it is read, never cut and then called malformed.
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
    constructor(private readonly controller: SessionController, private readonly files: FileCommands) {}

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
