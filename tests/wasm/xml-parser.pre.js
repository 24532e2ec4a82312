// SPDX-License-Identifier: GPL-3.0-or-later
// node has no DOMParser of its own; the core's XML back end gets the one a
// browser would give it from @xmldom/xmldom in tests/wasm/node_modules.
if (typeof DOMParser == "undefined")
    globalThis.DOMParser = require("@VANTREL_WASM_NODE_MODULES@/@xmldom/xmldom").DOMParser;
