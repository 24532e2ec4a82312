// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/FunctionTree.h"
#include "core/document/SeemDocument.h"
#include "core/find/BytePattern.h"
#include "core/find/FindSession.h"
#include "core/generators/GprsTextRecord.h"
#include "core/i18n/UiMessage.h"
#include "core/session/SessionTypes.h"
#include "wasm/JsonText.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel::wasm {

// The moves of the desktop grid's keys, which the page names.
enum class CursorMove { Left, Right, Up, Down, PageUp, PageDown, First, Last, Home, End };

// The values and words of the page's contract, from ContractValues.def: for
// each value a struct of its members' names (page::History::canUndo), for
// each enum its words (page::GprsModeWords). A writer names every member
// through these, so one renamed in the description no longer compiles.
namespace page {

template <typename Enum> struct Word {
    Enum value;
    std::string_view word;
};

#define VANTREL_WORDS(Name, Enum, doc) inline constexpr Word<Enum> Name##Words[] = {
#define VANTREL_WORD(value, word) {value, word},
#define VANTREL_WORDS_OF(Name, words, doc)
#define VANTREL_VALUE(Name, doc) struct Name {
#define VANTREL_DERIVED(Name, Base, doc) struct Name : Base {
#define VANTREL_UNION(Name, doc) struct Name {
#define VANTREL_VARIANT(Name, Union, word) struct Name : Union {
#define VANTREL_FIELD(name, type, doc) static constexpr Field name{#name};
#define VANTREL_OPTIONAL(name, type, doc) static constexpr Field name{#name};
#define VANTREL_FIELD_NAMED(id, name, type, doc) static constexpr Field id{name};
#define VANTREL_END()                                                                              \
    }                                                                                              \
    ;
#include "wasm/ContractValues.def"
#undef VANTREL_WORDS
#undef VANTREL_WORD
#undef VANTREL_WORDS_OF
#undef VANTREL_VALUE
#undef VANTREL_DERIVED
#undef VANTREL_UNION
#undef VANTREL_VARIANT
#undef VANTREL_FIELD
#undef VANTREL_OPTIONAL
#undef VANTREL_FIELD_NAMED
#undef VANTREL_END

} // namespace page

// The word for value, "" for one the page has no word for.
template <typename Enum, std::size_t N>
[[nodiscard]] constexpr std::string_view wordOf(const page::Word<Enum> (&words)[N], Enum value) {
    for (const page::Word<Enum>& word : words) {
        if (word.value == value)
            return word.word;
    }
    return {};
}

template <typename Enum, std::size_t N>
[[nodiscard]] constexpr std::optional<Enum> valueNamed(const page::Word<Enum> (&words)[N],
                                                       std::string_view name) {
    for (const page::Word<Enum>& word : words) {
        if (word.word == name)
            return word.value;
    }
    return std::nullopt;
}

// The words as a refusal lists them: "\"a\", \"b\" or \"c\"".
template <typename Enum, std::size_t N>
[[nodiscard]] std::string wordList(const page::Word<Enum> (&words)[N]) {
    std::string list;
    for (std::size_t i = 0; i < N; ++i) {
        list += i == 0 ? "" : i + 1 == N ? " or " : ", ";
        list += '"' + std::string(words[i].word) + '"';
    }
    return list;
}

} // namespace vantrel::wasm
