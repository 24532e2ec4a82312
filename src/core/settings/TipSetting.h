// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/SettingsStore.h"

namespace vantrel {

// Whether feature tips are on. Only "0" turns them off: an absent value and
// anything else the store may hold (the program itself writes only "0" and
// "1") count as on, so the menu check, the tip window's check box and the
// decision to show a tip always agree.
[[nodiscard]] bool tipsEnabled(const SettingsStore& settings);

// Stores the choice as "1" or "0".
void storeTipsEnabled(SettingsStore& settings, bool enabled);

} // namespace vantrel
