// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace vantrel {

// What a seem type gets beside the grid: one of the four editors, one of the
// two text generators, or nothing but its bytes. What each kind does is in
// its class of core/kinds, reached through seemKind() (SeemKind.h).
enum class EditorKind { None, Function, Style, Volume, Color, OuterText, Gprs };

inline constexpr std::array kEditorKinds = {EditorKind::Function,  EditorKind::Style,
                                            EditorKind::Volume,    EditorKind::Color,
                                            EditorKind::OuterText, EditorKind::Gprs};

// The kind for a type's lower-case "type" attribute; None for any other.
[[nodiscard]] EditorKind editorKindOf(std::string_view typeName);

// The type name the kind stands for ("function"); "" for None.
[[nodiscard]] std::string_view editorKindName(EditorKind kind);

// The four editors that show a file beside its grid.
[[nodiscard]] bool isEditor(EditorKind kind);

// The two types whose files are written anew by a window of their own.
[[nodiscard]] bool isGenerator(EditorKind kind);

} // namespace vantrel
