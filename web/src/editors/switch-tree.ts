// SPDX-License-Identifier: GPL-3.0-or-later
// The function switch tree: an ARIA tree whose switches carry aria-checked.
// Folders and switches alike may hold switches; any node with children opens
// and closes. A click or Space on a switch asks for it to be toggled; the
// session does it and pushes the new value, which the tree shows. While the
// file is compared with another, the switches that differ are marked, and so
// are the nodes above them, so a closed folder still shows what it holds.
import { LitElement, html, nothing, type PropertyValues, type TemplateResult } from 'lit';
import { customElement, property, state } from 'lit/decorators.js';
import { repeat } from 'lit/directives/repeat.js';
import type { FunctionNode } from '../session/core';

@customElement('switch-tree')
export class SwitchTree extends LitElement {
    @property({ attribute: false }) root: FunctionNode | null = null;
    // Changes whenever a value in the tree changed.
    @property({ attribute: false }) revision = 0;
    @property({ attribute: false }) label = '';
    // A switch's accessible name with its state ("Sound: on"): Orca in
    // Chromium speaks a tree item's name, not its aria-checked.
    @property({ attribute: false }) switchLabel: (name: string, on: boolean) => string = (name) => name;
    // The switches that differ from the compared file, each with that file's value.
    @property({ attribute: false }) differing: ReadonlyMap<string, string> = new Map();
    // What a differing switch says of the other file's value, in its name and its tooltip.
    @property({ attribute: false }) otherValueLabel: (value: string) => string = (value) => value;
    @state() private focusedKey = '_root';
    private collapsed = new Set<string>();
    // The nodes with a differing switch somewhere below them.
    private holdingDifferences = new Set<string>();
    // The focused switch's state, said again when it changes while the tree
    // has the keys: Orca in Chromium says nothing when a focused tree item's
    // aria-checked changes.
    @state() private stateSaid = '';
    private focusedState: { key: string; on: boolean } | null = null;

    override createRenderRoot(): HTMLElement {
        return this;
    }

    override render() {
        if (!this.root) {
            return nothing;
        }
        return html`<ul class="tree" role="tree" aria-label=${this.label}
            @keydown=${this.onKeyDown} @click=${this.onClick} @focusin=${this.onFocusIn}>
            ${this.renderNode(this.root, 1)}</ul><span class="spoken" aria-live="polite">${this.stateSaid}</span>`;
    }

    override willUpdate(changed: PropertyValues<this>): void {
        this.followFocusedState(changed.has('root'));
        if (changed.has('differing') || changed.has('root')) {
            this.holdingDifferences = new Set();
            const walk = (node: FunctionNode, above: string[]) => {
                if (this.differing.has(node.key)) {
                    above.forEach((key) => this.holdingDifferences.add(key));
                }
                node.children.forEach((child) => walk(child, [...above, node.key]));
            };
            if (this.root && this.differing.size > 0) {
                walk(this.root, []);
            }
        }
    }

    private followFocusedState(newRoot: boolean): void {
        const node = this.visibleNodes().find((candidate) => candidate.key === this.focusedKey);
        const last = this.focusedState;
        const held = this.contains(document.activeElement);
        if (!newRoot && held && node?.kind === 'switch' && last?.key === node.key && last.on !== node.on) {
            this.stateSaid = this.switchLabel(node.text, node.on);
        } else if (newRoot || last?.key !== node?.key) {
            // Emptied as the focus moves on, so the same words said again later are a change.
            this.stateSaid = '';
        }
        this.focusedState = node?.kind === 'switch' ? { key: node.key, on: node.on } : null;
    }

    private nodeClass(node: FunctionNode, differs: boolean): string {
        const kind = node.kind === 'switch' ? `switch ${node.on ? 'on' : 'off'}` : 'folder';
        return `${kind}${differs ? ' differs' : ''}${this.holdingDifferences.has(node.key) ? ' holds-differences' : ''}`;
    }

    private isOpen(node: FunctionNode): boolean {
        return node.children.length > 0 && !this.collapsed.has(node.key);
    }

    private renderNode(node: FunctionNode, level: number): TemplateResult {
        const isSwitch = node.kind === 'switch';
        const opens = node.children.length > 0;
        const open = this.isOpen(node);
        const other = this.differing.get(node.key);
        const otherValue = other === undefined ? '' : this.otherValueLabel(other);
        // The other file's value is said with the name: Orca speaks a tree item's name.
        const name = isSwitch ? this.switchLabel(node.text, node.on) : '';
        return html`<li role="treeitem" aria-level=${level} data-key=${node.key}
                tabindex=${node.key === this.focusedKey ? 0 : -1}
                aria-checked=${isSwitch ? String(node.on) : nothing}
                aria-label=${isSwitch ? (otherValue ? `${name}. ${otherValue}` : name) : nothing}
                aria-expanded=${opens ? String(open) : nothing}
                class=${this.nodeClass(node, other !== undefined)}>
            <span class="label" title=${otherValue || nothing}>${node.children.length > 0 && isSwitch
                ? html`<span class="twisty" aria-hidden="true">${open ? '▾' : '▸'}</span>` : nothing}<span
                class="icon" aria-hidden="true"></span>${node.text}</span>
            ${open ? html`<ul role="group">${repeat(node.children, (child) => child.key,
                (child) => this.renderNode(child, level + 1))}</ul>` : nothing}
        </li>`;
    }

