// types, identify, dump and show: reading seem files as the editor reads them.
#include "cli/Commands.h"

#include "cli/JsonWriter.h"
#include "core/app/SeemTypeCatalog.h"
#include "core/document/BitHelpers.h"
#include "core/document/FunctionTree.h"
#include "core/editors/StyleList.h"

namespace vantrel::cli {

namespace {

constexpr const char* kNoMatch = "unknown";

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

int showFunction(const CliContext& context, JsonWriter* json) {
    FunctionTreeBuilder builder;
    const FunctionNode root = builder.build(context.document.type(), context.document.grid());
    if (json != nullptr) {
        json->key("items");
        writeFunctionNodes(*json, root);
    } else {
        printFunctionNodes(context.out, root, 0);
    }
    return kSuccess;
}

int showStyle(const CliContext& context, JsonWriter* json) {
    const StyleRows style = buildStyleRows(context.document.type(), context.document.grid());
    if (json != nullptr) {
        json->key("items").beginArray();
        for (const StyleRow& row : style.rows)
            json->beginObject().key("id").value(row.text).key("on").value(row.checked).endObject();
        json->endArray();
        return kSuccess;
    }
    for (const StyleRow& row : style.rows)
        context.out << (row.checked ? "[x] " : "[ ] ") << row.text << '\n';
    return kSuccess;
}

} // namespace

int runTypes(CliContext& context, CommandArguments& arguments) {
    if (!arguments.positional().empty() || arguments.error())
        return context.usage(arguments.error().value_or("types takes no arguments"));
    std::vector<SeemTypeEntry> catalog;
    if (const auto failure = buildSeemTypeCatalog(context.document.definitions().root(), catalog))
        return context.badInput(context.data.definitionsPath, *failure);
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginArray();
        for (std::size_t i = 0; i < catalog.size(); ++i) {
            json.beginObject().key("index").value(static_cast<long long>(i));
            json.key("id").value(catalog[i].ID).key("size").value(catalog[i].size);
            json.key("type").value(catalog[i].type).endObject();
        }
        json.endArray();
        return kSuccess;
    }
    for (std::size_t i = 0; i < catalog.size(); ++i) {
        context.out << i << '\t' << catalog[i].ID << '\t' << catalog[i].size << '\t'
                    << catalog[i].type << '\n';
    }
    return kSuccess;
}

int runIdentify(CliContext& context, CommandArguments& arguments) {
    const bool explain = arguments.takeFlag("--explain");
    const auto& files = arguments.positional();
    if (files.empty() || arguments.error())
        return context.usage(arguments.error().value_or("identify needs at least one file"));
    if (explain)
        return explainIdentify(context, files);
    int status = kSuccess;
    JsonWriter json(context.out);
    if (context.options.json)
        json.beginArray();
    for (const std::string& path : files) {
        if (!openSeem(context, path)) {
            status = kBadInput;
            continue;
        }
        const XmlElement type = context.document.type();
        const std::string id = type ? type.attribute("ID").value_or("") : "-";
        const std::string kind = type ? context.document.typeName() : kNoMatch;
        if (context.options.json) {
            json.beginObject().key("path").value(path).key("id");
            type ? json.value(id) : json.null();
            json.key("type");
            type ? json.value(kind) : json.null();
            json.endObject();
        } else {
            context.out << path << '\t' << id << '\t' << kind << '\n';
        }
    }
    if (context.options.json)
        json.endArray();
    return status;
}

int runDump(CliContext& context, CommandArguments& arguments) {
    const auto& files = arguments.positional();
    if (files.size() != 1 || arguments.error())
        return context.usage(arguments.error().value_or("dump needs exactly one file"));
    if (!openSeem(context, files[0]))
        return kBadInput;
    const ByteGrid& grid = context.document.grid();
    for (int index = 0; index < grid.cellCount(); ++index) {
        if (index % 16 == 0) {
            const std::string offset = toHex(static_cast<std::uint32_t>(index));
            context.out << std::string(4 - std::min<std::size_t>(4, offset.size()), '0') << offset
                        << ':';
        }
        context.out << ' ' << grid.text(index);
        if (index % 16 == 15 || index + 1 == grid.cellCount())
            context.out << '\n';
    }
    return kSuccess;
}

int runShow(CliContext& context, CommandArguments& arguments) {
    const auto& files = arguments.positional();
    if (files.empty() || arguments.error())
        return context.usage(arguments.error().value_or("show needs at least one file"));
    int status = kSuccess;
    JsonWriter json(context.out);
    if (context.options.json)
        json.beginArray();
    for (const std::string& path : files) {
        if (!openSeem(context, path)) {
            status = kBadInput;
            continue;
        }
        const std::string kind = context.document.typeName();
        if (kind.empty()) {
            status = context.badInput(path, "no seem type of " +
                                                std::to_string(context.document.grid().cellCount()) +
                                                " bytes in " + context.data.definitionsPath);
            continue;
        }
        if (context.options.json) {
            json.beginObject().key("path").value(path);
            json.key("id").value(context.document.type().attribute("ID").value_or(""));
            json.key("type").value(kind);
        } else if (files.size() > 1) {
            context.out << path << '\n';
        }
        const int shown = showDecoded(context, kind, context.options.json ? &json : nullptr);
        if (context.options.json)
            json.endObject();
        if (shown != kSuccess)
            status = shown;
    }
    if (context.options.json)
        json.endArray();
    return status;
}

int showDecoded(const CliContext& context, const std::string& kind, JsonWriter* json) {
    if (kind == "function")
        return showFunction(context, json);
    if (kind == "style")
        return showStyle(context, json);
    return context.badInput(context.document.path(), "show does not know the seem type \"" + kind + "\"");
}

} // namespace vantrel::cli
