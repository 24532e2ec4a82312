// SPDX-License-Identifier: GPL-3.0-or-later
// What the page shows of the session, written as the JSON of the values
// ContractValues.def declares: the editor's model, a setting's value, the file,
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

// A depth-first walk with a stack of its own: the depth comes from the definitions.
void writeFunctionTree(JsonText& json, const FunctionNode& root) {
    struct Open {
        const FunctionNode* node;
        std::size_t next;
    };
    std::vector<Open> open;
    const auto begin = [&](const FunctionNode& node) {
        using Node = page::FunctionNode;
        json.beginObject()
            .member(Node::key, node.key)
            .member(Node::kind, wordOf(page::FunctionNodeKindWords, node.kind))
            .member(Node::text, node.text)
            .member(Node::tip, node.tip)
            .member(Node::cell, node.cellIndex)
            .member(Node::bit, node.bit)
            .member(Node::on, node.on)
            .key(Node::children)
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

// A colour's and a volume's value, written into the model's entry (Value is
// page::ColorEntry, page::VolumeItem) and into a setting's update alike.
template <typename Value>
void writeColorEntry(JsonText& json, const ColorEntry& entry, const ByteGrid& grid) {
    const ColorRecord record = readColorRecord(grid, entry.offset);
    json.member(Value::rgb, colorHexText(Rgb{record.red, record.green, record.blue}))
        .member(Value::transparency, percentFromByte(record.transparency));
}

template <typename Value> void writeVolume(JsonText& json, const VolumeItem& item) {
    json.member(Value::position, item.position).member(Value::stored, item.storedByte);
}

void writeType(JsonText& json, const XmlElement& type, const std::string& typeName) {
    if (type.isNull()) {
        json.null();
        return;
    }
    json.beginObject()
        .member(page::SeemType::id, type.attribute("ID").value_or(""))
        .member(page::SeemType::type, typeName)
        .member(page::SeemType::tip, type.attribute("tip").value_or(""))
        .member(page::SeemType::size, std::atoi(type.attribute("size").value_or("0").c_str()))
        .endObject();
}

} // namespace

void SessionBinding::writeModel(JsonText& json) const {
    const EditorModel& model = m_session.model();
    const ByteGrid& grid = m_session.grid();
    json.beginObject()
        .member(page::EditorModel::kind, editorKindText(model.kind))
        .member(page::EditorModel::complete, model.complete);
    switch (model.kind) {
    case EditorKind::Function:
        writeFunctionTree(json.key(page::FunctionModel::root), model.functions);
        break;
    case EditorKind::Style:
        json.key(page::StyleModel::rows).beginArray();
        for (const StyleRow& row : model.styles.rows) {
            json.beginObject()
                .member(page::StyleRow::key, row.key)
                .member(page::StyleRow::text, row.text)
                .member(page::StyleRow::tip, row.tip)
                .member(page::StyleRow::cell, row.offset)
                .member(page::StyleRow::on, row.checked)
                .endObject();
        }
        json.endArray();
        break;
    case EditorKind::Volume:
        json.key(page::VolumeModel::items).beginArray();
        for (std::size_t row = 0; row < model.volumes.items.size(); ++row) {
            using Item = page::VolumeItem;
            const VolumeItem& item = model.volumes.items[row];
            json.beginObject()
                .member(Item::key, volumeKey(row))
                .member(Item::caption, item.caption)
                .member(Item::tip, item.tip)
                .member(Item::cell, item.offset)
                .member(Item::min, item.min)
                .member(Item::max, item.max)
                .member(Item::defaultPosition, item.defaultPosition);
            writeVolume<Item>(json, item);
            json.endObject();
        }
        json.endArray();
        break;
    case EditorKind::Color:
        json.key(page::ColorModel::groups).beginArray();
        for (const ColorGroup& group : model.colors.groups) {
            json.beginObject()
                .member(page::ColorGroup::key, group.key)
                .member(page::ColorGroup::caption, group.caption)
                .key(page::ColorGroup::entries)
                .beginArray();
            for (const ColorEntry& entry : group.entries) {
                json.beginObject()
                    .member(page::ColorEntry::key, entry.key)
                    .member(page::ColorEntry::caption, entry.caption)
                    .member(page::ColorEntry::cell, entry.offset)
                    .member(page::ColorEntry::role, entry.role);
                writeColorEntry<page::ColorEntry>(json, entry, grid);
                json.endObject();
            }
            json.endArray().endObject();
        }
        json.endArray()
            .member(page::ColorModel::title, utf16ToUtf8(model.title))
            .member(page::ColorModel::hasTitle, model.hasTitle);
        break;
    case EditorKind::OuterText:
        json.member(page::OuterTextModel::text, utf16ToUtf8(model.outerText));
        break;
    case EditorKind::Gprs:
        json.member(page::GprsModel::mode, gprsModeText(model.gprs.mode))
            .member(page::GprsModel::text, utf16ToUtf8(model.gprs.text));
        break;
    case EditorKind::None:
        break;
    }
    json.endObject();
}

void SessionBinding::writeSetting(JsonText& json, const std::string& key) const {
    using Update = page::SettingUpdate;
    const EditorModel& model = m_session.model();
    json.beginObject().member(Update::key, key);
    switch (model.kind) {
    case EditorKind::Function:
        if (const FunctionNode* node = model.switchByKey(key))
            json.member(Update::on, node->on);
        break;
    case EditorKind::Style:
        for (const StyleRow& row : model.styles.rows) {
            if (row.key == key)
                json.member(Update::on, row.checked);
        }
        break;
    case EditorKind::Volume:
        if (const int row = volumeRowOf(key);
            row >= 0 && static_cast<std::size_t>(row) < model.volumes.items.size())
            writeVolume<Update>(json, model.volumes.items[static_cast<std::size_t>(row)]);
        break;
    case EditorKind::Color:
        if (key == kTitleKey)
            json.member(Update::title, utf16ToUtf8(model.title))
                .member(Update::hasTitle, model.hasTitle);
        else if (const ColorEntry* entry = model.colorByKey(key))
            writeColorEntry<Update>(json, *entry, m_session.grid());
        break;
    case EditorKind::OuterText:
        json.member(Update::text, utf16ToUtf8(model.outerText));
        break;
    case EditorKind::Gprs:
        json.member(Update::mode, gprsModeText(model.gprs.mode))
            .member(Update::text, utf16ToUtf8(model.gprs.text));
        break;
    case EditorKind::None:
        break;
    }
    json.endObject();
}

void SessionBinding::writeHistory(JsonText& json) const {
    const SeemDocument& document = m_session.document();
    json.beginObject()
        .member(page::History::canUndo, document.canUndo())
        .member(page::History::canRedo, document.canRedo())
        .member(page::History::undo, withoutAccessKey(m_session.undoCaption()))
        .member(page::History::redo, withoutAccessKey(m_session.redoCaption()))
        .endObject();
}

void SessionBinding::writeFile(JsonText& json) const {
    const SeemDocument& document = m_session.document();
    json.beginObject()
        .member(page::FileState::open, m_session.fileOpen())
        .member(page::FileState::name, m_session.fileOpen() ? document.path() : std::string())
        .member(page::FileState::status, m_session.statusLine().text(strings()))
        .key(page::FileState::type);
    writeType(json, document.type(), document.typeName());
    json.endObject();
}

void SessionBinding::writeCursor(JsonText& json) const {
    const GridCursor& cursor = m_session.cursor();
    const ByteGrid& grid = m_session.grid();
    const int cell = cursor.index();
    const bool shown = m_session.fileOpen() && grid.contains(cell);
    json.beginObject()
        .member(page::CursorState::cell, cell)
        .member(page::CursorState::caret, cursor.caret())
        .member(page::CursorState::status,
                shown ? cellStatusText(cell, grid.text(cell), strings()) : std::string())
        .member(page::CursorState::description,
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
    json.beginObject().member(page::SessionState::modified, m_session.document().isModified());
    writeHistory(json.key(page::SessionState::history));
    writeFile(json.key(page::SessionState::file));
    writeCursor(json.key(page::SessionState::cursor));
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
