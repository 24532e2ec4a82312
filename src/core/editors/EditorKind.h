// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace vantrel {

// What a seem type gets beside the grid: one of the four editors, one of the
// two text generators, or nothing but its bytes.
enum class EditorKind { None, Function, Style, Volume, Color, OuterText, Gprs };

// The kind for a type's lower-case "type" attribute; None for any other.
[[nodiscard]] constexpr EditorKind editorKindOf(std::string_view typeName) {
    if (typeName == "function")
        return EditorKind::Function;
    if (typeName == "style")
        return EditorKind::Style;
    if (typeName == "volume")
        return EditorKind::Volume;
    if (typeName == "color")
        return EditorKind::Color;
    if (typeName == "outertext")
        return EditorKind::OuterText;
    if (typeName == "gprs")
        return EditorKind::Gprs;
    return EditorKind::None;
}

// The four editors that show a file beside its grid.
[[nodiscard]] constexpr bool isEditor(EditorKind kind) {
    return kind == EditorKind::Function || kind == EditorKind::Style ||
           kind == EditorKind::Volume || kind == EditorKind::Color;
}

// The two types whose files are written anew by a window of their own.
[[nodiscard]] constexpr bool isGenerator(EditorKind kind) {
    return kind == EditorKind::OuterText || kind == EditorKind::Gprs;
}

// The type name the kind stands for; "" for None.
[[nodiscard]] constexpr std::string_view editorKindName(EditorKind kind) {
    switch (kind) {
    case EditorKind::Function:
        return "function";
    case EditorKind::Style:
        return "style";
    case EditorKind::Volume:
        return "volume";
    case EditorKind::Color:
        return "color";
    case EditorKind::OuterText:
        return "outertext";
    case EditorKind::Gprs:
        return "gprs";
    case EditorKind::None:
        break;
    }
    return "";
}

static_assert(editorKindOf("gprs") == EditorKind::Gprs && isGenerator(EditorKind::Gprs));
static_assert(editorKindOf("Function") == EditorKind::None);

} // namespace vantrel
