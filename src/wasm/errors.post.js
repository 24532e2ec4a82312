// SPDX-License-Identifier: GPL-3.0-or-later
// Runs inside the module, once its bindings are registered: a call answered
// with { vantrelError } throws a VantrelError, arguments left out arrive as
// undefined (the counts come from the module, read from Contract.def), the
// page's listener gets the pushed change as a value, and the page's settings
// store is called through a guard, so nothing the page does throws through
// the module's frames.
addOnInit(function () {
    class VantrelError extends Error {
        constructor(message) {
            super(message);
            this.name = "VantrelError";
        }
    }
    Module["VantrelError"] = VantrelError;

    var decoder = new TextDecoder();
    // JSON the module wrote, read in place from its memory.
    Module["vantrelParseJson"] = function (view) {
        return JSON.parse(decoder.decode(view));
    };

    function checked(result) {
        if (result !== null && typeof result == "object" && "vantrelError" in result)
            throw new VantrelError(result["vantrelError"]);
        return result;
    }

    function padded(args, count) {
        var list = Array.prototype.slice.call(args, 0, count);
        while (list.length < count) list.push(undefined);
        return list;
    }

    var counts = Module["argumentCounts"]();
    // How often a page called into the module and was told of a change.
    var crossings = { "calls": 0, "pushes": 0 };
    Module["crossings"] = crossings;

    function wrap(method, count) {
        return function () {
            ++crossings["calls"];
            return checked(method.apply(this, padded(arguments, count)));
        };
    }

    var RawSession = Module["Session"];
    var prototype = RawSession.prototype;
    Object.keys(counts["Session"]).forEach(function (name) {
        prototype[name] = wrap(prototype[name], counts["Session"][name]);
    });

    // The page's listener hears a value; a throw in it is reported after the
    // call rather than unwinding through the module.
    var setListener = prototype["setListener"];
    prototype["setListener"] = function (listener) {
        if (typeof listener != "function") return setListener.call(this, listener);
        return setListener.call(this, function (view) {
            ++crossings["pushes"];
            var change = Module["vantrelParseJson"](view);
            try {
                listener(change);
            } catch (error) {
                setTimeout(function () { throw error; });
            }
        });
    };

    function guarded(storage) {
        if (storage === null || typeof storage != "object" || typeof storage.getItem != "function" ||
            typeof storage.setItem != "function")
            return storage;
        return {
            getItem: function (key) {
                try {
                    var value = storage.getItem(key);
                    return typeof value == "string" ? value : null;
                } catch (error) {
                    return null;
                }
            },
            setItem: function (key, value) {
                try { storage.setItem(key, value); } catch (error) { /* kept for this page only */ }
            },
            removeItem: function (key) {
                try { if (typeof storage.removeItem == "function") storage.removeItem(key); } catch (error) { }
            },
        };
    }

    function Session(languageXml, options, storage) {
        var session = new RawSession(languageXml, options, guarded(storage));
        var refusal = session["startRefusal"]();
        if (refusal) {
            session["delete"]();
            throw new VantrelError(refusal);
        }
        return session;
    }
    Session.prototype = prototype;
    Module["Session"] = Session;

    Object.keys(counts["module"]).forEach(function (name) {
        Module[name] = wrap(Module[name], counts["module"][name]);
    });
});
