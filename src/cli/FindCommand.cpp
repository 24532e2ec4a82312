// SPDX-License-Identifier: GPL-3.0-or-later
// find TEXT TARGET...: the settings a text names, or where bytes lie, in seem
// files and folders; the answers of grep: 0 found, 1 nothing found, 2 trouble.
#include "cli/Commands.h"
#include "cli/FolderCommands.h"
#include "core/files/SeemFile.h"
#include "core/find/BytePattern.h"
#include "core/find/FolderSearch.h"

#include <cstdio>

namespace vantrel::cli {

namespace {

constexpr int kNothingFound = 1;

std::string_view modeName(FindMode mode) {
    switch (mode) {
    case FindMode::Settings:
        return "settings";
    case FindMode::HexBytes:
        return "bytes";
    case FindMode::AsciiText:
        return "ascii";
    case FindMode::Utf16Text:
        return "utf16";
    }
    return "settings";
}

std::string hexBytes(const std::vector<std::uint8_t>& bytes, CellRange range) {
    std::string hex;
    for (int k = 0; k < range.length; ++k) {
        char pair[4];
        std::snprintf(pair, sizeof pair, k == 0 ? "%02X" : " %02X",
                      bytes[static_cast<std::size_t>(range.offset + k)]);
        hex += pair;
    }
    return hex;
}

// Tells each file's matches as they are found, so a large folder's output
// starts at once.
class FindReport {
  public:
    FindReport(const CliContext& context, FindMode mode, std::string pattern)
        : m_context(context), m_pattern(std::move(pattern)) {
        if (m_context.json()) {
            Json head{{"mode", modeName(mode)}, {"pattern", m_pattern}};
            const std::string text = dump(head);
            m_context.out << text.substr(0, text.size() - 1) << R"(,"files":[)";
        }
    }

    void finish() {
        if (m_context.json())
            m_context.out << "]}\n";
    }

    void settings(const std::string& path, const std::vector<SettingMatch>& matches) {
        if (matches.empty())
            return;
        m_found = true;
        if (!m_context.json()) {
            for (const SettingMatch& match : matches)
                m_context.out << path << '\t' << match.path << '\t' << match.value << '\n';
            return;
        }
        Json list = Json::array();
        for (const SettingMatch& match : matches)
            list.push_back({{"kind", settingKindName(match.kind)},
                            {"key", match.key},
                            {"name", match.path},
                            {"value", match.value}});
        write(path, std::move(list));
    }

    void bytes(const std::string& path, const std::vector<std::uint8_t>& content,
               const std::vector<CellRange>& matches) {
        if (matches.empty())
            return;
        m_found = true;
        if (!m_context.json()) {
            for (const CellRange& match : matches) {
                char offset[16];
                std::snprintf(offset, sizeof offset, "%04X", static_cast<unsigned>(match.offset));
                m_context.out << path << '\t' << offset << '\t' << hexBytes(content, match) << '\n';
            }
            return;
        }
        Json list = Json::array();
        for (const CellRange& match : matches)
            list.push_back({{"offset", match.offset},
                            {"length", match.length},
                            {"hex", hexBytes(content, match)}});
        write(path, std::move(list));
    }

    void failed(const std::string& path, const std::string& reason, bool skipped) {
        m_trouble = true;
        m_context.badInput(path, reason);
        if (m_context.json())
            writeElement(skipped ? skippedObject(path, reason) : errorObject(path, reason));
    }

    [[nodiscard]] int status() const {
        return m_trouble ? kBadInput : m_found ? kSuccess : kNothingFound;
    }

  private:
    static std::string dump(const Json& json) {
        return json.dump(-1, ' ', false, Json::error_handler_t::replace);
    }

    void write(const std::string& path, Json matches) {
        Json file = Json::object();
        putPath(file, "path", path);
        file["matches"] = std::move(matches);
        writeElement(file);
    }

    void writeElement(const Json& element) {
        m_context.out << (m_first ? "" : ",") << dump(element);
        m_first = false;
    }

    const CliContext& m_context;
    std::string m_pattern;
    bool m_first = true;
    bool m_found = false;
    bool m_trouble = false;
};

void searchTarget(const std::string& target, const SeemFolderVisitor& visitor) {
    if (isFolder(target)) {
        if (!readSeemFolder(target, visitor))
            visitor.failed(target, "the folder cannot be read", false);
        return;
    }
    const SeemFileRead read = readSeemFile(target);
    switch (read.status) {
    case SeemFileRead::Status::Ok:
        visitor.file(target, target, read.bytes);
        return;
    case SeemFileRead::Status::TooLarge:
        visitor.failed(target, "larger than 5000 bytes, not a seem file", false);
        return;
    case SeemFileRead::Status::Empty:
        visitor.failed(target, "empty, not a seem file", false);
        return;
    case SeemFileRead::Status::Failed:
        break;
    }
    visitor.failed(target, read.reason, false);
}

} // namespace

int runFind(CliContext& context, const FindOptions& options) {
    FindMode mode = FindMode::Settings;
    std::string pattern;
    std::vector<std::string> targets = options.arguments;
    if (options.bytes || options.text) {
        mode = options.bytes ? FindMode::HexBytes
                             : (options.utf16 ? FindMode::Utf16Text : FindMode::AsciiText);
        pattern = options.bytes ? *options.bytes : *options.text;
    } else {
        pattern = targets.front();
        targets.erase(targets.begin());
    }
    if (targets.empty())
        return context.badInput(pattern, "find needs a seem file or folder to search");
    const PatternParse parse = patternFor(mode, pattern);
    if (parse.problem)
        return context.badInput(pattern, parse.problem->text(context.session.strings()));
    if (pattern.empty() || (mode == FindMode::HexBytes && parse.pattern.empty()))
        return context.badInput(pattern, "nothing to find");

    FindReport report(context, mode, pattern);
    SettingFinder finder(context.document.definitions().root(), pattern);
    // A folder's files whose type cannot hold a matching setting are not read.
    std::function<bool(std::uintmax_t)> wanted;
    if (mode == FindMode::Settings)
        wanted = [&finder](std::uintmax_t size) { return finder.mayMatchSize(size); };
    const SeemFolderVisitor visitor{
        std::move(wanted),
        [&](const std::string&, const std::string& path, const std::vector<std::uint8_t>& bytes) {
            if (mode == FindMode::Settings)
                report.settings(path, finder.find(bytes));
            else
                report.bytes(path, bytes, findPattern(bytes, parse.pattern));
        },
        [&](const std::string& path, const std::string& reason, bool skipped) {
            report.failed(path, reason, skipped);
        }};
    for (const std::string& target : targets)
        searchTarget(target, visitor);
    report.finish();
    return report.status();
}

} // namespace vantrel::cli
