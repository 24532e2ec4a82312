// SPDX-License-Identifier: GPL-3.0-or-later
// The window's menus: each command with its caption (the session's, with the
// design caption where the language file has none) and its enabling rule,
// written beside it. "A file is open" is the session's one answer.
import { UiString, type FunctionNode, type Session } from '../session/core';
import { canPickFiles } from '../files/file-access';
import type { FileCommands } from '../files/file-commands';
import type { FindCommands } from './find-commands';
import type { GeneratorKind } from '../dialogs/generator-dialog';
import type { Menu, MenuCommand } from './menu-bar';
import type { RecipeCommands } from './recipe-commands';
import type { SessionController } from '../session/session-controller';
import type { ToolCommands } from './tool-commands';
import type { ViewSettings } from '../session/view-settings';

// What the menus do beyond the file and tool commands.
export interface MenuWindow {
    readonly controller: SessionController;
    readonly files: FileCommands;
    readonly tools: ToolCommands;
    readonly recipes: RecipeCommands;
    readonly chosenSwitch: FunctionNode | null;
    readonly comparing: boolean;
    readonly view: ViewSettings;
    edit(action: (session: Session) => unknown): void;
    goToOffset(): Promise<void>;
    readonly find: FindCommands;
    findInFolder(): void;
    compare(): void;
    closeComparison(): void;
    suggestDefinitions(): void;
    openGenerator(kind: GeneratorKind): Promise<void>;
    chooseSeemFolder(): void;
    compareFolders(): void;
    chooseFile(inputId: string): void;
    about(): void;
}

// The page's own help, at the part in the page's language.
function helpAddress(): string {
    return document.documentElement.lang.startsWith('zh') ? 'help.html#zh' : 'help.html';
}

// The files opened last, numbered as the window numbers them; where the
// browser keeps handles and none is kept yet, a line that says so.
function recentCommands(session: Session, files: FileCommands): MenuCommand[] {
    if (!canPickFiles()) {
        return [];
    }
    if (files.recent.length === 0) {
        return [{ control: 'recentNone', label: session.label(UiString.RecentFilesEmpty), action: () => undefined,
            enabled: false }];
    }
    return files.recent.map((recent, index) => ({
        control: `recent${index}`, label: `${index + 1} ${recent.name}`, action: () => files.openRecent(recent),
    }));
}

export function appMenus(session: Session, window: MenuWindow): Menu[] {
    const { controller, files, recipes } = window;
    const open = controller.file.open;
    const chosen = window.chosenSwitch;
    const command = (control: string, action: () => unknown, enabled = true,
        label = session.caption('Form1', control)): MenuCommand => ({ control, label, action, enabled });
    return [
        // Comparing, folders and settings files are under File, where the window has them.
        { label: session.caption('Form1', 'mnuFile'), commands: [
            command('mnuOpen', () => files.pick()),
            command('mnuReload', () => files.reload(), open && files.reloadable),
            command('mnuSave', () => files.save(), open),
            command('mnuSaveAs', () => files.saveAs(), open),
            command('mnuCompare', () => window.compare(), open),
            command('mnuCloseCompare', () => window.closeComparison(), window.comparing),
            command('mnuSuggestDefinitions', () => window.suggestDefinitions(), window.comparing,
                session.label(UiString.SuggestDefinitions)),
            command('compareFolders', () => window.compareFolders(), true, session.label(UiString.MenuCompareFolders)),
            command('exportSettings', () => recipes.exportSettings(), open, session.label(UiString.MenuExportSettings)),
            command('exportChanges', () => recipes.exportChanges(), open, session.label(UiString.MenuExportChanges)),
            command('applySettings', () => recipes.applySettings(), open, session.label(UiString.MenuApplySettings)),
            command('mnuClose', () => files.close(), open),
            command('mnuDefinitions', () => window.chooseFile('definitionsInput'), true,
                session.caption('web', 'mnuDefinitions')),
            ...recentCommands(session, files),
        ] },
        { label: session.caption('Form1', 'mnuEdit'), commands: [
            command('undo', () => window.edit((s) => s.undo()), controller.history.canUndo, controller.history.undo),
            command('redo', () => window.edit((s) => s.redo()), controller.history.canRedo, controller.history.redo),
            command('mnuOnOff', () => chosen && window.edit((s) => s.toggleSwitch(chosen.key)), chosen !== null,
                session.label(chosen?.on ? UiString.SwitchOff : UiString.SwitchOn)),
            command('mnuGoTo', () => window.goToOffset(), open, session.label(UiString.GoToOffsetMenu)),
            command('mnuFind', () => window.find.open(), open, session.label(UiString.FindMenu)),
            command('mnuFindNext', () => window.find.step(true), open, session.label(UiString.FindNext)),
            command('mnuFindPrevious', () => window.find.step(false), open, session.label(UiString.FindPrevious)),
        ] },
        { label: session.label(UiString.ViewMenu), commands: [
            { ...command('coverage', () => window.view.toggleCoverage(), true, session.label(UiString.ShowCoverage)),
                checked: window.view.showCoverage },
            { ...command('byteInfo', () => window.view.toggleByteInfo(), true, session.label(UiString.WhatIsThisByte)),
                checked: window.view.showByteInfo },
        ] },
        { label: session.caption('Form1', 'mnuTools'), commands: [
            command('mnuSetOuterText', () => window.openGenerator('outertext')),
            command('mnuSetGPRS', () => window.openGenerator('gprs')),
            command('mnuSetFolder', () => window.chooseSeemFolder()),
            command('mnuFindInFolder', () => window.findInFolder(), true, session.label(UiString.FindInFolderMenu)),
        ] },
        { label: session.caption('Form1', 'mnuHelp'), commands: [
            command('mnuHelpTopic', () => globalThis.open(helpAddress(), '_blank', 'noopener')),
            command('mnuAbout', () => window.about()),
            { ...command('mnuShowTip', () => controller.setTipsOn(!controller.tipsOn)), checked: controller.tipsOn },
        ] },
    ];
}
