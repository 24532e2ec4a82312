// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/compare/DifferenceJson.h"

namespace vantrel {

nlohmann::ordered_json differenceJson(const SettingDifference& difference) {
    return {{"kind", std::string(settingKindName(difference.kind))},
            {"name", difference.name},
            {"key", difference.key},
            {"a", difference.ours},
            {"b", difference.theirs},
            {"offset", difference.firstCell},
            {"length", difference.lastCell - difference.firstCell + 1}};
}

nlohmann::ordered_json differencesJson(const std::vector<SettingDifference>& differences) {
    nlohmann::ordered_json json = nlohmann::ordered_json::array();
    for (const SettingDifference& difference : differences)
        json.push_back(differenceJson(difference));
    return json;
}

} // namespace vantrel
