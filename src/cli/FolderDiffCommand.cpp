// SPDX-License-Identifier: GPL-3.0-or-later
// diff DIR1 DIR2: two backups of a phone compared file by file, setting by setting.
#include "cli/FolderCommands.h"

#include "cli/JsonWriter.h"
#include "core/compare/FolderComparison.h"

#include <filesystem>

namespace vantrel::cli {

namespace {

constexpr int kFoldersDiffer = 1;

const char* kindName(SettingKind kind) {
    switch (kind) {
    case SettingKind::Switch:
        return "switch";
    case SettingKind::Style:
        return "style";
    case SettingKind::Volume:
        return "volume";
    case SettingKind::Color:
        return "color";
    case SettingKind::Title:
        return "title";
    case SettingKind::OuterText:
        return "outertext";
    case SettingKind::Gprs:
        return "gprs";
    case SettingKind::Bytes:
        break;
    }
    return "bytes";
}

// Reports as it goes, so the output starts at once and nothing piles up.
class FolderReport : public FolderComparisonVisitor {
  public:
    FolderReport(const CliContext& context, std::string ours, std::string theirs)
        : m_context(context), m_ours(std::move(ours)), m_theirs(std::move(theirs)),
          m_json(context.out) {
        if (!m_context.options.json)
            return;
        m_json.beginObject().key("a").value(m_ours).key("b").value(m_theirs);
        m_json.key("files").beginArray();
    }

    void finish() {
        if (!m_context.options.json)
            return;
        m_json.endArray().endObject();
        m_context.out << '\n';
    }

    void onlyIn(FolderSide side, const std::string& name) override {
        m_differ = true;
        const bool ours = side == FolderSide::Ours;
        if (m_context.options.json) {
            m_json.beginObject().key("name").value(name);
            m_json.key("status").value(ours ? "only-a" : "only-b").endObject();
            return;
        }
        m_context.out << "Only in " << (ours ? m_ours : m_theirs) << ": " << name << '\n';
    }

    void changed(const ChangedPair& pair) override {
        m_differ = true;
        const SeemComparison& comparison = pair.comparison;
        if (m_context.options.json) {
            writeJson(pair);
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
        m_trouble = true;
        m_context.badInput(path, reason);
    }

    [[nodiscard]] int status() const {
        return m_trouble ? kBadInput : m_differ ? kFoldersDiffer : kSuccess;
    }

  private:
    void writeJson(const ChangedPair& pair) {
        const SeemComparison& comparison = pair.comparison;
        m_json.beginObject().key("name").value(pair.oursName);
        if (pair.theirsName != pair.oursName)
            m_json.key("nameB").value(pair.theirsName);
        m_json.key("status").value("changed");
        m_json.key("by").value(comparison.bySettings ? "settings" : "bytes");
        m_json.key("reason");
        comparison.bySettings ? m_json.null() : m_json.value(comparison.reason);
        m_json.key("differences").beginArray();
        for (const SettingDifference& difference : comparison.differences) {
            m_json.beginObject().key("kind").value(kindName(difference.kind));
            m_json.key("name").value(difference.name);
            m_json.key("a").value(difference.ours).key("b").value(difference.theirs);
            m_json.key("offset").value(difference.firstCell);
            m_json.key("length").value(difference.lastCell - difference.firstCell + 1);
            m_json.endObject();
        }
        m_json.endArray().endObject();
    }

    const CliContext& m_context;
    std::string m_ours;
    std::string m_theirs;
    JsonWriter m_json;
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
