// SPDX-License-Identifier: GPL-3.0-or-later
// outertext, gprs and scan: the generator windows' records and the seem-folder submenu.
#include "cli/Commands.h"
#include "core/definitions/SeemTypeCatalog.h"
#include "core/editors/SchemeTitle.h"
#include "core/files/SeemFile.h"
#include "core/generators/GprsTextRecord.h"
#include "core/generators/OuterTextRecord.h"
#include "core/generators/Utf16Text.h"
#include "core/shell/SeemFolderScan.h"

#include <filesystem>

namespace vantrel::cli {

namespace {

// What a generator keeps of a text, and whether it had to cut it. A silent
// cut would put a different text on the phone than the user typed.
int writeText(const CliContext& context, const TextOptions& options, const std::u16string& typed,
              const std::u16string& kept, const std::vector<std::uint8_t>& record, Json json) {
    const bool cut = kept.size() < typed.size();
    if (cut) {
        const std::string message = "the text does not fit and was cut to \"" + utf16ToUtf8(kept) +
                                    "\" (" + std::to_string(kept.size()) + " UTF-16 units)";
        if (options.strict)
            return context.badInput(options.output, message + "; nothing written (--strict)");
        context.err << "vantrel-cli: warning: " << message << '\n';
    }
    if (options.output == "-" && context.json())
        return context.usage("-o - and --json would both write to standard output");
    if (const int status = writeResult(context, options.output, record); status != kSuccess)
        return status;
    if (context.json()) {
        putPath(json, "output", options.output);
        json["text"] = utf16ToUtf8(kept);
        json["cut"] = cut;
        printJson(context.out, json);
    }
    return kSuccess;
}

} // namespace

int runOuterText(CliContext& context, const TextOptions& options) {
    const std::u16string typed(trimBlanks(utf8ToUtf16(*options.text)));
    const std::u16string kept = wholeCharacters(typed, kOuterTextUnits);
    return writeText(context, options, typed, kept, encodeOuterTextRecord(typed), Json::object());
}

int runGprs(CliContext& context, const TextOptions& options) {
    if (options.date + options.nothing + options.text.has_value() != 1)
        return context.usage("gprs needs one of --date, --nothing or --text TEXT");
    const std::u16string typed = options.text ? utf8ToUtf16(*options.text) : std::u16string();
    const GprsDisplayMode mode = options.date      ? GprsDisplayMode::AlwaysDate
                                 : options.nothing ? GprsDisplayMode::ShowNothing
                                                   : GprsDisplayMode::CustomText;
    const char* modeName = options.date ? "date" : options.nothing ? "nothing" : "text";
    return writeText(context, options, typed, wholeCharacters(typed, kGprsTextUnits),
                     encodeGprsTextRecord(mode, typed), Json{{"mode", modeName}});
}

// A folder that is missing or a file would list six "-" and pass for an empty folder.
int runScan(CliContext& context, const FilesOptions& options) {
    const std::string& folder = options.files.front();
    std::error_code error;
    if (folder.empty())
        return context.badInput("scan", "the folder name is empty");
    if (!std::filesystem::is_directory(folder, error))
        return context.badInput(folder, std::filesystem::exists(folder, error)
                                            ? "not a folder"
                                            : "the folder does not exist");
    std::vector<SeemTypeEntry> catalog;
    if (const auto failure = buildSeemTypeCatalog(context.document.definitions().root(), catalog))
        return context.badInput(context.data.definitionsPath, failure->message);
    const SeemFolderItems items = scanSeemFolder(withTrailingSeparator(folder), catalog);
    Json json = Json::object();
    for (const SeemFolderItem item : kSeemFolderItems) {
        const auto path = seemFolderItemPath(items, catalog, item);
        const std::string kind(seemFolderItemType(item));
        if (!context.json())
            context.out << kind << '\t' << path.value_or("-") << '\n';
        else if (path)
            putPath(json, kind, *path);
        else
            json[kind] = nullptr;
    }
    if (context.json())
        printJson(context.out, json);
    return kSuccess;
}

} // namespace vantrel::cli
