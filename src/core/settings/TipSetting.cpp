// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/TipSetting.h"

namespace vantrel {

namespace {

constexpr const char* kShowTipKey = "ShowTip";

} // namespace

bool tipsEnabled(const SettingsStore& settings) {
    return settings.read(kShowTipKey, "1") != "0";
}

void storeTipsEnabled(SettingsStore& settings, bool enabled) {
    settings.setValue(kShowTipKey, enabled ? "1" : "0");
}

} // namespace vantrel
