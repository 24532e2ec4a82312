// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>
#include <utility>

namespace vantrel {

// What a seem type gets beside the grid: one of the four editors, one of the
// two text generators, or nothing but its bytes. What each kind does is in
// its class of core/kinds, reached through seemKind() (SeemKind.h).
enum class EditorKind { None, Function, Style, Volume, Color, OuterText, Gprs };

// Each kind's type name: the "type" attribute in lower case, which recipes,
// JSON and the page use too.
inline constexpr std::array<std::pair<EditorKind, std::string_view>, 6> kEditorKindNames = {{
    {EditorKind::Function, "function"},
    {EditorKind::Style, "style"},
    {EditorKind::Volume, "volume"},
    {EditorKind::Color, "color"},
    {EditorKind::OuterText, "outertext"},
    {EditorKind::Gprs, "gprs"},
}};

// The kind for a type's lower-case "type" attribute; None for any other.
[[nodiscard]] constexpr EditorKind editorKindOf(std::string_view typeName) {
    for (const auto& [kind, name] : kEditorKindNames) {
        if (name == typeName)
            return kind;
    }
    return EditorKind::None;
}

// The type name the kind stands for ("function"); "" for None.
[[nodiscard]] constexpr std::string_view editorKindName(EditorKind kind) {
    for (const auto& [named, name] : kEditorKindNames) {
        if (named == kind)
            return name;
    }
    return {};
}

// The four editors that show a file beside its grid.
[[nodiscard]] bool isEditor(EditorKind kind);

// The two types whose files are written anew by a window of their own.
[[nodiscard]] bool isGenerator(EditorKind kind);

} // namespace vantrel
