// SPDX-License-Identifier: GPL-3.0-or-later
// Edits of volume, colour and title settings, through the editing session.
#include "cli/Commands.h"

namespace vantrel::cli {

namespace {

// Every volume item back at its default; the items that moved are reported.
int resetVolumes(CliContext& context, const EditOptions& options) {
    return editFile(context, options, SettingKind::Volume, [&](std::vector<EditChange>& changes) {
        EditingSession& session = context.session;
        std::vector<std::pair<std::string, std::string>> before;
        for (const auto& [key, name] : session.model().namedSettings(SettingKind::Volume))
            before.emplace_back(name, settingText(session, SettingKind::Volume, key));
        if (const EditResult refused = session.resetVolumes())
            return context.badInput(options.file, refused->detail);
        const auto items = session.model().namedSettings(SettingKind::Volume);
        for (std::size_t i = 0; i < items.size() && i < before.size(); ++i) {
            const std::string after = settingText(session, SettingKind::Volume, items[i].first);
            if (after != before[i].second)
                changes.push_back({before[i].first, before[i].second, after});
        }
        return static_cast<int>(kSuccess);
    });
}

} // namespace

int runVolume(CliContext& context, const EditOptions& options) {
    if (options.reset != options.name.empty() || options.name.empty() != options.value.empty())
        return context.usage("volume takes ID VALUE, or --reset");
    return options.reset ? resetVolumes(context, options)
                         : editSetting(context, options, SettingKind::Volume);
}

int runColor(CliContext& context, const EditOptions& options) {
    // An empty transparency would leave it as it is: the word given was no percentage.
    if (options.transparency && options.transparency->empty())
        return context.badInput(options.file,
                                "the transparency must be a percentage from 0 to 100, not \"\"");
    return editSetting(context, options, SettingKind::Color);
}

int runTitle(CliContext& context, const EditOptions& options) {
    return editSetting(context, options, SettingKind::Title);
}

} // namespace vantrel::cli
