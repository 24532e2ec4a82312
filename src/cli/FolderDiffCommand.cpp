// SPDX-License-Identifier: GPL-3.0-or-later
// diff DIR1 DIR2: two backups of a phone compared file by file, setting by setting.
#include "cli/CliJson.h"
#include "cli/FolderCommands.h"
#include "core/compare/DifferenceJson.h"
#include "core/compare/FolderComparison.h"

#include <filesystem>

namespace vantrel::cli {

namespace {

constexpr int kFoldersDiffer = 1;

// Reports as it goes, so the output starts at once and nothing piles up.
class FolderReport : public FolderComparisonVisitor {
  public:
    FolderReport(const CliContext& context, std::string ours, std::string theirs)
        : m_context(context), m_ours(std::move(ours)), m_theirs(std::move(theirs)) {
        if (m_context.options.json)
            m_context.out << R"({"a":)" << dump(m_ours) << R"(,"b":)" << dump(m_theirs)
                          << R"(,"files":[)";
    }

    void finish() {
        if (m_context.options.json)
            m_context.out << "]}\n";
    }

    void onlyIn(FolderSide side, const std::string& name) override {
        m_differ = true;
        const bool ours = side == FolderSide::Ours;
        if (m_context.options.json) {
            writeJson(Json{{"name", name}, {"status", ours ? "only-a" : "only-b"}});
            return;
        }
        m_context.out << "Only in " << (ours ? m_ours : m_theirs) << ": " << name << '\n';
    }

    void changed(const ChangedPair& pair) override {
        m_differ = true;
        const SeemComparison& comparison = pair.comparison;
        if (m_context.options.json) {
            writeJson(pairJson(pair));
            return;
        }
        const std::size_t count = comparison.differences.size();
        m_context.out << pair.oursName << ": " << count
                      << (count == 1 ? " difference" : " differences");
        if (!comparison.bySettings)
            m_context.out << " (" << comparison.reason << ")";
        m_context.out << '\n';
        for (const SettingDifference& difference : comparison.differences)
            m_context.out << "  " << differenceLine(difference) << '\n';
    }

    void unreadable(const std::string& path, const std::string& reason) override {
        failed(path, reason, false);
    }

    void skipped(const std::string& path, const std::string& reason) override {
        failed(path, reason, true);
    }

    [[nodiscard]] int status() const {
        return m_trouble ? kBadInput : m_differ ? kFoldersDiffer : kSuccess;
    }

  private:
    static std::string dump(const Json& json) {
        return json.dump(-1, ' ', false, Json::error_handler_t::replace);
    }

    void failed(const std::string& path, const std::string& reason, bool skipped) {
        m_trouble = true;
        m_context.badInput(path, reason);
        if (!m_context.options.json)
            return;
        writeJson(skipped ? skippedObject(path, reason) : errorObject(path, reason));
    }

    // One element of the files list; elements go out as they come.
    void writeJson(const Json& file) {
        m_context.out << (m_firstFile ? "" : ",") << dump(file);
        m_firstFile = false;
    }

    static Json pairJson(const ChangedPair& pair) {
        const SeemComparison& comparison = pair.comparison;
        Json file{{"name", pair.oursName}};
        if (pair.theirsName != pair.oursName)
            file["nameB"] = pair.theirsName;
        file["status"] = "changed";
        file["by"] = comparison.bySettings ? "settings" : "bytes";
        file["reason"] = comparison.bySettings ? Json() : Json(comparison.reason);
        file["differences"] = differencesJson(comparison.differences);
        return file;
    }

    const CliContext& m_context;
    std::string m_ours;
    std::string m_theirs;
    bool m_firstFile = true;
    bool m_differ = false;
    bool m_trouble = false;
};

} // namespace

bool isFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

int diffFolders(const CliContext& context, const std::string& ours, const std::string& theirs) {
    if (!isFolder(ours) || !isFolder(theirs))
        return context.badInput(isFolder(ours) ? theirs : ours,
                                "a folder is compared with a folder only");
    FolderReport report(context, ours, theirs);
    const auto failure = compareSeemFolders(ours, theirs, context.document.definitions().root(),
                                            UiStrings(), report);
    if (failure)
        return context.badInput(failure->folder, failure->reason);
    report.finish();
    return report.status();
}

} // namespace vantrel::cli
