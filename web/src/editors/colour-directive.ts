// SPDX-License-Identifier: GPL-3.0-or-later
// Sets an element's colours through the CSS object model. A style attribute
// would be inline style, which the page's Content Security Policy refuses.
import { nothing, noChange, type ElementPart } from 'lit';
import { Directive, PartType, directive, type PartInfo } from 'lit/directive.js';

class PaintDirective extends Directive {
    constructor(part: PartInfo) {
        super(part);
        if (part.type !== PartType.ELEMENT) {
            throw new Error('paint() belongs on an element');
        }
    }

    render(_styles: Record<string, string>) {
        return nothing;
    }

    override update(part: ElementPart, [styles]: [Record<string, string>]) {
        const style = (part.element as HTMLElement).style;
        for (const [name, value] of Object.entries(styles)) {
            style.setProperty(name, value);
        }
        return noChange;
    }
}

export const paint = directive(PaintDirective);
