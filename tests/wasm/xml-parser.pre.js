// SPDX-License-Identifier: GPL-3.0-or-later
// node has no DOMParser of its own; the core's XML back end gets the one a
// browser would give it from @xmldom/xmldom (NODE_PATH names this folder's node_modules).
if (typeof DOMParser == "undefined") globalThis.DOMParser = require("@xmldom/xmldom").DOMParser;
