// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editors/SettingWrites.h"

#include "core/base/BitHelpers.h"
#include "core/editors/SchemeTitle.h"
#include "core/editors/SettingText.h"
#include "core/generators/OuterTextRecord.h"

#include <cstdio>

namespace vantrel {

namespace {

EditRefusal plainRefusal(std::string detail) {
    return {std::move(detail), std::nullopt};
}

EditRefusal noSetting(SettingKind kind, std::string_view key) {
    return plainRefusal("there is no " + std::string(settingKindName(kind)) + " " +
                        std::string(key));
}

EditRefusal invalidCell(int cell) {
    return {invalidCellDetail(cell), invalidCellMessage(cell)};
}

void writeRecord(ByteGrid& grid, const std::vector<std::uint8_t>& record) {
    for (std::size_t i = 0; i < record.size() && grid.contains(static_cast<int>(i)); ++i)
        grid.writeByte(static_cast<int>(i), record[i]);
}

std::optional<std::vector<std::uint8_t>> parseHexBytes(const std::string& text) {
    std::string digits;
    for (char c : text) {
        if (c != ' ')
            digits += c;
    }
    if (digits.empty() || digits.size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const auto value = parseHex(std::string_view(digits).substr(i, 2));
        if (!value)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(*value));
    }
    return bytes;
}

EditResult writeOnOff(EditorModel& model, ByteGrid& grid, const SettingValue& setting) {
    const auto on = parseOnOff(setting.value);
    if (!on)
        return plainRefusal("a " + std::string(settingKindName(setting.kind)) +
                            " is on or off, not \"" + setting.value + "\"");
    return setting.kind == SettingKind::Switch ? writeSwitch(model, grid, setting.key, *on)
                                               : writeStyle(model, grid, setting.key, *on);
}

EditResult writeVolumeText(EditorModel& model, ByteGrid& grid, const SettingValue& setting) {
    const VolumeItem* item = model.volumeByKey(setting.key);
    if (!item)
        return noSetting(setting.kind, setting.key);
    const auto value = parseDecimal(setting.value);
    if (!value || *value < item->min || *value > item->max)
        return plainRefusal("the value must lie in " + std::to_string(item->min) + ".." +
                            std::to_string(item->max) + ", not " + setting.value);
    return writeVolume(model, grid, setting.key, static_cast<int>(*value));
}

EditResult writeColorText(EditorModel& model, ByteGrid& grid, const SettingValue& setting) {
    if (!model.colorByKey(setting.key))
        return noSetting(setting.kind, setting.key);
    const auto rgb = parseRgb(setting.value);
    if (!rgb)
        return EditRefusal{"a colour is written #RRGGBB, not " + setting.value,
                           UiMessage{UiString::ColorNotHex, {setting.value}}};
    if (!setting.transparency.empty() && !isPercentage(setting.transparency))
        return plainRefusal("the transparency must be a percentage from 0 to 100, not " +
                            setting.transparency);
    (void)writeColor(model, grid, setting.key, *rgb);
    if (!setting.transparency.empty())
        (void)writeTransparency(model, grid, setting.key,
                                transparencyFromText(setting.transparency).byte);
    return std::nullopt;
}

EditResult writeGprsText(EditorModel& model, ByteGrid& grid, const SettingValue& setting) {
    const std::u16string text = utf8ToUtf16(setting.value);
    if (setting.key == "date")
        return writeGprs(model, grid, GprsDisplayMode::AlwaysDate, {});
    if (setting.key == "nothing")
        return writeGprs(model, grid, GprsDisplayMode::ShowNothing, {});
    if (setting.key == "text")
        return writeGprs(model, grid, GprsDisplayMode::CustomText, text);
    return plainRefusal("the GPRS text is date, nothing or text, not \"" + setting.key + "\"");
}

} // namespace

UiMessage invalidCellMessage(int cell) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(cell));
    return UiMessage{UiString::InvalidCell, {std::to_string(cell), hex}};
}

EditorKind editorFor(SettingKind kind) {
    switch (kind) {
    case SettingKind::Switch:
        return EditorKind::Function;
    case SettingKind::Style:
        return EditorKind::Style;
    case SettingKind::Volume:
        return EditorKind::Volume;
    case SettingKind::Color:
    case SettingKind::Title:
        return EditorKind::Color;
    case SettingKind::OuterText:
        return EditorKind::OuterText;
    case SettingKind::Gprs:
        return EditorKind::Gprs;
    case SettingKind::Bytes:
        break;
    }
    return EditorKind::None;
}

std::string invalidCellDetail(int cell) {
    return "the byte at offset " + std::to_string(cell) + " is not valid";
}

EditResult requireKind(const EditorModel& model, SettingKind kind) {
    const EditorKind wanted = editorFor(kind);
    if (kind == SettingKind::Bytes || model.kind == wanted)
        return std::nullopt;
    const std::string_view actual = editorKindName(model.kind);
    return EditRefusal{"this entry is for " + std::string(editorKindName(wanted)) +
                           " files, the file is " +
                           (actual.empty() ? std::string("of no known type")
                                           : "a " + std::string(actual) + " file"),
                       UiMessage{UiString::TypeWithoutEditor, {}}};
}

EditResult writeSwitch(EditorModel& model, ByteGrid& grid, std::string_view key, bool on) {
    if (auto wrong = requireKind(model, SettingKind::Switch))
        return wrong;
    FunctionNode* node = model.switchByKey(key);
    if (!node)
        return noSetting(SettingKind::Switch, key);
    if (!toggleSwitch(grid, *node, on))
        return invalidCell(node->cellIndex);
    return std::nullopt;
}

