// SPDX-License-Identifier: GPL-3.0-or-later
// Checks what the module hands over against the schema generated with it
// from the description its writers are built from (vantrel-core.schema.json):
// every member there, of its type, and no other; every word one of its words.
import { readFileSync } from "node:fs";
import { join } from "node:path";

export function loadSchema(buildDir) {
    return JSON.parse(readFileSync(join(buildDir, "vantrel-core.schema.json"), "utf8"));
}

function isObject(value) {
    return value !== null && typeof value === "object" && !Array.isArray(value) && !(value instanceof Uint8Array);
}

const builtIn = {
    string: (value) => typeof value === "string",
    number: (value) => typeof value === "number" && Number.isFinite(value),
    boolean: (value) => typeof value === "boolean",
    null: (value) => value === null,
    void: (value) => value === undefined,
    Uint8Array: (value) => value instanceof Uint8Array,
};

function describe(value) {
    const text = JSON.stringify(value);
    return text === undefined ? String(value) : text.length > 60 ? `${text.slice(0, 60)}…` : text;
}

// The problems of value as a value of type (the schema's form of a type), each naming where.
export function problemsOf(schema, type, value, where) {
    if ("literal" in type)
        return value === type.literal ? [] : [`${where}: ${describe(value)} is not "${type.literal}"`];
    if ("array" in type) {
        if (!Array.isArray(value)) return [`${where}: ${describe(value)} is not an array`];
        return value.flatMap((item, i) => problemsOf(schema, type.array, item, `${where}[${i}]`));
    }
    if ("tuple" in type) {
        if (!Array.isArray(value) || value.length !== type.tuple.length)
            return [`${where}: ${describe(value)} is not a tuple of ${type.tuple.length}`];
        return value.flatMap((item, i) => problemsOf(schema, type.tuple[i], item, `${where}[${i}]`));
    }
    if ("union" in type) {
        const each = type.union.map((choice) => problemsOf(schema, choice, value, where));
        return each.some((problems) => problems.length === 0) ? [] : each.flat();
    }
    const name = type.name;
    if (name in builtIn)
        return builtIn[name](value) ? [] : [`${where}: ${describe(value)} is not ${name}`];
    return declaredProblems(schema, name, value, where);
}

function declaredProblems(schema, name, value, where) {
    const declared = schema.types[name];
    if (declared.words) {
        return declared.words.includes(value) ? [] : [`${where}: ${describe(value)} is no ${name}`];
    }
    if (!isObject(value)) return [`${where}: ${describe(value)} is no ${name} object`];
    if (declared.variants) {
        const variant = declared.variants[value[declared.discriminant]];
        if (!variant) return [`${where}.${declared.discriminant}: ${describe(value[declared.discriminant])} is no ${name}`];
        return declaredProblems(schema, variant, value, where);
    }
    const problems = [];
    for (const [member, { type, optional }] of Object.entries(declared.members)) {
        if (value[member] === undefined) {
            if (!optional) problems.push(`${where}.${member}: missing from ${name}`);
        } else {
            problems.push(...problemsOf(schema, type, value[member], `${where}.${member}`));
        }
    }
    for (const member of Object.keys(value)) {
        if (!(member in declared.members)) problems.push(`${where}.${member}: ${name} has no such member`);
    }
    return problems;
}

export class ContractError extends Error {
    constructor(problems) {
        super(`the module broke its contract:\n${problems.join("\n")}`);
        this.name = "ContractError";
    }
}

// Makes core check, on every call, what it returns and what its sessions
// push: each session listens from its start (a page's listener is told
// through it), and the call that broke the contract throws a ContractError.
export function checkContract(core, schema) {
    const pending = [];
    const checked = (call, resultType, where) =>
        function (...args) {
            const result = call.apply(this, args);
            const problems = pending.splice(0).concat(problemsOf(schema, resultType, result, where));
            if (problems.length > 0) throw new ContractError(problems);
            return result;
        };

    const RawSession = core.Session;
    const prototype = RawSession.prototype;
    const setListener = prototype.setListener;
    const listeners = new WeakMap();
    for (const [name, type] of Object.entries(schema.Session))
        prototype[name] = checked(prototype[name], type, `${name}()`);
    prototype.setListener = function (listener) {
        if (listener !== null && typeof listener !== "function") return setListener.call(this, listener);
        listeners.set(this, listener);
    };
    function Session(...args) {
        const session = new RawSession(...args);
        setListener.call(session, (change) => {
            pending.push(...problemsOf(schema, { name: "SessionChange" }, change, "pushed change"));
            listeners.get(session)?.(change);
        });
        return session;
    }
    Session.prototype = prototype;
    core.Session = Session;
    for (const [name, type] of Object.entries(schema.module))
        core[name] = checked(core[name], type, `${name}()`);
    return core;
}