    // The nodes a reader can reach now, top to bottom.
    private visibleNodes(): FunctionNode[] {
        const nodes: FunctionNode[] = [];
        const walk = (node: FunctionNode) => {
            nodes.push(node);
            if (this.isOpen(node)) {
                node.children.forEach(walk);
            }
        };
        if (this.root) {
            walk(this.root);
        }
        return nodes;
    }

    private parentOf(key: string): FunctionNode | null {
        const find = (node: FunctionNode): FunctionNode | null => {
            for (const child of node.children) {
                if (child.key === key) {
                    return node;
                }
                const found = find(child);
                if (found) {
                    return found;
                }
            }
            return null;
        };
        return this.root ? find(this.root) : null;
    }

    private focusNode(node: FunctionNode | undefined | null): void {
        if (!node) {
            return;
        }
        this.focusedKey = node.key;
        this.dispatchEvent(new CustomEvent<FunctionNode>('node-select', { detail: node, bubbles: true }));
        void this.updateComplete.then(() => {
            this.querySelector<HTMLElement>(`li[data-key="${CSS.escape(node.key)}"]`)?.focus();
        });
    }

    // A node found by a search: the folders above it opened, chosen, in view,
    // and given the keyboard focus when asked.
    async reveal(key: string, folders: string[], focus: boolean): Promise<void> {
        folders.forEach((folder) => this.collapsed.delete(folder));
        const node = this.visibleNodes().find((candidate) => candidate.key === key);
        if (!node) {
            return;
        }
        this.focusedKey = key;
        this.dispatchEvent(new CustomEvent<FunctionNode>('node-select', { detail: node, bubbles: true }));
        await this.updateComplete;
        const item = this.querySelector<HTMLElement>(`li[data-key="${CSS.escape(key)}"]`);
        (item?.querySelector(':scope > .label') ?? item)?.scrollIntoView({ block: 'nearest', inline: 'nearest' });
        if (focus) {
            item?.focus({ preventScroll: true });
        }
    }

    private setExpanded(node: FunctionNode, expanded: boolean): void {
        if (expanded) {
            this.collapsed.delete(node.key);
        } else {
            this.collapsed.add(node.key);
        }
        this.requestUpdate();
    }

    private toggle(node: FunctionNode): void {
        if (node.kind === 'switch') {
            this.dispatchEvent(new CustomEvent<string>('switch-toggle', { detail: node.key, bubbles: true }));
        } else {
            this.setExpanded(node, this.collapsed.has(node.key));
        }
    }

    private nodeAt(target: EventTarget | null): FunctionNode | null {
        const key = (target as HTMLElement | null)?.closest?.<HTMLElement>('li[role="treeitem"]')?.dataset['key'];
        return key === undefined ? null : this.visibleNodes().find((node) => node.key === key) ?? null;
    }

    private onFocusIn(event: FocusEvent): void {
        const node = this.nodeAt(event.target);
        if (node && node.key !== this.focusedKey) {
            this.focusNode(node);
        }
    }

    // A click on a switch's twisty opens or closes it; anywhere else on a
    // switch toggles it, on a folder opens or closes it.
    private onClick(event: MouseEvent): void {
        const node = this.nodeAt(event.target);
        if (!node) {
            return;
        }
        this.focusNode(node);
        if ((event.target as HTMLElement).closest('.twisty')) {
            this.setExpanded(node, !this.isOpen(node));
        } else {
            this.toggle(node);
        }
    }

    private onKeyDown(event: KeyboardEvent): void {
        const node = this.nodeAt(event.target);
        if (!node || event.altKey || event.ctrlKey || event.metaKey) {
            return;
        }
        const nodes = this.visibleNodes();
        const position = nodes.findIndex((item) => item.key === node.key);
        const open = this.isOpen(node);
        const closed = node.children.length > 0 && !open;
        const keys: Record<string, () => void> = {
            ArrowDown: () => this.focusNode(nodes[position + 1]),
            ArrowUp: () => this.focusNode(nodes[position - 1]),
            Home: () => this.focusNode(nodes[0]),
            End: () => this.focusNode(nodes[nodes.length - 1]),
            ArrowRight: () => (open ? this.focusNode(node.children[0]) : closed && this.setExpanded(node, true)),
            ArrowLeft: () => (open ? this.setExpanded(node, false) : this.focusNode(this.parentOf(node.key))),
            ' ': () => this.toggle(node),
            Enter: () => this.toggle(node),
        };
        const action = keys[event.key];
        if (action) {
            event.preventDefault();
            action();
        }
    }
}

declare global {
    interface HTMLElementTagNameMap {
        'switch-tree': SwitchTree;
    }
}
