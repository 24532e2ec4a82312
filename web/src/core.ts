// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the WebAssembly core, the language file and the definitions the page
// runs on. Everything the page decides is asked of the core; this file only
// fetches the page's own data files and hands their text over.
import type createVantrelCore from '../../src/wasm/vantrel-core';
import type { Document, Language, VantrelCore } from '../../src/wasm/vantrel-core';

export type * from "../../src/wasm/vantrel-core";

type Factory = typeof createVantrelCore;

const languageKey = 'language';

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

export async function loadCore(): Promise<VantrelCore> {
    const module = (await import(/* @vite-ignore */ pageUrl('core/vantrel-core.js'))) as { default: Factory };
    return module.default({ locateFile: (path) => pageUrl(`core/${path}`) });
}

// The system's language as the desktop takes it from the locale: the first of
// the browser's languages the core knows an LCID for.
function systemLcid(core: VantrelCore): number | null {
    for (const name of navigator.languages ?? [navigator.language]) {
        const lcid = core.lcidForLocale(name);
        if (lcid !== null) {
            return lcid;
        }
    }
    return null;
}

function storedLanguage(): number | null {
    const stored = localStorage.getItem(languageKey);
    return stored !== null && /^\d+$/.test(stored) ? Number(stored) : null;
}

// The open language and the text of its file, so the choice can change later.
export class Session {
    language: Language;

    private constructor(
        readonly core: VantrelCore,
        readonly document: Document,
        private readonly languageXml: string,
        language: Language,
    ) {
        this.language = language;
    }

    static async start(): Promise<Session> {
        const core = await loadCore();
        const languageXml = await fetchText('data/language.xml');
        const language = new core.Language(languageXml, {
            index: storedLanguage(),
            systemLcid: systemLcid(core),
        });
        core.setLanguage(language);
        const session = new Session(core, new core.Document(), languageXml, language);
        await session.loadLanguageDefinitions();
        return session;
    }

    string(n: number, args?: string[]): string {
        return this.core.uiString(n, args);
    }

    // A caption from language.xml without its access-key marker.
    caption(window: string, control: string): string {
        return (this.language.caption(window, control) ?? '').replace(/&(.)/g, '$1');
    }

    async chooseLanguage(index: number): Promise<void> {
        const language = new this.core.Language(this.languageXml, { index });
        this.core.setLanguage(language);
        this.language.delete();
        this.language = language;
        localStorage.setItem(languageKey, String(language.index));
        await this.loadLanguageDefinitions();
    }

    // Another document on the same definitions (the other side of a comparison).
    newDocument(): Document {
        const other = new this.core.Document();
        other.loadDefinitions(this.definitionsText, this.definitionsName);
        return other;
    }

    // A definitions document of the user's own; the document keeps its old
    // definitions (and this throws the core's message) when it cannot be used.
    useDefinitions(text: string, name: string): void {
        this.document.loadDefinitions(text, name);
        this.definitionsText = text;
        this.definitionsName = name;
    }

    private definitionsText = '';
    private definitionsName = '';

    private async loadLanguageDefinitions(): Promise<void> {
        const file = this.language.languages()[this.language.index]?.definitionsFile ?? '';
        const text = await fetchText(`data/${file}`);
        this.document.loadDefinitions(text, file);
        this.definitionsText = text;
        this.definitionsName = file;
    }
}
