// SPDX-License-Identifier: GPL-3.0-or-later
// identify --explain: which types fit a file's size, and which one opening takes.
#include "cli/Commands.h"
#include "core/definitions/SeemTypeCatalog.h"

namespace vantrel::cli {

namespace {

std::string describeType(const SeemTypeMatch& match) {
    return "type " + std::to_string(match.index) + " (" +
           match.element.attribute("ID").value_or("?") + ", " +
           toLowerAscii(match.element.attribute("type").value_or("?")) + ", size " +
           match.element.attribute("size").value_or("?") + ")";
}

Json explainedMatches(const std::vector<SeemTypeMatch>& matches) {
    Json json = Json::array();
    for (std::size_t i = 0; i < matches.size(); ++i) {
        const XmlElement& element = matches[i].element;
        json.push_back({{"index", matches[i].index},
                        {"id", element.attribute("ID").value_or("")},
                        {"type", toLowerAscii(element.attribute("type").value_or(""))},
                        {"size", element.attribute("size").value_or("")},
                        {"exact_size", matches[i].exactSize},
                        {"chosen", i == 0}});
    }
    return json;
}

} // namespace

int explainIdentify(CliContext& context, const std::vector<std::string>& files) {
    int status = kSuccess;
    Json json = Json::array();
    for (const std::string& path : files) {
        std::string problem;
        if (!openSeem(context, path, &problem)) {
            status = context.badInput(path, problem);
            if (context.json())
                json.push_back(errorObject(path, problem));
            continue;
        }
        const auto length = static_cast<std::size_t>(context.document.grid().cellCount());
        const auto matches = matchingSeemTypes(context.document.definitions().root(), length);
        if (context.json()) {
            Json entry = Json::object();
            putPath(entry, "path", path);
            entry["size"] = length;
            entry["matches"] = explainedMatches(matches);
            json.push_back(std::move(entry));
            continue;
        }
        context.out << path << ": " << length << " bytes\n";
        if (matches.empty()) {
            context.out << "  no type has size " << length << " or " << length - 1
                        << ": the file opens in the grid without an editor\n";
            continue;
        }
        for (std::size_t i = 0; i < matches.size(); ++i) {
            context.out << "  " << describeType(matches[i]) << ": "
                        << (matches[i].exactSize ? "exact size" : "the file is one byte longer");
            context.out << (i == 0 ? "; chosen, the first match in document order\n"
                                   : "; not chosen\n");
        }
        for (std::size_t i = 1; i < matches.size(); ++i) {
            context.out << "warning: " << describeType(matches[i]) << " is shadowed by "
                        << describeType(matches[0]) << " for files of " << length << " bytes\n";
        }
    }
    if (context.json())
        printJson(context.out, json);
    return status;
}

} // namespace vantrel::cli
