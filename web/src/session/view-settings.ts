// SPDX-License-Identifier: GPL-3.0-or-later
// The View menu's two switches, kept in the page's storage ("1" while on),
// as the desktop keeps ShowCoverage and ShowByteInfo.
import type { ReactiveControllerHost } from 'lit';
import { pageStorage } from './page-storage';

function stored(key: string): boolean {
    return pageStorage.getItem(key) === '1';
}

export class ViewSettings {
    showCoverage = stored('ShowCoverage');
    showByteInfo = stored('ShowByteInfo');

    constructor(private readonly host: ReactiveControllerHost) {}

    toggleCoverage(): void {
        this.showCoverage = !this.showCoverage;
        pageStorage.setItem('ShowCoverage', this.showCoverage ? '1' : '0');
        this.host.requestUpdate();
    }

    toggleByteInfo(): void {
        this.showByteInfo = !this.showByteInfo;
        pageStorage.setItem('ShowByteInfo', this.showByteInfo ? '1' : '0');
        this.host.requestUpdate();
    }
}

// The page's lang for a Windows LCID, so a screen reader speaks with the right voice.
export function languageTag(lcid: number | null | undefined): string {
    const primary: Record<number, string> = { 0x04: 'zh', 0x09: 'en' };
    return lcid === null || lcid === undefined ? '' : primary[lcid & 0x3ff] ?? '';
}
