// SPDX-License-Identifier: GPL-3.0-or-later
// The window's menus: each a disclosure that opens a list of commands, with
// Up and Down between them and Left and Right to the neighbouring menu;
// Escape, Tab and a click elsewhere close it. What the
// commands are, and when each is enabled, the window says with the menus.
import { LitElement, html, nothing } from 'lit';
import { customElement, property } from 'lit/decorators.js';

export interface MenuCommand {
    // Names the command for tests and styles (the desktop's control name where it has one).
    control: string;
    label: string;
    action: () => unknown;
    enabled?: boolean;
    // A command that turns a view on or off shows its state.
    checked?: boolean;
}

export interface Menu {
    label: string;
    commands: MenuCommand[];
}

@customElement('menu-bar')
export class MenuBar extends LitElement {
    @property({ attribute: false }) menus: Menu[] = [];
    @property({ attribute: false }) label = '';

    override createRenderRoot(): HTMLElement {
        return this;
    }

    override connectedCallback(): void {
        super.connectedCallback();
        document.addEventListener('pointerdown', this.onPointerDown);
    }

    override disconnectedCallback(): void {
        document.removeEventListener('pointerdown', this.onPointerDown);
        super.disconnectedCallback();
    }

    private readonly onPointerDown = (event: PointerEvent): void => {
        for (const menu of this.querySelectorAll<HTMLDetailsElement>('details.menu[open]')) {
            if (!menu.contains(event.target as Node)) {
                menu.open = false;
            }
        }
    };

    private run(event: Event, command: MenuCommand): void {
        (event.target as HTMLElement).closest('details')?.removeAttribute('open');
        void command.action();
    }

    private onToggle(event: Event): void {
        const opened = event.target as HTMLDetailsElement;
        if (!opened.open) {
            return;
        }
        for (const menu of this.querySelectorAll<HTMLDetailsElement>('details.menu')) {
            if (menu !== opened) {
                menu.open = false;
            }
        }
        // The toggle event comes after keys typed at once: an item already
        // reached with the arrows keeps the focus.
        if (!opened.querySelector('[role="menu"]')?.contains(document.activeElement)) {
            opened.querySelector<HTMLElement>('[role^="menuitem"]:not([disabled])')?.focus();
        }
    }

    private onKeyDown(event: KeyboardEvent): void {
        const menu = (event.target as HTMLElement).closest<HTMLDetailsElement>('details.menu');
        if (!menu?.open) {
            return;
        }
        if (event.key === 'Escape') {
            menu.open = false;
            menu.querySelector('summary')?.focus();
            event.preventDefault();
            return;
        }
        if (event.key === 'Tab') {
            // Tab goes on from the menu's title, past the closed menu.
            menu.open = false;
            menu.querySelector('summary')?.focus();
            return;
        }
        if (event.key === 'ArrowLeft' || event.key === 'ArrowRight') {
            const menus = [...this.querySelectorAll<HTMLDetailsElement>('details.menu')];
            const step = event.key === 'ArrowRight' ? 1 : menus.length - 1;
            const neighbour = menus[(menus.indexOf(menu) + step) % menus.length];
            if (neighbour && neighbour !== menu) {
                event.preventDefault();
                menu.open = false;
                neighbour.querySelector('summary')?.focus();
                neighbour.open = true;
            }
            return;
        }
        if (event.key !== 'ArrowDown' && event.key !== 'ArrowUp') {
            return;
        }
        const items = [...menu.querySelectorAll<HTMLElement>('[role^="menuitem"]:not([disabled])')];
        const position = items.indexOf(event.target as HTMLElement);
        const next = items[(position + (event.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length];
        if (next) {
            event.preventDefault();
            next.focus();
        }
    }

    private renderCommand(command: MenuCommand) {
        const checkable = command.checked !== undefined;
        return html`<button type="button" role=${checkable ? 'menuitemcheckbox' : 'menuitem'}
            data-control=${command.control} ?disabled=${command.enabled === false}
            aria-checked=${checkable ? String(command.checked) : nothing}
            @click=${(event: Event) => this.run(event, command)}>${command.checked ? '✓ ' : ''}${command.label}</button>`;
    }

    override render() {
        // A details element's toggle does not bubble: the menu bar listens while it is captured.
        return html`<nav class="menus" aria-label=${this.label} @keydown=${this.onKeyDown}
            @toggle=${{ handleEvent: (event: Event) => this.onToggle(event), capture: true }}>
            ${this.menus.map((menu) => html`<details class="menu"><summary>${menu.label}</summary>
                <div role="menu" aria-label=${menu.label}>${menu.commands.map((command) => this.renderCommand(command))}</div>
            </details>`)}
        </nav>`;
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'menu-bar': MenuBar;
    }
}
