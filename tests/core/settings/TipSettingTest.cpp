// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/TipSetting.h"

#include <gtest/gtest.h>

using namespace vantrel;

TEST(TipSetting, OnlyZeroTurnsTipsOff) {
    MemorySettingsStore settings;
    EXPECT_TRUE(tipsEnabled(settings)) << "absent";
    for (const char* stored : {"1", "2", "yes", "", " 0", "00"}) {
        settings.setValue("ShowTip", stored);
        EXPECT_TRUE(tipsEnabled(settings)) << '"' << stored << '"';
    }
    settings.setValue("showtip", "0");
    EXPECT_FALSE(tipsEnabled(settings));
}

TEST(TipSetting, StoresOneOrZero) {
    MemorySettingsStore settings;
    storeTipsEnabled(settings, false);
    EXPECT_EQ(settings.value("ShowTip"), "0");
    storeTipsEnabled(settings, true);
    EXPECT_EQ(settings.value("ShowTip"), "1");
}
