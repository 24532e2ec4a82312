// SPDX-License-Identifier: GPL-3.0-or-later
// Edits of volume, colour and title settings, with the editors' own writes.
#include "cli/Commands.h"

#include "core/document/BitHelpers.h"
#include "core/editors/ColorMath.h"
#include "core/editors/ColorScheme.h"
#include "core/editors/SchemeTitle.h"
#include "core/editors/VolumeItems.h"
#include "core/i18n/BuiltinStrings.h"

#include <charconv>

namespace vantrel::cli {

namespace {

// A volume item's caption ends in a colon on screen; the command line may leave it out.
bool namesVolume(const VolumeItem& item, const std::string& id) {
    return item.caption == id || item.caption == id + ":";
}

// A plain decimal number, as the transparency box takes it ("50", "12.5").
bool isDecimalNumber(const std::string& text) {
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

const ColorEntry* findColor(const ColorTree& tree, const std::string& path) {
    for (const ColorGroup& group : tree.groups) {
        for (const ColorEntry& entry : group.entries) {
            if (group.caption + "/" + entry.caption == path)
                return &entry;
        }
    }
    return nullptr;
}

} // namespace

int runVolume(CliContext& context, CommandArguments& arguments) {
    const bool reset = arguments.takeFlag("--reset");
    return editFile(
        context, arguments, "volume", reset ? 1 : 3, [&](const std::vector<std::string>& words) {
            SeemDocument& document = context.document;
            VolumeItems volume = buildVolumeItems(document.type(), document.grid());
            if (reset) {
                EditScope step(document, StrUndoVolumeReset);
                resetVolumes(document.grid(), volume.items);
                return static_cast<int>(kSuccess);
            }
            for (VolumeItem& item : volume.items) {
                if (!namesVolume(item, words[1]))
                    continue;
                const auto value = parseDecimal(words[2]);
                if (!value || *value < item.min || *value > item.max)
                    return context.badInput(words[0], "the value of " + words[1] + " must lie in " +
                                                          std::to_string(item.min) + ".." +
                                                          std::to_string(item.max) + ", not " +
                                                          words[2]);
                EditScope step(document, StrUndoVolume);
                writeVolume(document.grid(), item, static_cast<int>(*value));
                return static_cast<int>(kSuccess);
            }
            return context.badInput(words[0], "no volume item " + words[1]);
        });
}

int runColor(CliContext& context, CommandArguments& arguments) {
    const auto percent = arguments.takeValue("--transparency");
    return editFile(context, arguments, "color", 3, [&](const std::vector<std::string>& words) {
        SeemDocument& document = context.document;
        const ColorTree tree = buildColorTree(document.type(), document.grid());
        const ColorEntry* entry = findColor(tree, words[1]);
        if (entry == nullptr)
            return context.badInput(words[0], "no colour " + words[1]);
        const auto rgb = rgbFromHexText(words[2]);
        if (!rgb)
            return context.badInput(words[0], "a colour is written #RRGGBB, not " + words[2]);
        std::optional<TransparencyInput> transparency;
        if (percent) {
            transparency = transparencyFromText(*percent);
            if (transparency->correctedText || !isDecimalNumber(*percent))
                return context.badInput(words[0], "the transparency must be a percentage "
                                                  "from 0 to 100, not " +
                                                      *percent);
        }
        EditScope step(document, StrUndoColor);
        writeColor(document.grid(), entry->offset, rgb->red, rgb->green, rgb->blue);
        if (transparency)
            writeTransparency(document.grid(), entry->offset, transparency->byte);
        return static_cast<int>(kSuccess);
    });
}

int runTitle(CliContext& context, CommandArguments& arguments) {
    return editFile(context, arguments, "color", 2, [&](const std::vector<std::string>& words) {
        EditScope step(context.document, StrUndoTitle);
        switch (writeSchemeTitle(context.document.grid(), utf8ToUtf16(words[1]))) {
        case TitleWrite::Written:
            return static_cast<int>(kSuccess);
        case TitleWrite::TooLong:
            return context.badInput(words[0], "a title holds at most five characters");
        case TitleWrite::NoRoom:
            break;
        }
        return context.badInput(words[0], "the file is too short to hold a title");
    });
}

} // namespace vantrel::cli
