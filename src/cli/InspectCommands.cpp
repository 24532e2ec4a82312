// SPDX-License-Identifier: GPL-3.0-or-later
// types, identify, dump and show: reading seem files as the editor reads them.
#include "cli/Commands.h"

#include "cli/JsonWriter.h"
#include "core/definitions/SeemTypeCatalog.h"
#include "core/document/BitHelpers.h"

#include <functional>

namespace vantrel::cli {

namespace {

constexpr const char* kNoMatch = "unknown";

// Opens each file in turn and hands it to show, inside one JSON array when
// asked for; a file that cannot be opened is reported and the rest go on.
int forEachOpened(CliContext& context, const std::vector<std::string>& files, JsonWriter& json,
                  const std::function<int(const std::string& path)>& show) {
    int status = kSuccess;
    if (context.options.json)
        json.beginArray();
    for (const std::string& path : files) {
        const int shown = openSeem(context, path) ? show(path) : static_cast<int>(kBadInput);
        if (shown != kSuccess)
            status = shown;
    }
    if (context.options.json)
        json.endArray();
    return status;
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
    JsonWriter json(context.out);
    return forEachOpened(context, files, json, [&](const std::string& path) {
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
        return static_cast<int>(kSuccess);
    });
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
    JsonWriter json(context.out);
    return forEachOpened(context, files, json, [&](const std::string& path) {
        const std::string kind = context.document.typeName();
        if (kind.empty())
            return context.badInput(path, "no seem type of " +
                                              std::to_string(context.document.grid().cellCount()) +
                                              " bytes in " + context.data.definitionsPath);
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
        return shown;
    });
}

} // namespace vantrel::cli
