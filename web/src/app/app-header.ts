// SPDX-License-Identifier: GPL-3.0-or-later
// The page's header: the menu bar, the language list, and Open with the name
// of the open file beside it.
import { html, nothing } from 'lit';
import { guard } from 'lit/directives/guard.js';
import { appMenus, type MenuWindow } from './app-menus';
import type { Session } from '../session/core';
import { takeChosenFile } from './tool-commands';

export function renderHeader(session: Session, window: MenuWindow) {
    const { controller, files, tools, view } = window;
    const { file } = controller;
    // The menus are built again only when something they show has changed.
    const menuState = [session.caption('Form1', 'mnuFile'), file.open, controller.history, window.chosenSwitch?.on,
        window.comparing, view.showCoverage, view.showByteInfo, controller.tipsOn, files.recent, files.reloadable];
    return html`<header>
        <menu-bar .menus=${guard(menuState, () => appMenus(session, window))} .label=${'Vantrel'}></menu-bar>
        <label class="language">${session.caption('Form1', 'mnuLanguage')}
            <select @change=${(event: Event) => tools.chooseLanguage(Number((event.target as HTMLSelectElement).value))}>
                ${controller.languages.map((language, index) => html`<option value=${index}
                    ?selected=${index === controller.languageIndex}>${language.caption}</option>`)}
            </select></label>
        <div class="file-input">
            <button type="button" @click=${() => files.pick()}>${session.caption('Form1', 'mnuOpen')}</button>
            ${file.open ? html`<span class="file-name">${file.name}</span>` : nothing}
            <input id="fileInput" type="file" hidden accept=".seem,.bin,application/octet-stream"
                @change=${(event: Event) => files.openChosen(takeChosenFile(event))}></div>
    </header>`;
}