EditResult writeStyle(EditorModel& model, ByteGrid& grid, std::string_view key, bool on) {
    if (auto wrong = requireKind(model, SettingKind::Style))
        return wrong;
    StyleRow* row = model.styleByKey(key);
    if (!row)
        return noSetting(SettingKind::Style, key);
    applyCheck(grid, *row, on);
    return std::nullopt;
}

EditResult writeVolume(EditorModel& model, ByteGrid& grid, std::string_view key, int position) {
    if (auto wrong = requireKind(model, SettingKind::Volume))
        return wrong;
    VolumeItem* item = model.volumeByKey(key);
    if (!item)
        return noSetting(SettingKind::Volume, key);
    if (position < item->min || position > item->max)
        return plainRefusal(std::to_string(position) + " lies outside " +
                            std::to_string(item->min) + ".." + std::to_string(item->max));
    writeVolume(grid, *item, position);
    item->storedByte = position;
    return std::nullopt;
}

EditResult resetVolumes(EditorModel& model, ByteGrid& grid) {
    if (auto wrong = requireKind(model, SettingKind::Volume))
        return wrong;
    resetVolumes(grid, model.volumes.items);
    for (VolumeItem& item : model.volumes.items)
        item.storedByte = item.position;
    return std::nullopt;
}

EditResult writeColor(EditorModel& model, ByteGrid& grid, std::string_view key, Rgb color) {
    if (auto wrong = requireKind(model, SettingKind::Color))
        return wrong;
    const ColorEntry* entry = model.colorByKey(key);
    if (!entry)
        return noSetting(SettingKind::Color, key);
    writeColor(grid, entry->offset, color.red, color.green, color.blue);
    return std::nullopt;
}

EditResult writeTransparency(EditorModel& model, ByteGrid& grid, std::string_view key,
                             std::uint8_t transparency) {
    if (auto wrong = requireKind(model, SettingKind::Color))
        return wrong;
    const ColorEntry* entry = model.colorByKey(key);
    if (!entry)
        return noSetting(SettingKind::Color, key);
    writeTransparency(grid, entry->offset, transparency);
    return std::nullopt;
}

EditResult writeTitle(EditorModel& model, ByteGrid& grid, std::u16string_view title) {
    if (auto wrong = requireKind(model, SettingKind::Title))
        return wrong;
    switch (writeSchemeTitle(grid, title)) {
    case TitleWrite::Written:
        model.title = std::u16string(title);
        return std::nullopt;
    case TitleWrite::TooLong:
        return EditRefusal{"a title holds at most five characters",
                           UiMessage{UiString::ColorTitleTooLong, {}, MessageIcon::Information}};
    case TitleWrite::NoRoom:
        break;
    }
    return plainRefusal("the file is too short to hold a title");
}

EditResult writeOuterText(EditorModel& model, ByteGrid& grid, std::u16string_view text) {
    if (auto wrong = requireKind(model, SettingKind::OuterText))
        return wrong;
    if (text.size() > kOuterTextUnits)
        return plainRefusal("the outer text holds at most " + std::to_string(kOuterTextUnits) +
                            " characters");
    writeRecord(grid, encodeOuterTextRecord(text));
    return std::nullopt;
}

EditResult writeGprs(EditorModel& model, ByteGrid& grid, GprsDisplayMode mode,
                     std::u16string_view text) {
    if (auto wrong = requireKind(model, SettingKind::Gprs))
        return wrong;
    if (mode == GprsDisplayMode::CustomText && text.size() > kGprsTextUnits)
        return plainRefusal("the GPRS text holds at most " + std::to_string(kGprsTextUnits) +
                            " characters");
    writeRecord(grid, encodeGprsTextRecord(mode, text));
    return std::nullopt;
}

EditResult writeBytes(ByteGrid& grid, int offset, const std::vector<std::uint8_t>& bytes) {
    if (offset < 0 || static_cast<std::size_t>(offset) + bytes.size() >
                          static_cast<std::size_t>(grid.cellCount()))
        return plainRefusal("the bytes run past the end of the file (" +
                            std::to_string(grid.cellCount()) + " bytes)");
    for (std::size_t i = 0; i < bytes.size(); ++i)
        grid.writeByte(offset + static_cast<int>(i), bytes[i]);
    return std::nullopt;
}

EditResult writeSetting(EditorModel& model, ByteGrid& grid, const SettingValue& setting) {
    // The phone ends a text at U+0000: what follows would be stored but never shown.
    if (setting.value.find('\0') != std::string::npos)
        return plainRefusal("a value cannot hold the character U+0000");
    if (auto wrong = requireKind(model, setting.kind))
        return wrong;
    switch (setting.kind) {
    case SettingKind::Switch:
    case SettingKind::Style:
        return writeOnOff(model, grid, setting);
    case SettingKind::Volume:
        return writeVolumeText(model, grid, setting);
    case SettingKind::Color:
        return writeColorText(model, grid, setting);
    case SettingKind::Title:
        return writeTitle(model, grid, utf8ToUtf16(setting.value));
    case SettingKind::OuterText:
        return writeOuterText(model, grid, utf8ToUtf16(setting.value));
    case SettingKind::Gprs:
        return writeGprsText(model, grid, setting);
    case SettingKind::Bytes:
        break;
    }
    const auto bytes = parseHexBytes(setting.value);
    if (!bytes)
        return plainRefusal("bytes are pairs of hex digits, not \"" + setting.value + "\"");
    return writeBytes(grid, setting.offset, *bytes);
}

} // namespace vantrel
