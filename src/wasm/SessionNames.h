// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/editors/EditorKind.h"
#include "core/editors/SettingKind.h"
#include "wasm/ContractValues.h"

#include <optional>
#include <string_view>
#include <vector>

// The words the page uses for the core's enums (ContractValues.def), both ways.
namespace vantrel::wasm {

[[nodiscard]] constexpr std::string_view editorKindText(EditorKind kind) {
    return kind == EditorKind::None ? "none" : editorKindName(kind);
}

// Every kind's word, None's first.
[[nodiscard]] inline std::vector<std::string_view> editorKindWords() {
    std::vector<std::string_view> words{editorKindText(EditorKind::None)};
    for (const auto& [kind, name] : kEditorKindNames)
        words.push_back(name);
    return words;
}

[[nodiscard]] inline std::vector<std::string_view> settingKindWords() {
    std::vector<std::string_view> words;
    for (const SettingKind kind : kSettingKinds)
        words.push_back(settingKindName(kind));
    return words;
}

[[nodiscard]] constexpr std::string_view gprsModeText(GprsDisplayMode mode) {
    return wordOf(page::GprsModeWords, mode);
}

[[nodiscard]] constexpr std::optional<GprsDisplayMode> gprsModeNamed(std::string_view name) {
    return valueNamed(page::GprsModeWords, name);
}

[[nodiscard]] constexpr std::string_view iconText(MessageIcon icon) {
    return wordOf(page::MessageIconWords, icon);
}

[[nodiscard]] constexpr std::string_view answerText(Answer answer) {
    return wordOf(page::AnswerWords, answer);
}

[[nodiscard]] constexpr std::optional<Leaving> leavingNamed(std::string_view name) {
    return valueNamed(page::LeavingWords, name);
}

[[nodiscard]] constexpr std::optional<FindMode> findModeNamed(std::string_view name) {
    return valueNamed(page::FindModeWords, name);
}

[[nodiscard]] constexpr std::optional<OpenReason> openReasonNamed(std::string_view name) {
    return valueNamed(page::OpenReasonWords, name);
}

static_assert(gprsModeNamed(gprsModeText(GprsDisplayMode::ShowNothing)) ==
              GprsDisplayMode::ShowNothing);
static_assert(answerText(Answer::Cancel) == "cancel");

} // namespace vantrel::wasm
