// SPDX-License-Identifier: GPL-3.0-or-later
// coverage: which bits of a file the definitions describe, byte by byte.
#include "core/coverage/Coverage.h"

#include "cli/Commands.h"

#include <cstdio>

namespace vantrel::cli {

namespace {

// Bit 7 first, as a byte is written: '#' described, '.' not.
std::string bitPicture(std::uint8_t described) {
    std::string picture;
    for (int bit = 7; bit >= 0; --bit)
        picture += ((described >> bit) & 1) ? '#' : '.';
    return picture;
}

// Four digits, so the columns line up in every file of up to 5000 bytes.
std::string offsetColumn(int cell) {
    char text[9]; // room for any unsigned, though a cell needs four
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(cell));
    return text;
}

void writeText(const CliContext& context, const std::string& file, const Coverage& coverage) {
    const ByteGrid& grid = context.document.grid();
    const UiStrings strings;
    context.out << file << ": " << context.document.type().attribute("ID").value_or("-") << " ("
                << context.document.typeName() << "), "
                << coverage.describedBitCount(0, grid.cellCount() - 1) << " of "
                << grid.cellCount() * 8 << " bits described\n";
    for (int cell = 0; cell < grid.cellCount(); ++cell)
        context.out << offsetColumn(cell) << "  " << bitPicture(coverage.bitsOf(cell)) << "  "
                    << cellCoverageText(coverage, cell, strings) << '\n';
    for (const auto& [first, second] : coverage.overlaps)
        context.out << "overlap: " << coverage.items[first].name << " & "
                    << coverage.items[second].name << '\n';
}

void writeJson(const CliContext& context, const std::string& file, const Coverage& coverage) {
    const ByteGrid& grid = context.document.grid();
    const XmlDocument& definitions = context.document.definitions();
    Json json = Json::object();
    putPath(json, "file", file);
    json["type"] = context.document.typeName();
    json["size"] = grid.cellCount();
    json["described"] = coverage.describedBitCount(0, grid.cellCount() - 1);
    json["items"] = Json::array();
    for (const CoveredItem& item : coverage.items) {
        json["items"].push_back({{"name", item.name},
                                 {"offset", item.firstCell},
                                 {"length", item.lastCell - item.firstCell + 1},
                                 {"bits", static_cast<int>(item.mask)},
                                 {"line", definitions.position(item.element).line}});
    }
    json["bytes"] = Json::array();
    for (int cell = 0; cell < grid.cellCount(); ++cell)
        json["bytes"].push_back(static_cast<int>(coverage.bitsOf(cell)));
    json["overlaps"] = Json::array();
    for (const auto& [first, second] : coverage.overlaps)
        json["overlaps"].push_back({static_cast<int>(first), static_cast<int>(second)});
    printJson(context.out, json);
}

} // namespace

int printCoverage(CliContext& context, const std::string& file) {
    if (!openSeem(context, file))
        return kBadInput;
    const Coverage coverage = computeCoverage(context.document.type(), context.document.typeName(),
                                              context.document.grid());
    if (context.options.json)
        writeJson(context, file, coverage);
    else
        writeText(context, file, coverage);
    return kSuccess;
}

int runCoverage(CliContext& context, const FilesOptions& options) {
    return printCoverage(context, options.files.front());
}

} // namespace vantrel::cli
