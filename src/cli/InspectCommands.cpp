// SPDX-License-Identifier: GPL-3.0-or-later
// types, identify, dump and show: reading seem files as the editor reads them.
#include "cli/Commands.h"
#include "core/base/BitHelpers.h"
#include "core/definitions/SeemTypeCatalog.h"
#include "core/files/SeemFile.h"

namespace vantrel::cli {

namespace {

constexpr const char* kNoMatch = "unknown";

std::string sizeRefusal(const SeemFileSize& size) {
    switch (size.status) {
    case SeemFileRead::Status::TooLarge:
        return "larger than 5000 bytes, not a seem file";
    case SeemFileRead::Status::Empty:
        return "the file is empty";
    default:
        return size.reason;
    }
}

// A file's length: from its inode alone, or by reading standard input.
SeemFileSize fileSize(const CliContext& context, const std::string& path) {
    if (path != "-")
        return probeSeemFileSize(path);
    SeemFileSize size;
    std::string reason;
    if (openSeem(context, path, &reason)) {
        size.status = SeemFileRead::Status::Ok;
        size.length = static_cast<std::size_t>(context.document.grid().cellCount());
    } else {
        size.reason = reason;
    }
    return size;
}

} // namespace

// The types opening can match, by the rules show uses: an element that is no
// usable type is skipped with a warning, not the end of the listing.
int runTypes(CliContext& context, const FilesOptions&) {
    Json json = Json::array();
    const auto types = context.document.definitions().root().children();
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (const auto problem = seemTypeProblem(types[i])) {
            context.err << "vantrel-cli: warning: " << context.data.definitionsPath << ": type "
                        << i << " skipped: " << problem->message << '\n';
            continue;
        }
        const std::string id = *types[i].attribute("ID");
        const auto size = parseDecimal(*types[i].attribute("size")).value_or(0);
        const std::string kind = toLowerAscii(*types[i].attribute("type"));
        if (context.json())
            json.push_back({{"index", i}, {"id", id}, {"size", size}, {"type", kind}});
        else
            context.out << i << '\t' << id << '\t' << size << '\t' << kind << '\n';
    }
    if (context.json())
        printJson(context.out, json);
    return kSuccess;
}

// Matching needs only a length, so the files are not opened: one look at each.
int runIdentify(CliContext& context, const FilesOptions& options) {
    if (options.explain)
        return explainIdentify(context, options.files);
    int status = kSuccess;
    Json json = Json::array();
    const XmlElement root = context.document.definitions().root();
    for (const std::string& path : options.files) {
        const SeemFileSize size = fileSize(context, path);
        if (size.status != SeemFileRead::Status::Ok) {
            status = context.badInput(path, sizeRefusal(size));
            if (context.json())
                json.push_back(errorObject(path, sizeRefusal(size)));
            else
                context.out << path << "\t-\terror: " << sizeRefusal(size) << '\n';
            continue;
        }
        const XmlElement type = findSeemType(root, size.length);
        const std::string id = type ? type.attribute("ID").value_or("") : "-";
        const std::string kind =
            type ? toLowerAscii(type.attribute("type").value_or("")) : kNoMatch;
        if (context.json()) {
            Json entry = Json::object();
            putPath(entry, "path", path);
            entry["id"] = type ? Json(id) : Json(nullptr);
            entry["type"] = type ? Json(kind) : Json(nullptr);
            json.push_back(std::move(entry));
        } else {
            context.out << path << '\t' << id << '\t' << kind << '\n';
        }
    }
    if (context.json())
        printJson(context.out, json);
    return status;
}

int runDump(CliContext& context, const FilesOptions& options) {
    const std::string& path = options.files.front();
    if (!openSeem(context, path))
        return kBadInput;
    const ByteGrid& grid = context.document.grid();
    if (context.json()) {
        Json json = Json::object();
        putPath(json, "path", path);
        json["size"] = grid.cellCount();
        std::string hex;
        for (int index = 0; index < grid.cellCount(); ++index)
            hex += grid.text(index);
        json["hex"] = hex;
        printJson(context.out, json);
        return kSuccess;
    }
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

// Each file read once, shown, and the next; a file that fails is reported in
// its place and the rest go on.
int runShow(CliContext& context, const FilesOptions& options) {
    int status = kSuccess;
    Json json = Json::array();
    for (const std::string& path : options.files) {
        std::string problem;
        std::string kind;
        if (openSeem(context, path, &problem)) {
            kind = context.document.typeName();
            if (kind.empty())
                problem = "no seem type of " + std::to_string(context.document.grid().cellCount()) +
                          " bytes in " + context.data.definitionsPath;
        }
        if (!problem.empty()) {
            status = context.badInput(path, problem);
            if (context.json())
                json.push_back(errorObject(path, problem));
            else if (options.files.size() > 1)
                context.out << path << "\nerror: " << problem << '\n';
            continue;
        }
        Json entry = Json::object();
        if (context.json()) {
            putPath(entry, "path", path);
            entry["id"] = context.document.type().attribute("ID").value_or("");
            entry["type"] = kind;
        } else if (options.files.size() > 1) {
            context.out << path << '\n';
        }
        if (const int shown = showDecoded(context, kind, context.json() ? &entry : nullptr);
            shown != kSuccess) {
            status = shown;
            entry = errorObject(path, "Vantrel has no editor for the seem type \"" + kind + "\"");
        }
        if (context.json())
            json.push_back(std::move(entry));
    }
    if (context.json())
        printJson(context.out, json);
    return status;
}

} // namespace vantrel::cli
