// SPDX-License-Identifier: GPL-3.0-or-later
// Where the focus goes when the user closes a panel that held it: back to
// what had it when the panel was asked for, while that is on show. A menu's
// command is hidden with its menu by then: the page is told the focus was
// lost, and puts it back where it was before the menu, as the desktop does.

export function focusedElement(): HTMLElement | null {
    const active = document.activeElement;
    return active instanceof HTMLElement && active !== document.body ? active : null;
}

export function returnFocus(opener: HTMLElement | null, panel: HTMLElement): void {
    if (opener?.isConnected && opener.checkVisibility()) {
        opener.focus();
    } else {
        panel.dispatchEvent(new Event('focus-lost', { bubbles: true }));
    }
}

// Escape inside a panel closes it, unless something within took the key.
export function closesOnEscape(close: () => void): (event: KeyboardEvent) => void {
    return (event) => {
        if (event.key === 'Escape' && !event.defaultPrevented) {
            event.preventDefault();
            close();
        }
    };
}
