// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the WebAssembly core and starts the page's one session on the
// language file; the session's types and string ids are the contract
// generated with the core (src/generated/, see tools/contract.mjs). This file
// only fetches the page's own data files and hands their text over.
import type createVantrelCore from '../generated/vantrel-core';
import type { Session, VantrelCore } from '../generated/vantrel-core';
import { pageStorage } from './page-storage';

export type * from '../generated/vantrel-core';
export { UiString } from '../generated/ui-strings.js';

type Factory = typeof createVantrelCore;

function pageUrl(path: string): string {
    return new URL(path, document.baseURI).href;
}

export async function fetchText(path: string): Promise<string> {
    const response = await fetch(pageUrl(path));
    if (!response.ok) {
        throw new Error(`${path}: ${response.status} ${response.statusText}`);
    }
    return response.text();
}

async function loadCore(): Promise<VantrelCore> {
    const module = (await import(/* @vite-ignore */ pageUrl('core/vantrel-core.js'))) as { default: Factory };
    return module.default({ locateFile: (path) => pageUrl(`core/${path}`) });
}

// The system's language as the desktop takes it from the locale: the first of
// the browser's languages the core knows an LCID for.
function systemLcid(core: VantrelCore): number | undefined {
    for (const name of navigator.languages ?? [navigator.language]) {
        const lcid = core.lcidForLocale(name);
        if (lcid !== null) {
            return lcid;
        }
    }
    return undefined;
}

export interface Started {
    core: VantrelCore;
    session: Session;
}

// The session keeps its settings ("language", "ShowTip") in the page's
// storage, as the desktop keeps them in its settings.
export async function startSession(): Promise<Started> {
    const core = await loadCore();
    const lcid = systemLcid(core);
    const session = new core.Session(await fetchText('data/language.xml'),
        lcid === undefined ? {} : { systemLcid: lcid }, pageStorage);
    return { core, session };
}

// The definitions document the chosen language names, loaded into the session.
export async function loadLanguageDefinitions(session: Session): Promise<void> {
    const file = session.languages()[session.languageIndex()]?.definitionsFile ?? '';
    session.loadDefinitions(await fetchText(`data/${file}`), file);
}
