// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/i18n/QtTranslations.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

QString cancelButton() {
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

TEST(QtTranslations, DialogButtonsFollowTheChosenLanguageAndSwitchWithIt) {
    const QLocale before;
    {
        QtTranslations translations;
        ASSERT_TRUE(translations.apply(0x0804)) << "is qt6-translations-l10n installed?";
        EXPECT_EQ(translations.installedLocale(), "zh_CN");
        EXPECT_EQ(cancelButton(), QString::fromUtf8("取消"));

        translations.apply(0x0409);
        EXPECT_EQ(cancelButton(), "Cancel");
        translations.apply(0x0804);
        translations.apply(std::nullopt); // a language without a locale: Qt's English
        EXPECT_EQ(cancelButton(), "Cancel");
        translations.apply(0x0804);
    }
    EXPECT_EQ(cancelButton(), "Cancel"); // gone with the object
    QLocale::setDefault(before);
}

} // namespace
} // namespace vantrel
