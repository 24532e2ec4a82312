// SPDX-License-Identifier: GPL-3.0-or-later
// The page names string-table entries by the core's names; their numbers must
// stay those of the core's UiString, or the page would show other texts.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { repoDir, webDir } from './harness.mjs';

test('every string the page names has the core\'s number', () => {
    const header = readFileSync(join(repoDir, 'src', 'core', 'i18n', 'BuiltinStrings.h'), 'utf8');
    const body = header.slice(header.indexOf('enum class UiString'));
    const core = new Map();
    let number = -1;
    for (const [, name, value] of body.slice(0, body.indexOf('};')).matchAll(/^\s*(\w+)\s*(?:=\s*(\d+))?,/gm)) {
        number = value === undefined ? number + 1 : Number(value);
        core.set(name, number);
    }
    const page = readFileSync(join(webDir, 'src', 'strings.ts'), 'utf8');
    const named = [...page.matchAll(/^\s*(\w+): (\d+),/gm)];
    assert.ok(named.length > 0);
    for (const [, name, value] of named) {
        assert.equal(core.get(name), Number(value), name);
    }
});
