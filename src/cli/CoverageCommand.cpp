// SPDX-License-Identifier: GPL-3.0-or-later
// coverage: which bits of a file the definitions describe, byte by byte.
#include "cli/Commands.h"

#include "cli/JsonWriter.h"
#include "core/coverage/Coverage.h"

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
    char text[8];
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
    JsonWriter json(context.out);
    json.beginObject().key("file").value(file);
    json.key("type").value(context.document.typeName());
    json.key("size").value(grid.cellCount());
    json.key("described").value(coverage.describedBitCount(0, grid.cellCount() - 1));
    json.key("items").beginArray();
    for (const CoveredItem& item : coverage.items) {
        json.beginObject().key("name").value(item.name);
        json.key("offset").value(item.firstCell);
        json.key("length").value(item.lastCell - item.firstCell + 1);
        json.key("bits").value(static_cast<int>(item.mask));
        json.key("line").value(definitions.position(item.element).line);
        json.endObject();
    }
    json.endArray().key("bytes").beginArray();
    for (int cell = 0; cell < grid.cellCount(); ++cell)
        json.value(static_cast<int>(coverage.bitsOf(cell)));
    json.endArray().key("overlaps").beginArray();
    for (const auto& [first, second] : coverage.overlaps)
        json.beginArray().value(static_cast<int>(first)).value(static_cast<int>(second)).endArray();
    json.endArray().endObject();
    context.out << '\n';
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

int runCoverage(CliContext& context, CommandArguments& arguments) {
    const auto& files = arguments.positional();
    if (files.size() != 1 || arguments.error())
        return context.usage(arguments.error().value_or("coverage needs exactly one file"));
    return printCoverage(context, files[0]);
}

} // namespace vantrel::cli
