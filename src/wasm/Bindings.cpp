// SPDX-License-Identifier: GPL-3.0-or-later
// The registration of what the module exports, read from Contract.def, the
// list vantrel-core.d.ts is generated from. Every function answers with plain
// JavaScript values; a refusal is answered with { vantrelError: message }.
#include "core/ProjectInfo.h"
#include "core/files/SeemFile.h"
#include "core/i18n/LocaleLcid.h"
#include "wasm/ContractValues.h"
#include "wasm/PageValues.h"
#include "wasm/SessionBinding.h"

#include <emscripten/bind.h>
#include <emscripten/heap.h>
#include <malloc.h>

namespace vantrel::wasm {

namespace {

val lcidForLocale(const val& name) {
    PageValues in("lcidForLocale");
    const std::string locale = in.text(name, "name");
    if (in.failed())
        return in.refusal();
    const auto lcid = lcidForLocaleName(locale);
    return lcid ? val(*lcid) : val::null();
}

val projectInfo() {
    JsonText json;
    json.beginObject()
        .member(page::ProjectInfo::version, kProjectVersion)
        .member(page::ProjectInfo::website, kWebsiteAddress)
        .member(page::ProjectInfo::forum, kForumAddress)
        .endObject();
    return jsonValue(json);
}

val memoryUse() {
    val use = val::object();
    setMember(use, page::MemoryUse::heapBytes, static_cast<double>(emscripten_get_heap_size()));
    setMember(use, page::MemoryUse::liveBytes, static_cast<double>(mallinfo().uordblks));
    return use;
}

template <typename Result, typename Class, typename... Args>
constexpr int argumentCount(Result (Class::*)(Args...)) {
    return sizeof...(Args);
}
template <typename Result, typename Class, typename... Args>
constexpr int argumentCount(Result (Class::*)(Args...) const) {
    return sizeof...(Args);
}
template <typename Result, typename... Args> constexpr int argumentCount(Result (*)(Args...)) {
    return sizeof...(Args);
}

// How many arguments each export takes, so errors.post.js can hand the
// trailing ones a caller left out as undefined (embind insists on all).
val argumentCounts() {
    val session = val::object();
    val module = val::object();
#define VANTREL_METHOD(name, signature, doc)                                                       \
    session.set(#name, argumentCount(&SessionBinding::name));
#define VANTREL_FUNCTION(name, signature, doc) module.set(#name, argumentCount(&name));
#include "wasm/Contract.def"
#undef VANTREL_METHOD
#undef VANTREL_FUNCTION
    val counts = val::object();
    counts.set("Session", session);
    counts.set("module", module);
    return counts;
}

} // namespace

EMSCRIPTEN_BINDINGS(vantrel_core) {
    emscripten::class_<SessionBinding>("Session")
        .constructor<const val&, const val&, const val&>()
        .function("startRefusal", &SessionBinding::startRefusal)
#define VANTREL_METHOD(name, signature, doc) .function(#name, &SessionBinding::name)
#define VANTREL_FUNCTION(name, signature, doc)
#include "wasm/Contract.def"
#undef VANTREL_METHOD
#undef VANTREL_FUNCTION
        ;
#define VANTREL_METHOD(name, signature, doc)
#define VANTREL_FUNCTION(name, signature, doc) emscripten::function(#name, &name);
#include "wasm/Contract.def"
#undef VANTREL_METHOD
#undef VANTREL_FUNCTION
    emscripten::function("argumentCounts", &argumentCounts);
    emscripten::constant("maxFileSize", static_cast<int>(kMaxSeemFileSize));
}

} // namespace vantrel::wasm
