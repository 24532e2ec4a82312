// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/find/SettingSearch.h"

#include "core/editors/ColorScheme.h"
#include "core/editors/SeemKind.h"
#include "core/editors/SettingText.h"

#include <algorithm>

namespace vantrel {

namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool mentions(std::string_view name, std::string_view tip, std::string_view text) {
    return containsIgnoringCase(name, text) || containsIgnoringCase(tip, text);
}

class SwitchSearch {
  public:
    SwitchSearch(std::string_view text, std::vector<SettingMatch>& matches)
        : m_text(text), m_matches(matches) {}

    // The path is joined only for a match: a folder's thousands of files walk
    // the same tree each time, and most of its nodes match nothing.
    void walk(const FunctionNode& node, std::vector<std::string>& folders) {
        for (const FunctionNode& child : node.children) {
            m_names.push_back(child.text);
            if (child.isSwitch() && mentions(child.text, child.tip, m_text))
                m_matches.push_back({SettingKind::Switch, child.key, joinedPath(), onOff(child.on),
                                     folders, child.cellIndex, 1});
            folders.push_back(child.key);
            walk(child, folders);
            folders.pop_back();
            m_names.pop_back();
        }
    }

  private:
    [[nodiscard]] std::string joinedPath() const {
        std::string path;
        for (std::string_view name : m_names) {
            if (!path.empty())
                path += '/';
            path += name;
        }
        return path;
    }

    std::string_view m_text;
    std::vector<SettingMatch>& m_matches;
    std::vector<std::string_view> m_names;
};

bool elementMentions(const XmlElement& element, std::string_view text) {
    for (const XmlElement& child : element.children()) {
        if (containsIgnoringCase(child.attribute("ID").value_or(""), text) ||
            containsIgnoringCase(child.attribute("tip").value_or(""), text) ||
            elementMentions(child, text))
            return true;
    }
    return false;
}

} // namespace

bool containsIgnoringCase(std::string_view text, std::string_view part) {
    const auto found = std::search(text.begin(), text.end(), part.begin(), part.end(),
                                   [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
    return found != text.end() || part.empty();
}

std::vector<SettingMatch> findSettings(const EditorModel& model, const ByteGrid& grid,
                                       std::string_view text) {
    std::vector<SettingMatch> matches;
    if (!text.empty())
        seemKind(model.kind).findSettings(model, grid, text, matches);
    return matches;
}

void findSwitches(const FunctionNode& root, std::string_view text, std::vector<SettingMatch>& out) {
    std::vector<std::string> folders{root.key};
    SwitchSearch(text, out).walk(root, folders);
}

void findStyles(const StyleRows& styles, std::string_view text, std::vector<SettingMatch>& out) {
    for (const StyleRow& row : styles.rows) {
        if (mentions(row.text, row.tip, text))
            out.push_back(
                {SettingKind::Style, row.key, row.text, onOff(row.checked), {}, row.offset, 1});
    }
}

void findVolumes(const VolumeItems& volumes, std::string_view text,
                 std::vector<SettingMatch>& out) {
    for (std::size_t row = 0; row < volumes.items.size(); ++row) {
        const VolumeItem& item = volumes.items[row];
        if (mentions(item.caption, item.tip, text))
            out.push_back({SettingKind::Volume,
                           volumeKey(row),
                           volumeName(item),
                           std::to_string(item.position),
                           {},
                           item.offset,
                           1});
    }
}

void findColors(const ColorTree& colors, const ByteGrid& grid, std::string_view text,
                std::vector<SettingMatch>& out) {
    for (const ColorGroup& group : colors.groups) {
        for (const ColorEntry& entry : group.entries) {
            if (mentions(entry.caption, group.caption, text))
                out.push_back({SettingKind::Color,
                               entry.key,
                               group.caption + "/" + entry.caption,
                               rgbText(readColorRecord(grid, entry.offset)),
                               {},
                               entry.offset,
                               kColorRecordBytes});
        }
    }
}

bool typeMentions(const XmlElement& type, std::string_view text) {
    return !type.isNull() && elementMentions(type, text);
}

} // namespace vantrel
