// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/LanguageFile.h"
#include "core/settings/SettingsStore.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace vantrel::testing {

// A main-window stand-in on screen and the bundled language file in English,
// for the small windows that open over the main window.
class WindowsFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        language.load(VANTREL_DATA_DIR "/language.xml", settings, 0x0409);
        owner.setGeometry(100, 100, 800, 600);
    }

    void showOwner() {
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    }

    MemorySettingsStore settings;
    LanguageFile language;
    QWidget owner;
};

} // namespace vantrel::testing
