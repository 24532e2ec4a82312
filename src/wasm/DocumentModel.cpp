// SPDX-License-Identifier: GPL-3.0-or-later
// What the editor of the open file's type shows, as one JSON text.
#include "core/editors/ColorMath.h"
#include "core/editors/ColorScheme.h"
#include "core/editors/SchemeTitle.h"
#include "core/editors/StyleList.h"
#include "core/editors/VolumeItems.h"
#include "core/generators/GprsTextRecord.h"
#include "core/generators/OuterTextRecord.h"
#include "core/i18n/BuiltinStrings.h"
#include "wasm/BindingValues.h"
#include "wasm/DocumentBinding.h"

#include <cstdlib>

namespace vantrel::wasm {

namespace {

void writeFunctionNode(JsonText& json, const FunctionNode& node) {
    json.beginObject()
        .member("key", node.key)
        .member("kind", node.kind == FunctionNodeKind::Root     ? "root"
                        : node.kind == FunctionNodeKind::Folder ? "folder"
                                                                : "switch")
        .member("text", node.text)
        .member("tip", node.tip)
        .member("cell", node.cellIndex)
        .member("bit", node.bit)
        .member("on", node.on)
        .key("children")
        .beginArray();
    for (const FunctionNode& child : node.children)
        writeFunctionNode(json, child);
    json.endArray().endObject();
}

} // namespace

val Document::type() const {
    const XmlElement type = m_document.type();
    if (type.isNull())
        return val::null();
    val info = val::object();
    info.set("id", type.attribute("ID").value_or(""));
    info.set("type", m_document.typeName());
    info.set("tip", type.attribute("tip").value_or(""));
    info.set("size", std::atoi(type.attribute("size").value_or("0").c_str()));
    info.set("alert", expandLineBreaks(type.attribute("alert").value_or("")));
    info.set("hasEditor", hasEditor());
    return info;
}

val Document::editorModel() {
    const std::string kind = hasEditor() ? m_document.typeName() : "none";
    const XmlElement type = m_document.type();
    const ByteGrid& grid = m_document.grid();
    JsonText json;
    json.beginObject().member("kind", kind);
    bool complete = true;
    if (kind == "function") {
        DefinitionProblems problems;
        const FunctionNode root = m_builder.build(type, grid, &problems);
        json.key("root");
        writeFunctionNode(json, root);
        complete = problems.empty();
    } else if (kind == "style") {
        const StyleRows style = buildStyleRows(type, grid);
        json.key("rows").beginArray();
        for (const StyleRow& row : style.rows) {
            json.beginObject()
                .member("key", row.key)
                .member("text", row.text)
                .member("tip", row.tip)
                .member("cell", row.offset)
                .member("on", row.checked)
                .endObject();
        }
        json.endArray();
        complete = style.complete;
    } else if (kind == "volume") {
        const VolumeItems volume = buildVolumeItems(type, grid);
        json.key("items").beginArray();
        for (std::size_t row = 0; row < volume.items.size(); ++row) {
            const VolumeItem& item = volume.items[row];
            json.beginObject()
                .member("row", static_cast<int>(row))
                .member("caption", item.caption)
                .member("tip", item.tip)
                .member("cell", item.offset)
                .member("position", item.position)
                .member("stored", item.storedByte)
                .member("min", item.min)
                .member("max", item.max)
                .member("default", item.defaultPosition)
                .endObject();
        }
        json.endArray();
        complete = volume.complete;
    } else if (kind == "color") {
        const ColorTree tree = buildColorTree(type, grid);
        json.key("groups").beginArray();
        for (const ColorGroup& group : tree.groups) {
            json.beginObject()
                .member("key", group.key)
                .member("caption", group.caption)
                .key("entries")
                .beginArray();
            for (const ColorEntry& entry : group.entries) {
                const ColorRecord record = readColorRecord(grid, entry.offset);
                json.beginObject()
                    .member("key", entry.key)
                    .member("caption", entry.caption)
                    .member("cell", entry.offset)
                    .member("role", entry.role)
                    .member("rgb", colorHexText(Rgb{record.red, record.green, record.blue}))
                    .member("transparency", percentFromByte(record.transparency))
                    .endObject();
            }
            json.endArray().endObject();
        }
        json.endArray()
            .member("title", utf16ToUtf8(readSchemeTitle(grid)))
            .member("hasTitle", hasSchemeTitle(grid));
        complete = tree.complete;
    } else if (kind == "outertext") {
        json.member("text", utf16ToUtf8(decodeOuterTextRecord(grid.bytes())));
    } else if (kind == "gprs") {
        const GprsSetting setting = decodeGprsTextRecord(grid.bytes());
        json.member("mode", gprsModeName(setting.mode)).member("text", utf16ToUtf8(setting.text));
    }
    json.member("complete", complete).endObject();
    return jsonValue(json);
}

} // namespace vantrel::wasm
