// SPDX-License-Identifier: GPL-3.0-or-later
// What the page shows of the session, written as the JSON of the values
// ContractTypes.h declares: the editor's model, a setting's value, the file,
// the history and the cursor.
#include "core/coverage/Coverage.h"
#include "core/document/CellStatus.h"
#include "core/editors/ColorMath.h"
#include "core/editors/SchemeTitle.h"
#include "core/i18n/Captions.h"
#include "wasm/PageValues.h"
#include "wasm/SessionBinding.h"
#include "wasm/SessionNames.h"

#include <cstdlib>

namespace vantrel::wasm {

namespace {

const char* nodeKindName(FunctionNodeKind kind) {
    return kind == FunctionNodeKind::Root     ? "root"
           : kind == FunctionNodeKind::Folder ? "folder"
                                              : "switch";
}

// A depth-first walk with a stack of its own: the depth comes from the definitions.
void writeFunctionTree(JsonText& json, const FunctionNode& root) {
    struct Open {
        const FunctionNode* node;
        std::size_t next;
    };
    std::vector<Open> open;
    const auto begin = [&](const FunctionNode& node) {
        json.beginObject()
            .member("key", node.key)
            .member("kind", nodeKindName(node.kind))
            .member("text", node.text)
            .member("tip", node.tip)
            .member("cell", node.cellIndex)
            .member("bit", node.bit)
            .member("on", node.on)
            .key("children")
            .beginArray();
        open.push_back({&node, 0});
    };
    begin(root);
    while (!open.empty()) {
        Open& top = open.back();
        if (top.next < top.node->children.size()) {
            begin(top.node->children[top.next++]);
        } else {
            json.endArray().endObject();
            open.pop_back();
        }
    }
}

void writeColorEntry(JsonText& json, const ColorEntry& entry, const ByteGrid& grid) {
    const ColorRecord record = readColorRecord(grid, entry.offset);
    json.member("rgb", colorHexText(Rgb{record.red, record.green, record.blue}))
        .member("transparency", percentFromByte(record.transparency));
}

void writeVolume(JsonText& json, const VolumeItem& item) {
    json.member("position", item.position).member("stored", item.storedByte);
}

void writeType(JsonText& json, const XmlElement& type, const std::string& typeName) {
    if (type.isNull()) {
        json.null();
        return;
    }
    json.beginObject()
        .member("id", type.attribute("ID").value_or(""))
        .member("type", typeName)
        .member("tip", type.attribute("tip").value_or(""))
        .member("size", std::atoi(type.attribute("size").value_or("0").c_str()))
        .endObject();
}

} // namespace

void SessionBinding::writeModel(JsonText& json) const {
    const EditorModel& model = m_session.model();
    const ByteGrid& grid = m_session.grid();
    json.beginObject()
        .member("kind", editorKindText(model.kind))
        .member("complete", model.complete);
    switch (model.kind) {
    case EditorKind::Function:
        writeFunctionTree(json.key("root"), model.functions);
        break;
    case EditorKind::Style:
        json.key("rows").beginArray();
        for (const StyleRow& row : model.styles.rows) {
            json.beginObject()
                .member("key", row.key)
                .member("text", row.text)
                .member("tip", row.tip)
                .member("cell", row.offset)
                .member("on", row.checked)
                .endObject();
        }
        json.endArray();
        break;
    case EditorKind::Volume:
        json.key("items").beginArray();
        for (std::size_t row = 0; row < model.volumes.items.size(); ++row) {
            const VolumeItem& item = model.volumes.items[row];
            json.beginObject()
                .member("key", volumeKey(row))
                .member("caption", item.caption)
                .member("tip", item.tip)
                .member("cell", item.offset)
                .member("min", item.min)
                .member("max", item.max)
                .member("default", item.defaultPosition);
            writeVolume(json, item);
            json.endObject();
        }
        json.endArray();
        break;
    case EditorKind::Color:
        json.key("groups").beginArray();
        for (const ColorGroup& group : model.colors.groups) {
            json.beginObject()
                .member("key", group.key)
                .member("caption", group.caption)
                .key("entries")
                .beginArray();
            for (const ColorEntry& entry : group.entries) {
                json.beginObject()
                    .member("key", entry.key)
                    .member("caption", entry.caption)
                    .member("cell", entry.offset)
                    .member("role", entry.role);
                writeColorEntry(json, entry, grid);
                json.endObject();
            }
            json.endArray().endObject();
        }
        json.endArray()
            .member("title", utf16ToUtf8(model.title))
            .member("hasTitle", model.hasTitle);
        break;
    case EditorKind::OuterText:
        json.member("text", utf16ToUtf8(model.outerText));
        break;
    case EditorKind::Gprs:
        json.member("mode", gprsModeText(model.gprs.mode))
            .member("text", utf16ToUtf8(model.gprs.text));
        break;
    case EditorKind::None:
        break;
    }
    json.endObject();
}

void SessionBinding::writeSetting(JsonText& json, const std::string& key) const {
    const EditorModel& model = m_session.model();
    json.beginObject().member("key", key);
    switch (model.kind) {
    case EditorKind::Function:
        if (const FunctionNode* node = model.switchByKey(key))
            json.member("on", node->on);
        break;
    case EditorKind::Style:
        for (const StyleRow& row : model.styles.rows) {
            if (row.key == key)
                json.member("on", row.checked);
        }
        break;
    case EditorKind::Volume:
        if (const int row = volumeRowOf(key);
            row >= 0 && static_cast<std::size_t>(row) < model.volumes.items.size())
            writeVolume(json, model.volumes.items[static_cast<std::size_t>(row)]);
        break;
    case EditorKind::Color:
        if (key == kTitleKey)
            json.member("text", utf16ToUtf8(model.title)).member("hasTitle", model.hasTitle);
        else if (const ColorEntry* entry = model.colorByKey(key))
            writeColorEntry(json, *entry, m_session.grid());
        break;
    case EditorKind::OuterText:
        json.member("text", utf16ToUtf8(model.outerText));
        break;
    case EditorKind::Gprs:
        json.member("mode", gprsModeText(model.gprs.mode))
            .member("text", utf16ToUtf8(model.gprs.text));
        break;
    case EditorKind::None:
        break;
    }
    json.endObject();
}

void SessionBinding::writeHistory(JsonText& json) const {
    const SeemDocument& document = m_session.document();
    json.beginObject()
        .member("canUndo", document.canUndo())
        .member("canRedo", document.canRedo())
        .member("undo", withoutAccessKey(m_session.undoCaption()))
        .member("redo", withoutAccessKey(m_session.redoCaption()))
        .endObject();
}

void SessionBinding::writeFile(JsonText& json) const {
    const SeemDocument& document = m_session.document();
    json.beginObject()
        .member("open", m_session.fileOpen())
        .member("name", m_session.fileOpen() ? document.path() : std::string())
        .member("status", m_session.statusLine().text(strings()))
        .key("type");
    writeType(json, document.type(), document.typeName());
    json.endObject();
}

void SessionBinding::writeCursor(JsonText& json) const {
    const GridCursor& cursor = m_session.cursor();
    const ByteGrid& grid = m_session.grid();
    const int cell = cursor.index();
    const bool shown = m_session.fileOpen() && grid.contains(cell);
    json.beginObject()
        .member("cell", cell)
        .member("caret", cursor.caret())
        .member("status", shown ? cellStatusText(cell, grid.text(cell), strings()) : std::string())
        .member("description",
                shown ? cellCoverageText(currentCoverage(), cell, strings()) : std::string())
        .endObject();
}

const Coverage& SessionBinding::currentCoverage() const {
    if (!m_coverage) {
        const SeemDocument& document = m_session.document();
        m_coverage =
            computeCoverage(document.type(), document.typeName(), document.grid(), strings());
    }
    return *m_coverage;
}

val SessionBinding::state() const {
    JsonText json;
    json.beginObject().member("modified", m_session.document().isModified());
    writeHistory(json.key("history"));
    writeFile(json.key("file"));
    writeCursor(json.key("cursor"));
    json.endObject();
    return jsonValue(json);
}

val SessionBinding::model() const {
    JsonText json;
    writeModel(json);
    return jsonValue(json);
}

val SessionBinding::fileOpen() const {
    return val(m_session.fileOpen());
}

} // namespace vantrel::wasm
