// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/i18n/QtTranslations.h"

#include "gui/dialogs/InterfaceLocaleFileModel.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileSystemModel>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

QString cancelButton() {
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

QString folderType() {
    return QCoreApplication::translate("QAbstractFileIconProvider", "Folder");
}

const QString kChineseFolder = QString::fromUtf8("文件夹");

TEST(QtTranslations, DialogButtonsFollowTheChosenLanguageAndSwitchWithIt) {
    const QLocale before;
    {
        QtTranslations translations;
        ASSERT_TRUE(translations.apply(0x0804, kChineseFolder))
            << "is qt6-translations-l10n installed?";
        EXPECT_EQ(translations.installedLocale(), "zh_CN");
        EXPECT_EQ(cancelButton(), QString::fromUtf8("取消"));
        EXPECT_EQ(folderType(), kChineseFolder); // Qt's own catalogue lacks it

        translations.apply(0x0409, QStringLiteral("Folder"));
        EXPECT_EQ(cancelButton(), "Cancel");
        translations.apply(0x0804, kChineseFolder);
        translations.apply(std::nullopt, QStringLiteral("Folder")); // no locale: Qt's English
        EXPECT_EQ(cancelButton(), "Cancel");
        EXPECT_EQ(folderType(), "Folder");
        translations.apply(0x0804, kChineseFolder);
    }
    EXPECT_EQ(cancelButton(), "Cancel"); // gone with the object
    EXPECT_EQ(folderType(), "Folder");
    QLocale::setDefault(before);
}

TEST(QtTranslations, FileDialogSizesAndDatesFollowTheInterfaceLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QStringLiteral("zh_CN")));
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("a.seem")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(100, 'x'));
    file.close();

    QFileSystemModel files;
    QSignalSpy loaded(&files, &QFileSystemModel::directoryLoaded);
    const QModelIndex root = files.setRootPath(folder.path());
    ASSERT_TRUE(loaded.wait(5000));
    InterfaceLocaleFileModel shown;
    shown.setSourceModel(&files);
    const QModelIndex row = shown.mapFromSource(files.index(file.fileName()));
    EXPECT_EQ(shown.index(row.row(), 1, shown.mapFromSource(root)).data().toString(),
              QString::fromUtf8("100 字节"));
    EXPECT_EQ(
        shown.index(row.row(), 3, shown.mapFromSource(root)).data().toString(),
        QLocale().toString(files.lastModified(files.index(file.fileName())), QLocale::ShortFormat));
    QLocale::setDefault(before);
}

} // namespace
} // namespace vantrel
