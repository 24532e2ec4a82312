// SPDX-License-Identifier: GPL-3.0-or-later
// Edits of volume, colour and title settings, with the editors' own writes.
#include "cli/Commands.h"
#include "cli/NamedItems.h"
#include "core/document/BitHelpers.h"
#include "core/editors/ColorMath.h"
#include "core/editors/ColorScheme.h"
#include "core/editors/SchemeTitle.h"
#include "core/editors/VolumeItems.h"
#include "core/i18n/BuiltinStrings.h"

#include <charconv>
#include <cstdio>

namespace vantrel::cli {

namespace {

// A volume item's caption ends in a colon on screen; the command line may leave it out.
std::string volumeName(std::string caption) {
    if (!caption.empty() && caption.back() == ':')
        caption.pop_back();
    return caption;
}

// A plain decimal number, as the transparency box takes it ("50", "12.5").
bool isDecimalNumber(const std::string& text) {
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

std::string colorText(const ByteGrid& grid, int offset) {
    const ColorRecord record = readColorRecord(grid, offset);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", record.red, record.green, record.blue);
    return text + (" " + std::to_string(percentFromByte(record.transparency)) + "%");
}

} // namespace

int runVolume(CliContext& context, const EditOptions& options) {
    if (options.reset != options.name.empty() || options.name.empty() != options.value.empty())
        return context.usage("volume takes ID VALUE, or --reset");
    return editFile(context, options, "volume", [&](std::vector<EditChange>& changes) {
        SeemDocument& document = context.document;
        VolumeItems volume = buildVolumeItems(document.type(), document.grid());
        if (options.reset) {
            for (const VolumeItem& item : volume.items) {
                if (item.storedByte != item.defaultPosition)
                    changes.push_back({volumeName(item.caption), storedValueText(item),
                                       std::to_string(item.defaultPosition)});
            }
            EditScope step(document, UiString::UndoVolumeReset);
            resetVolumes(document.grid(), volume.items);
            return static_cast<int>(kSuccess);
        }
        std::vector<std::string> names;
        for (const VolumeItem& item : volume.items)
            names.push_back(volumeName(item.caption));
        const NamePick pick = pickByName(names, volumeName(options.name), "volume");
        if (!pick.index)
            return context.badInput(options.file, pick.problem);
        VolumeItem& item = volume.items[*pick.index];
        const auto value = parseDecimal(options.value);
        if (!value || *value < item.min || *value > item.max)
            return context.badInput(options.file, "the value of " + options.name + " must lie in " +
                                                      std::to_string(item.min) + ".." +
                                                      std::to_string(item.max) + ", not " +
                                                      options.value);
        changes.push_back({names[*pick.index], storedValueText(item), std::to_string(*value)});
        EditScope step(document, UiString::UndoVolume);
        writeVolume(document.grid(), item, static_cast<int>(*value));
        return static_cast<int>(kSuccess);
    });
}

int runColor(CliContext& context, const EditOptions& options) {
    return editFile(context, options, "color", [&](std::vector<EditChange>& changes) {
        SeemDocument& document = context.document;
        const ColorTree tree = buildColorTree(document.type(), document.grid());
        std::vector<std::string> names;
        std::vector<int> offsets;
        for (const ColorGroup& group : tree.groups) {
            for (const ColorEntry& entry : group.entries) {
                names.push_back(group.caption + "/" + entry.caption);
                offsets.push_back(entry.offset);
            }
        }
        const NamePick pick = pickByName(names, options.name, "colour");
        if (!pick.index)
            return context.badInput(options.file, pick.problem);
        const int offset = offsets[*pick.index];
        const auto rgb = rgbFromHexText(options.value);
        if (!rgb)
            return context.badInput(options.file,
                                    "a colour is written #RRGGBB, not " + options.value);
        std::optional<TransparencyInput> transparency;
        if (options.transparency) {
            transparency = transparencyFromText(*options.transparency);
            if (transparency->correctedText || !isDecimalNumber(*options.transparency))
                return context.badInput(options.file, "the transparency must be a percentage "
                                                      "from 0 to 100, not " +
                                                          *options.transparency);
        }
        const std::string before = colorText(document.grid(), offset);
        EditScope step(document, UiString::UndoColor);
        writeColor(document.grid(), offset, rgb->red, rgb->green, rgb->blue);
        if (transparency)
            writeTransparency(document.grid(), offset, transparency->byte);
        changes.push_back({names[*pick.index], before, colorText(document.grid(), offset)});
        return static_cast<int>(kSuccess);
    });
}

int runTitle(CliContext& context, const EditOptions& options) {
    return editFile(context, options, "color", [&](std::vector<EditChange>& changes) {
        const std::string before = utf16ToUtf8(readSchemeTitle(context.document.grid()));
        EditScope step(context.document, UiString::UndoTitle);
        switch (writeSchemeTitle(context.document.grid(), utf8ToUtf16(options.value))) {
        case TitleWrite::Written:
            changes.push_back({"title", before, options.value});
            return static_cast<int>(kSuccess);
        case TitleWrite::TooLong:
            return context.badInput(options.file, "a title holds at most five characters");
        case TitleWrite::NoRoom:
            break;
        }
        return context.badInput(options.file, "the file is too short to hold a title");
    });
}

} // namespace vantrel::cli
