// SPDX-License-Identifier: GPL-3.0-or-later
// The page's TypeScript, checked with the type information the compiler has
// (typescript-eslint's type-checked rules).
import tseslint from 'typescript-eslint';

export default tseslint.config(
    { ignores: ['dist/', 'src/generated/', 'tests/', 'tools/', 'eslint.config.mjs', 'vite.config.*'] },
    ...tseslint.configs.recommendedTypeChecked,
    {
        languageOptions: {
            parserOptions: { projectService: true, tsconfigRootDir: import.meta.dirname },
        },
        rules: {
            // Lit calls the listeners of a template (@click=${this.onClick}) with
            // the element as `this`.
            '@typescript-eslint/unbound-method': 'off',
            // A Lit directive's render() names the values it is given, used or not.
            '@typescript-eslint/no-unused-vars': ['error', { argsIgnorePattern: '^_' }],
        },
    },
);
