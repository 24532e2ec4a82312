// SPDX-License-Identifier: GPL-3.0-or-later
// Runs inside the module, once its bindings are registered: a call answered
// with { vantrelError } throws a VantrelError, optional arguments may be left
// out, and a document's cell listener hears of the cells a call changed.
addOnInit(function () {
    class VantrelError extends Error {
        constructor(message) {
            super(message);
            this.name = "VantrelError";
        }
    }
    Module["VantrelError"] = VantrelError;

    function checked(result) {
        if (result !== null && typeof result == "object" && "vantrelError" in result)
            throw new VantrelError(result["vantrelError"]);
        return result;
    }

    // Bound functions insist on every argument; the trailing optional ones
    // arrive as undefined.
    function padded(args, count) {
        var list = Array.prototype.slice.call(args);
        while (list.length < count) list.push(undefined);
        return list;
    }

    var optional = { "string": 2, "setColor": 3, "applyRecipe": 2, "uiString": 2, "moveCursor": 2 };

    function wrapMethods(prototype, afterCall) {
        Object.getOwnPropertyNames(prototype).forEach(function (name) {
            var skip = ["constructor", "isAliasOf", "clone", "delete", "isDeleted", "deleteLater"];
            var descriptor = Object.getOwnPropertyDescriptor(prototype, name);
            if (skip.indexOf(name) >= 0 || typeof descriptor.value != "function") return;
            var method = descriptor.value;
            var count = optional[name] || 0;
            prototype[name] = function () {
                var result = checked(method.apply(this, padded(arguments, count)));
                if (afterCall) afterCall(this);
                return result;
            };
        });
    }

    var RawLanguage = Module["Language"];
    function Language(text, options) {
        var language = new RawLanguage(text, options);
        if (language["unusable"]()) {
            var problem = language["problem"] || "language.xml lists no language";
            language["delete"]();
            throw new VantrelError(problem);
        }
        return language;
    }
    Language.prototype = RawLanguage.prototype;
    wrapMethods(RawLanguage.prototype, null);
    Module["Language"] = Language;

    var listeners = new WeakMap();
    var DocumentPrototype = Module["Document"].prototype;
    var takeChangedCells = DocumentPrototype["takeChangedCells"];
    wrapMethods(DocumentPrototype, function (document) {
        var listener = listeners.get(document);
        if (!listener) return;
        takeChangedCells.call(document).forEach(function (index) { listener(index); });
    });
    DocumentPrototype["onCellChanged"] = function (listener) {
        takeChangedCells.call(this);
        if (listener) listeners.set(this, listener);
        else listeners.delete(this);
    };

    ["setLanguage", "uiString", "lcidForLocale", "projectInfo", "outerTextRecord", "outerTextInfo",
     "gprsRecord"]
        .forEach(function (name) {
            var raw = Module[name];
            var count = optional[name] || 0;
            Module[name] = function () { return checked(raw.apply(null, padded(arguments, count))); };
        });
});
