// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ByteGrid.h"
#include "core/editors/ColorMath.h"
#include "core/editors/EditorModel.h"
#include "core/editors/SettingKind.h"
#include "core/generators/GprsTextRecord.h"
#include "core/i18n/UiMessage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The one way a setting is written into a file's cells, whoever asks: an
// editor of the window or the page, a command line edit, a recipe. Each
// write finds its setting by key in the file's editor model, checks the new
// value, writes exactly the bits and bytes of the setting and keeps the
// model's value up to date. A refused write changes nothing.
namespace vantrel {

// Why a write was refused: plainly, for the command line and recipes, and as
// the window and the page say it, where they have words of their own.
struct EditRefusal {
    std::string detail;
    std::optional<UiMessage> message;

    [[nodiscard]] std::string text(const UiStrings& strings) const {
        return message ? message->text(strings) : detail;
    }
};

// A cell that does not hold a byte, as the user is told of it, and plainly.
[[nodiscard]] UiMessage invalidCellMessage(int cell);
[[nodiscard]] std::string invalidCellDetail(int cell);

// Nothing when the write was made.
using EditResult = std::optional<EditRefusal>;

EditResult writeSwitch(EditorModel& model, ByteGrid& grid, std::string_view key, bool on);
EditResult writeStyle(EditorModel& model, ByteGrid& grid, std::string_view key, bool on);
EditResult writeVolume(EditorModel& model, ByteGrid& grid, std::string_view key, int position);
// Every volume item back at its default.
EditResult resetVolumes(EditorModel& model, ByteGrid& grid);
EditResult writeColor(EditorModel& model, ByteGrid& grid, std::string_view key, Rgb color);
EditResult writeTransparency(EditorModel& model, ByteGrid& grid, std::string_view key,
                             std::uint8_t transparency);
EditResult writeTitle(EditorModel& model, ByteGrid& grid, std::u16string_view title);
// The record of an outer-screen text or GPRS file, written whole.
EditResult writeOuterText(EditorModel& model, ByteGrid& grid, std::u16string_view text);
EditResult writeGprs(EditorModel& model, ByteGrid& grid, GprsDisplayMode mode,
                     std::u16string_view text);
EditResult writeBytes(ByteGrid& grid, int offset, const std::vector<std::uint8_t>& bytes);

// A setting's new value in words, as recipes, the command line and scenario
// files give it.
struct SettingValue {
    SettingKind kind = SettingKind::Bytes;
    // The setting's key; for GPRS the mode ("date", "nothing", "text"); not
    // used for the title, the outer text and bytes.
    std::string key;
    // "on"/"off", a volume position, "#RRGGBB", a text, or hex bytes "A5 00 1F".
    std::string value;
    std::string transparency; // colours: a percentage; "" leaves it as it is
    int offset = 0;           // bytes only
};

// Reads the value and writes it with the write of its kind.
EditResult writeSetting(EditorModel& model, ByteGrid& grid, const SettingValue& setting);

// The editor that shows settings of kind; None for bytes.
[[nodiscard]] EditorKind editorFor(SettingKind kind);

// The refusal of a write of kind into a file whose editor is another.
[[nodiscard]] EditResult requireKind(const EditorModel& model, SettingKind kind);

} // namespace vantrel
