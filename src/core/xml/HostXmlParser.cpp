// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly back end: the JavaScript host's DOMParser (a browser's own,
// or under node one a test installs, such as @xmldom/xmldom's). The host walks
// its document and hands back the elements as one string of tokens.
#include "core/xml/XmlTree.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <string>

// Tokens separated by NUL (which no XML text can hold): "ok", or "error",
// message, line; then "<name" starts an element, "=name" and the next token
// are an attribute, ">" ends the element.
// clang-format off
EM_JS(char*, hostParseXml, (const char* text, int length, int* outLength), {
    var bytes = HEAPU8.subarray(text, text + length);
    var encoding = "utf-8";
    if (length >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) encoding = "utf-16le";
    else if (length >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) encoding = "utf-16be";
    var tokens;
    try {
        if (typeof DOMParser == "undefined")
            throw new Error("this JavaScript host has no XML parser (DOMParser)");
        var source = new TextDecoder(encoding).decode(bytes);
        // A browser's parser expands declared entities without bound, and a
        // small file that repeats a large one brings the whole page down; no
        // file Vantrel reads declares any, so such a file is refused unparsed.
        var doctype = source.indexOf("<!DOCTYPE");
        var entity = doctype < 0 ? -1 : source.indexOf("<!ENTITY", doctype);
        if (entity >= 0) {
            var entityError = new Error("its DOCTYPE declares entities (<!ENTITY), which Vantrel does not read");
            entityError.refusedUnparsed = true;
            throw entityError;
        }
        var problems = [];
        var problemLine = 0;
        var note = function(level, message, context) {
            if (level == "warning") return;
            problems.push(String(message));
            if (!problemLine && context && context.locator) problemLine = context.locator.lineNumber;
        };
        // @xmldom/xmldom reports through onError; browsers ignore it and mark the document.
        var parser = new DOMParser({ onError: note });
        var doc = parser.parseFromString(source, "application/xml");
        var marks = doc.getElementsByTagName("parsererror");
        for (var i = 0; i < marks.length; ++i) {
            var ns = marks[i].namespaceURI;
            if (ns != "http://www.w3.org/1999/xhtml" && ns != "http://www.mozilla.org/newlayout/xml/parsererror.xml")
                continue;
            // Only the parser's reason and where, not the page it would show around them.
            var reason = marks[i].getElementsByTagName("div")[0];
            var said = (reason || marks[i]).textContent;
            var where = /line ([0-9]+) at column ([0-9]+): (.*)/.exec(said);
            if (where) {
                problems.push(where[3].trim() + ", column " + where[2]);
                if (!problemLine) problemLine = Number(where[1]);
            } else {
                problems.push(said);
            }
        }
        if (problems.length) throw new Error(problems[0]);
        tokens = ["ok"];
        var root = doc.documentElement;
        var firstElement = function(node) {
            while (node && node.nodeType != 1) node = node.nextSibling;
            return node;
        };
        var start = function(node) {
            tokens.push("<" + node.nodeName);
            var attributes = node.attributes;
            for (var i = 0; i < attributes.length; ++i) {
                var attribute = attributes.item(i);
                tokens.push("=" + attribute.name, attribute.value);
            }
        };
        if (root) {
            var node = root;
            start(node);
            walk: while (true) {
                var child = firstElement(node.firstChild);
                if (child) { node = child; start(node); continue; }
                while (true) {
                    tokens.push(">");
                    if (node === root) break walk;
                    var sibling = firstElement(node.nextSibling);
                    if (sibling) { node = sibling; start(node); break; }
                    node = node.parentNode;
                }
            }
        }
    } catch (e) {
        var message = String(e && e.message || e).trim();
        var line = /line[^0-9]{0,3}([0-9]+)/i.exec(message);
        var known = e && e.refusedUnparsed ? 0
            : problemLine || (e && e.locator && e.locator.lineNumber) || (line ? line[1] : 0);
        tokens = ["error", message.split("\n")[0], String(known || 0)];
    }
    var joined = tokens.join(String.fromCharCode(0));
    var size = lengthBytesUTF8(joined);
    var result = _malloc(size + 1);
    stringToUTF8(joined, result, size + 1);
    HEAP32[outLength >> 2] = size;
    return result;
});
// clang-format on

namespace vantrel {

XmlParseResult parseXmlText(std::string_view text, XmlTree& tree) {
    int length = 0;
    char* reply = hostParseXml(text.data(), static_cast<int>(text.size()), &length);
    const std::string tokens(reply, static_cast<std::size_t>(length));
    std::free(reply);
    std::size_t at = 0;
    const auto next = [&]() {
        const std::size_t end = std::min(tokens.find('\0', at), tokens.size());
        std::string token = tokens.substr(at, end - at);
        at = end + 1;
        return token;
    };
    if (next() != "ok") {
        std::string message = next();
        const std::string line = next();
        return {false, std::move(message), std::atoi(line.c_str())};
    }
    while (at < tokens.size()) {
        std::string token = next();
        if (token.empty())
            continue;
        if (token[0] == '<') {
            tree.startElement(token.substr(1));
        } else if (token[0] == '=') {
            std::string value = next();
            tree.addAttribute(token.substr(1), std::move(value));
        } else {
            tree.endElement();
        }
    }
    return {true, {}, 0};
}

} // namespace vantrel
