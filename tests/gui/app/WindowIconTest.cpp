// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/WindowIcon.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

bool imagePluginLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

// One pixel, as a PNG file.
const QByteArray kPng = QByteArray::fromHex(
    "89504e470d0a1a0a0000000d49484452000000010000000108060000001f15c489"
    "0000000d49444154789c63504858f01f0003e402207b860edc0000000049454e44ae426082");

TEST(WindowIcon, TheInstalledImageIsReadWithoutAnImagePlugin) {
    if (imagePluginLoaded())
        GTEST_SKIP() << "an earlier test in this process read an image; run this test alone";
    QTemporaryDir dataHome;
    const QString folder = dataHome.filePath(QStringLiteral("icons/hicolor/48x48/apps"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile png(folder + QStringLiteral("/org.vantrel.Vantrel.png"));
    ASSERT_TRUE(png.open(QIODevice::WriteOnly));
    png.write(kPng);
    png.close();
    const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));

    const QIcon icon = installedWindowIcon();
    qputenv("XDG_DATA_HOME", oldDataHome);
    EXPECT_TRUE(icon.availableSizes().contains(QSize(1, 1)));
    EXPECT_FALSE(icon.pixmap(QSize(1, 1)).isNull());
    EXPECT_FALSE(imagePluginLoaded());
}

} // namespace
} // namespace vantrel
