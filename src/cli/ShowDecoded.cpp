// SPDX-License-Identifier: GPL-3.0-or-later
// show: the open document as its type's editor presents it.
#include "cli/Commands.h"
#include "core/document/FunctionTree.h"
#include "core/editors/ColorMath.h"
#include "core/editors/ColorScheme.h"
#include "core/editors/EditorKind.h"
#include "core/editors/SchemeTitle.h"
#include "core/editors/StyleList.h"
#include "core/editors/VolumeItems.h"
#include "core/generators/GprsTextRecord.h"
#include "core/generators/OuterTextRecord.h"

#include <cstdio>

namespace vantrel::cli {

namespace {

void printFunctionNodes(std::ostream& out, const FunctionNode& parent, int depth) {
    for (const FunctionNode& node : parent.children) {
        out << std::string(static_cast<std::size_t>(depth) * 2, ' ');
        if (node.isSwitch())
            out << (node.on ? "[on] " : "[off] ") << node.text << '\n';
        else
            out << node.text << "/\n";
        printFunctionNodes(out, node, depth + 1);
    }
}

Json functionNodes(const FunctionNode& parent) {
    Json nodes = Json::array();
    for (const FunctionNode& node : parent.children) {
        Json entry = {{"id", node.text}, {"kind", node.isSwitch() ? "switch" : "folder"}};
        if (node.isSwitch())
            entry["on"] = node.on;
        entry["children"] = functionNodes(node);
        nodes.push_back(std::move(entry));
    }
    return nodes;
}

void showFunction(const CliContext& context, Json* json) {
    FunctionTreeBuilder builder;
    const FunctionNode root = builder.build(context.document.type(), context.document.grid());
    if (json == nullptr)
        return printFunctionNodes(context.out, root, 0);
    (*json)["items"] = functionNodes(root);
}

void showStyle(const CliContext& context, Json* json) {
    const StyleRows style = buildStyleRows(context.document.type(), context.document.grid());
    Json items = Json::array();
    for (const StyleRow& row : style.rows) {
        if (json != nullptr)
            items.push_back({{"id", row.text}, {"on", row.checked}});
        else
            context.out << (row.checked ? "[x] " : "[ ] ") << row.text << '\n';
    }
    if (json != nullptr)
        (*json)["items"] = std::move(items);
}

// Volume captions end in a colon on screen; "Microphone: = 4" would read badly.
std::string displayedId(std::string caption) {
    if (!caption.empty() && caption.back() == ':')
        caption.pop_back();
    return caption;
}

// The stored byte, also outside min..max: the slider's clamped position would hide it.
void showVolume(const CliContext& context, Json* json) {
    const VolumeItems volume = buildVolumeItems(context.document.type(), context.document.grid());
    Json items = Json::array();
    for (const VolumeItem& item : volume.items) {
        const int value = item.storedByte >= 0 ? item.storedByte : item.position;
        if (json != nullptr) {
            items.push_back({{"id", item.caption},
                             {"value", value},
                             {"in_range", value >= item.min && value <= item.max},
                             {"min", item.min},
                             {"max", item.max},
                             {"default", item.defaultPosition}});
        } else {
            context.out << displayedId(item.caption) << " = " << storedValueText(item) << " ("
                        << item.min << ".." << item.max << ", default " << item.defaultPosition
                        << ")\n";
        }
    }
    if (json != nullptr)
        (*json)["items"] = std::move(items);
}

std::string rgbText(const ColorRecord& record) {
    return colorHexText(Rgb{record.red, record.green, record.blue});
}

void showColor(const CliContext& context, Json* json) {
    const ByteGrid& grid = context.document.grid();
    const ColorTree tree = buildColorTree(context.document.type(), grid);
    const std::string title = utf16ToUtf8(readSchemeTitle(grid));
    Json colors = Json::array();
    for (const ColorGroup& group : tree.groups) {
        for (const ColorEntry& entry : group.entries) {
            const ColorRecord record = readColorRecord(grid, entry.offset);
            const int percent = percentFromByte(record.transparency);
            if (json != nullptr) {
                colors.push_back({{"group", group.caption},
                                  {"entry", entry.caption},
                                  {"rgb", rgbText(record)},
                                  {"transparency", percent}});
            } else {
                context.out << group.caption << '/' << entry.caption << ' ' << rgbText(record)
                            << ' ' << percent << "%\n";
            }
        }
    }
    if (json != nullptr) {
        (*json)["title"] = title;
        (*json)["colors"] = std::move(colors);
    } else {
        context.out << "title: " << title << '\n';
    }
}

void showOuterText(const CliContext& context, Json* json) {
    const std::string text = utf16ToUtf8(decodeOuterTextRecord(context.document.savedBytes()));
    if (json != nullptr)
        (*json)["text"] = text;
    else
        context.out << "text: " << text << '\n';
}

void showGprs(const CliContext& context, Json* json) {
    const GprsSetting setting = decodeGprsTextRecord(context.document.savedBytes());
    const char* mode = setting.mode == GprsDisplayMode::AlwaysDate    ? "date"
                       : setting.mode == GprsDisplayMode::ShowNothing ? "nothing"
                                                                      : "text";
    const std::string text = utf16ToUtf8(setting.text);
    if (json != nullptr) {
        (*json)["mode"] = mode;
        (*json)["text"] = text;
        return;
    }
    context.out << "mode: " << mode << '\n';
    if (setting.mode == GprsDisplayMode::CustomText)
        context.out << "text: " << text << '\n';
}

} // namespace

int showDecoded(const CliContext& context, const std::string& kind, Json* json) {
    using Show = void (*)(const CliContext&, Json*);
    static const std::pair<EditorKind, Show> shows[] = {
        {EditorKind::Function, showFunction},   {EditorKind::Style, showStyle},
        {EditorKind::Volume, showVolume},       {EditorKind::Color, showColor},
        {EditorKind::OuterText, showOuterText}, {EditorKind::Gprs, showGprs},
    };
    for (const auto& [shown, show] : shows) {
        if (editorKindOf(kind) == shown) {
            show(context, json);
            return kSuccess;
        }
    }
    return context.badInput(context.document.path(),
                            "Vantrel has no editor for the seem type \"" + kind + "\"");
}

} // namespace vantrel::cli
