// SPDX-License-Identifier: GPL-3.0-or-later
// show: the open document as its type's editor presents it.
#include "cli/Commands.h"

#include "cli/JsonWriter.h"
#include "core/editors/ColorMath.h"
#include "core/editors/ColorScheme.h"
#include "core/editors/SchemeTitle.h"
#include "core/editors/StyleList.h"
#include "core/editors/VolumeItems.h"
#include "core/document/FunctionTree.h"
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

void writeFunctionNodes(JsonWriter& json, const FunctionNode& parent) {
    json.beginArray();
    for (const FunctionNode& node : parent.children) {
        json.beginObject().key("id").value(node.text);
        json.key("kind").value(node.isSwitch() ? "switch" : "folder");
        if (node.isSwitch())
            json.key("on").value(node.on);
        json.key("children");
        writeFunctionNodes(json, node);
        json.endObject();
    }
    json.endArray();
}

void showFunction(const CliContext& context, JsonWriter* json) {
    FunctionTreeBuilder builder;
    const FunctionNode root = builder.build(context.document.type(), context.document.grid());
    if (json == nullptr)
        return printFunctionNodes(context.out, root, 0);
    json->key("items");
    writeFunctionNodes(*json, root);
}

void showStyle(const CliContext& context, JsonWriter* json) {
    const StyleRows style = buildStyleRows(context.document.type(), context.document.grid());
    if (json != nullptr)
        json->key("items").beginArray();
    for (const StyleRow& row : style.rows) {
        if (json != nullptr)
            json->beginObject().key("id").value(row.text).key("on").value(row.checked).endObject();
        else
            context.out << (row.checked ? "[x] " : "[ ] ") << row.text << '\n';
    }
    if (json != nullptr)
        json->endArray();
}

// Volume captions end in a colon on screen; "Microphone: = 4" would read badly.
std::string displayedId(std::string caption) {
    if (!caption.empty() && caption.back() == ':')
        caption.pop_back();
    return caption;
}

void showVolume(const CliContext& context, JsonWriter* json) {
    const VolumeItems volume = buildVolumeItems(context.document.type(), context.document.grid());
    if (json != nullptr)
        json->key("items").beginArray();
    for (const VolumeItem& item : volume.items) {
        if (json != nullptr) {
            json->beginObject().key("id").value(item.caption).key("value").value(item.position);
            json->key("min").value(item.min).key("max").value(item.max);
            json->key("default").value(item.defaultPosition).endObject();
        } else {
            context.out << displayedId(item.caption) << " = " << item.position << " (" << item.min
                        << ".." << item.max << ", default " << item.defaultPosition << ")\n";
        }
    }
    if (json != nullptr)
        json->endArray();
}

std::string rgbText(const ColorRecord& record) {
    return colorHexText(Rgb{record.red, record.green, record.blue});
}

void showColor(const CliContext& context, JsonWriter* json) {
    const ByteGrid& grid = context.document.grid();
    const ColorTree tree = buildColorTree(context.document.type(), grid);
    const std::string title = utf16ToUtf8(readSchemeTitle(grid));
    if (json != nullptr)
        json->key("title").value(title).key("colors").beginArray();
    for (const ColorGroup& group : tree.groups) {
        for (const ColorEntry& entry : group.entries) {
            const ColorRecord record = readColorRecord(grid, entry.offset);
            const int percent = percentFromByte(record.transparency);
            if (json != nullptr) {
                json->beginObject().key("group").value(group.caption);
                json->key("entry").value(entry.caption).key("rgb").value(rgbText(record));
                json->key("transparency").value(percent).endObject();
            } else {
                context.out << group.caption << '/' << entry.caption << ' ' << rgbText(record)
                            << ' ' << percent << "%\n";
            }
        }
    }
    if (json != nullptr)
        json->endArray();
    else
        context.out << "title: " << title << '\n';
}

void showOuterText(const CliContext& context, JsonWriter* json) {
    const std::string text = utf16ToUtf8(decodeOuterTextRecord(context.document.savedBytes()));
    if (json != nullptr)
        json->key("text").value(text);
    else
        context.out << "text: " << text << '\n';
}

void showGprs(const CliContext& context, JsonWriter* json) {
    const GprsSetting setting = decodeGprsTextRecord(context.document.savedBytes());
    const char* mode = setting.mode == GprsDisplayMode::AlwaysDate    ? "date"
                       : setting.mode == GprsDisplayMode::ShowNothing ? "nothing"
                                                                      : "text";
    const std::string text = utf16ToUtf8(setting.text);
    if (json != nullptr) {
        json->key("mode").value(mode).key("text").value(text);
        return;
    }
    context.out << "mode: " << mode << '\n';
    if (setting.mode == GprsDisplayMode::CustomText)
        context.out << "text: " << text << '\n';
}

} // namespace

int showDecoded(const CliContext& context, const std::string& kind, JsonWriter* json) {
    using Show = void (*)(const CliContext&, JsonWriter*);
    static const std::pair<const char*, Show> shows[] = {
        {"function", showFunction}, {"style", showStyle},         {"volume", showVolume},
        {"color", showColor},       {"outertext", showOuterText}, {"gprs", showGprs},
    };
    for (const auto& [name, show] : shows) {
        if (kind == name) {
            show(context, json);
            return kSuccess;
        }
    }
    return context.badInput(context.document.path(),
                            "Vantrel has no editor for the seem type \"" + kind + "\"");
}

} // namespace vantrel::cli
