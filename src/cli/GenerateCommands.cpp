// SPDX-License-Identifier: GPL-3.0-or-later
// outertext, gprs and scan: the generator windows' records and the seem-folder submenu.
#include "cli/Commands.h"

#include "cli/JsonWriter.h"
#include "core/files/SeemFile.h"
#include "core/definitions/SeemTypeCatalog.h"
#include "core/editors/SchemeTitle.h"
#include "core/generators/GprsTextRecord.h"
#include "core/generators/OuterTextRecord.h"
#include "core/shell/SeemFolderScan.h"

namespace vantrel::cli {

namespace {

int writeRecord(const CliContext& context, const std::string& path,
                const std::vector<std::uint8_t>& record) {
    if (const auto failure = writeFileAtomically(path, record))
        return context.badInput(path, *failure);
    return kSuccess;
}

} // namespace

int runOuterText(CliContext& context, CommandArguments& arguments) {
    const auto output = arguments.takeValue("-o");
    const auto& words = arguments.positional();
    if (arguments.error() || words.size() != 1 || !output)
        return context.usage(arguments.error().value_or("outertext needs TEXT and -o OUT"));
    return writeRecord(context, *output, encodeOuterTextRecord(utf8ToUtf16(words[0])));
}

int runGprs(CliContext& context, CommandArguments& arguments) {
    const auto output = arguments.takeValue("-o");
    const auto text = arguments.takeValue("--text");
    const bool date = arguments.takeFlag("--date");
    const bool nothing = arguments.takeFlag("--nothing");
    const auto& words = arguments.positional();
    if (arguments.error() || !words.empty() || !output || (date + nothing + text.has_value()) != 1)
        return context.usage(arguments.error().value_or(
            "gprs needs one of --date, --nothing or --text TEXT, and -o OUT"));
    const std::u16string units = text ? utf8ToUtf16(*text) : std::u16string();
    if (units.size() > kGprsTextUnits)
        return context.badInput(*output, "a GPRS text holds at most 13 UTF-16 units");
    const GprsDisplayMode mode = date      ? GprsDisplayMode::AlwaysDate
                                 : nothing ? GprsDisplayMode::ShowNothing
                                           : GprsDisplayMode::CustomText;
    return writeRecord(context, *output, encodeGprsTextRecord(mode, units));
}

int runScan(CliContext& context, CommandArguments& arguments) {
    const auto& words = arguments.positional();
    if (arguments.error() || words.size() != 1)
        return context.usage(arguments.error().value_or("scan needs exactly one folder"));
    std::vector<SeemTypeEntry> catalog;
    if (const auto failure = buildSeemTypeCatalog(context.document.definitions().root(), catalog))
        return context.badInput(context.data.definitionsPath, *failure);
    const SeemFolderItems items = ScanSeemFolder(withTrailingSeparator(words[0]), catalog);
    JsonWriter json(context.out);
    if (context.options.json)
        json.beginObject();
    for (const SeemFolderItem item : kSeemFolderItems) {
        const auto path = seemFolderItemPath(items, catalog, item);
        const std::string kind(seemFolderItemType(item));
        if (context.options.json) {
            json.key(kind);
            path ? json.value(*path) : json.null();
        } else {
            context.out << kind << '\t' << path.value_or("-") << '\n';
        }
    }
    if (context.options.json)
        json.endObject();
    return kSuccess;
}

} // namespace vantrel::cli
