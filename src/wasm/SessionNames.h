// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/editors/EditorKind.h"
#include "core/find/BytePattern.h"
#include "core/generators/GprsTextRecord.h"
#include "core/i18n/UiMessage.h"
#include "core/session/SessionTypes.h"

#include <optional>
#include <string_view>

// The words the page uses for the core's enums (ContractTypes.h), both ways.
namespace vantrel::wasm {

[[nodiscard]] constexpr std::string_view editorKindText(EditorKind kind) {
    return kind == EditorKind::None ? "none" : editorKindName(kind);
}

[[nodiscard]] constexpr std::string_view gprsModeText(GprsDisplayMode mode) {
    return mode == GprsDisplayMode::AlwaysDate    ? "date"
           : mode == GprsDisplayMode::ShowNothing ? "nothing"
                                                  : "text";
}

[[nodiscard]] constexpr std::optional<GprsDisplayMode> gprsModeNamed(std::string_view name) {
    if (name == "date")
        return GprsDisplayMode::AlwaysDate;
    if (name == "nothing")
        return GprsDisplayMode::ShowNothing;
    if (name == "text")
        return GprsDisplayMode::CustomText;
    return std::nullopt;
}

[[nodiscard]] constexpr std::string_view iconText(MessageIcon icon) {
    return icon == MessageIcon::Critical  ? "critical"
           : icon == MessageIcon::Warning ? "warning"
                                          : "information";
}

[[nodiscard]] constexpr std::string_view answerText(Answer answer) {
    switch (answer) {
    case Answer::Save:
        return "save";
    case Answer::Discard:
        return "discard";
    case Answer::Reload:
        return "reload";
    case Answer::Overwrite:
        return "overwrite";
    case Answer::Cancel:
        break;
    }
    return "cancel";
}

[[nodiscard]] constexpr std::optional<Leaving> leavingNamed(std::string_view name) {
    if (name == "open")
        return Leaving::Open;
    if (name == "close")
        return Leaving::Close;
    if (name == "reload")
        return Leaving::Reload;
    if (name == "language")
        return Leaving::Language;
    if (name == "exit")
        return Leaving::Exit;
    return std::nullopt;
}

[[nodiscard]] constexpr std::optional<FindMode> findModeNamed(std::string_view name) {
    if (name == "settings")
        return FindMode::Settings;
    if (name == "bytes")
        return FindMode::HexBytes;
    if (name == "ascii")
        return FindMode::AsciiText;
    if (name == "utf16")
        return FindMode::Utf16Text;
    return std::nullopt;
}

[[nodiscard]] constexpr std::optional<OpenReason> openReasonNamed(std::string_view name) {
    if (name == "open")
        return OpenReason::Open;
    if (name == "reload")
        return OpenReason::Reload;
    if (name == "quietReload")
        return OpenReason::QuietReload;
    return std::nullopt;
}

static_assert(gprsModeNamed(gprsModeText(GprsDisplayMode::ShowNothing)) ==
              GprsDisplayMode::ShowNothing);

} // namespace vantrel::wasm
